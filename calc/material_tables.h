#pragma once
// The reference tables behind the material calculators: densities, sheet
// gauges, pipe sizes and schedules, and the deposition efficiencies of the
// welding processes, each kept here in one place with the table or standard
// it comes from named once; material_tables.cpp looks rows up.

#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

namespace brindle {

struct Material {
  std::string_view name;
  double poundsPerCubicInch;  // 0 for "Custom", whose density the user types
};
const Material* FindMaterial(std::string_view name);
inline constexpr std::string_view kCustomMaterial = "Custom";

// A sheet gauge's thickness in inches for a material, by the gauge table that
// material is ordered by: aluminium and stainless each have their own, every
// other material the steel gauge. Gauges 3 to 30.
inline constexpr int kThickestGauge = 3;
inline constexpr int kThinnestGauge = 30;
std::optional<double> GaugeThickness(int gauge, std::string_view material);

// A pipe's outside diameter and wall in inches.
struct PipeSize {
  double outsideDiameter;
  double wall;
};
// Nothing where the pipe standards give that size no such schedule.
std::optional<PipeSize> FindPipe(std::string_view nominalSize, std::string_view schedule);

struct WeldingProcess {
  std::string_view name;
  double efficiencyPercent;  // weld metal deposited per pound of filler bought
};
const WeldingProcess* FindWeldingProcess(std::string_view name);

// ---- The tables ----

// Densities in pounds per cubic inch, as shop weight charts use them: mild
// steel at 0.2836 (490 lb/ft3), 304 stainless, 6061 aluminium, yellow brass,
// pure copper and grey cast iron.
inline constexpr Material kMaterials[] = {
    {"Mild Steel", 0.2836}, {"Stainless Steel", 0.2890}, {"Aluminum", 0.0975},   {"Brass", 0.3070},
    {"Copper", 0.3230},     {"Cast Iron", 0.2600},       {kCustomMaterial, 0.0},
};

// Sheet thickness in inches for gauges 3 to 30.
inline constexpr int kGauges = kThinnestGauge - kThickestGauge + 1;
// Steel: the Manufacturers' Standard Gauge for sheet steel, 41.82 pounds per
// square foot for each inch of thickness.
inline constexpr double kSteelGauge[kGauges] = {
    0.2391, 0.2242, 0.2092, 0.1943, 0.1793, 0.1644, 0.1495, 0.1345, 0.1196, 0.1046,
    0.0897, 0.0747, 0.0673, 0.0598, 0.0538, 0.0478, 0.0418, 0.0359, 0.0329, 0.0299,
    0.0269, 0.0239, 0.0209, 0.0179, 0.0164, 0.0149, 0.0135, 0.0120};
// Aluminium: the Brown & Sharpe gauge (American Wire Gauge), to four places.
inline constexpr double kAluminumGauge[kGauges] = {
    0.2294, 0.2043, 0.1819, 0.1620, 0.1443, 0.1285, 0.1144, 0.1019, 0.0907, 0.0808,
    0.0720, 0.0641, 0.0571, 0.0508, 0.0453, 0.0403, 0.0359, 0.0320, 0.0285, 0.0253,
    0.0226, 0.0201, 0.0179, 0.0159, 0.0142, 0.0126, 0.0113, 0.0100};
// Stainless: the U.S. Standard Gauge for sheet and plate iron and steel
// (1893), whose thicknesses the law gives as fractions of an inch.
inline constexpr double kStainlessGauge[kGauges] = {
    1.0 / 4,   15.0 / 64, 7.0 / 32,  13.0 / 64,  3.0 / 16,   11.0 / 64, 5.0 / 32,
    9.0 / 64,  1.0 / 8,   7.0 / 64,  3.0 / 32,   5.0 / 64,   9.0 / 128, 1.0 / 16,
    9.0 / 160, 1.0 / 20,  7.0 / 160, 3.0 / 80,   11.0 / 320, 1.0 / 32,  9.0 / 320,
    1.0 / 40,  7.0 / 320, 3.0 / 160, 11.0 / 640, 1.0 / 64,   9.0 / 640, 1.0 / 80};

// Welded and seamless wrought steel pipe, ASME B36.10M, with schedule 5 from
// the stainless pipe standard ASME B36.19M (5S): outside diameter and nominal
// wall in inches as the standards print them. A 0 wall is a schedule the
// standards do not give for that size; schedule 5 above NPS 10 is left out,
// where the two standards differ.
inline constexpr std::string_view kNominalSizes[] = {
    "1/8", "1/4", "3/8", "1/2", "3/4", "1",  "1 1/4", "1 1/2", "2",  "2 1/2", "3",  "3 1/2",
    "4",   "5",   "6",   "8",   "10",  "12", "14",    "16",    "18", "20",    "22", "24"};
inline constexpr std::string_view kSchedules[] = {"5", "10", "40", "80", "160", "STD", "XS", "XXS"};
struct PipeRow {
  double outsideDiameter;
  double walls[std::size(kSchedules)];
};
inline constexpr PipeRow kPipes[] = {
    //  OD       5      10     40     80     160    STD    XS     XXS
    {0.405, {0, 0.049, 0.068, 0.095, 0, 0.068, 0.095, 0}},
    {0.540, {0, 0.065, 0.088, 0.119, 0, 0.088, 0.119, 0}},
    {0.675, {0, 0.065, 0.091, 0.126, 0, 0.091, 0.126, 0}},
    {0.840, {0.065, 0.083, 0.109, 0.147, 0.188, 0.109, 0.147, 0.294}},
    {1.050, {0.065, 0.083, 0.113, 0.154, 0.219, 0.113, 0.154, 0.308}},
    {1.315, {0.065, 0.109, 0.133, 0.179, 0.250, 0.133, 0.179, 0.358}},
    {1.660, {0.065, 0.109, 0.140, 0.191, 0.250, 0.140, 0.191, 0.382}},
    {1.900, {0.065, 0.109, 0.145, 0.200, 0.281, 0.145, 0.200, 0.400}},
    {2.375, {0.065, 0.109, 0.154, 0.218, 0.344, 0.154, 0.218, 0.436}},
    {2.875, {0.083, 0.120, 0.203, 0.276, 0.375, 0.203, 0.276, 0.552}},
    {3.500, {0.083, 0.120, 0.216, 0.300, 0.438, 0.216, 0.300, 0.600}},
    {4.000, {0.083, 0.120, 0.226, 0.318, 0, 0.226, 0.318, 0}},
    {4.500, {0.083, 0.120, 0.237, 0.337, 0.531, 0.237, 0.337, 0.674}},
    {5.563, {0.109, 0.134, 0.258, 0.375, 0.625, 0.258, 0.375, 0.750}},
    {6.625, {0.109, 0.134, 0.280, 0.432, 0.719, 0.280, 0.432, 0.864}},
    {8.625, {0.109, 0.148, 0.322, 0.500, 0.906, 0.322, 0.500, 0.875}},
    {10.750, {0.134, 0.165, 0.365, 0.594, 1.125, 0.365, 0.500, 1.000}},
    {12.750, {0, 0.180, 0.406, 0.688, 1.312, 0.375, 0.500, 1.000}},
    {14.000, {0, 0.250, 0.438, 0.750, 1.406, 0.375, 0.500, 0}},
    {16.000, {0, 0.250, 0.500, 0.844, 1.594, 0.375, 0.500, 0}},
    {18.000, {0, 0.250, 0.562, 0.938, 1.781, 0.375, 0.500, 0}},
    {20.000, {0, 0.250, 0.594, 1.031, 1.969, 0.375, 0.500, 0}},
    {22.000, {0, 0.250, 0, 1.125, 2.125, 0.375, 0.500, 0}},
    {24.000, {0, 0.250, 0.688, 1.219, 2.344, 0.375, 0.500, 0}},
};
static_assert(std::size(kPipes) == std::size(kNominalSizes));

// Deposition efficiency, the share of the filler bought that ends up as weld
// metal, as welding handbooks give it for each process: stick loses its stubs,
// flux and spatter; solid wire and submerged arc (flux not counted) lose
// little. The user types a figure of the shop's own over it.
inline constexpr WeldingProcess kProcesses[] = {
    {"SMAW (Stick)", 60.0}, {"GMAW (MIG)", 93.0}, {"FCAW (Flux Core)", 83.0},
    {"GTAW (TIG)", 98.0},   {"SAW", 99.0},
};

// The names of a table's rows, as a drop-down lists them.
template <typename Row, size_t N>
constexpr std::array<std::string_view, N> NamesOf(const Row (&rows)[N]) {
  std::array<std::string_view, N> names{};
  for (size_t i = 0; i < N; ++i)
    names[i] = rows[i].name;
  return names;
}
inline constexpr auto kMaterialNames = NamesOf(kMaterials);
inline constexpr auto kProcessNames = NamesOf(kProcesses);
inline constexpr std::string_view kGaugeNames[] = {
    "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30"};

}  // namespace brindle
