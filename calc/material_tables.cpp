#include "calc/material_tables.h"

#include <algorithm>
#include <iterator>

#include "calc/range_algorithms.h"

namespace brindle {

namespace {
template <typename Row, size_t N>
const Row* Named(const Row (&rows)[N], std::string_view name) {
  const auto found = ranges::find(rows, name, &Row::name);
  return found == std::end(rows) ? nullptr : found;
}

size_t IndexOf(std::span<const std::string_view> names, std::string_view name) {
  return static_cast<size_t>(ranges::find(names, name) - names.begin());
}

}  // namespace

const Material* FindMaterial(std::string_view name) {
  return Named(kMaterials, name);
}

std::optional<double> GaugeThickness(int gauge, std::string_view material) {
  if (gauge < kThickestGauge || gauge > kThinnestGauge) return std::nullopt;
  const int i = gauge - kThickestGauge;
  if (material == "Aluminum") return kAluminumGauge[i];
  if (material == "Stainless Steel") return kStainlessGauge[i];
  return kSteelGauge[i];
}

std::optional<PipeSize> FindPipe(std::string_view nominalSize, std::string_view schedule) {
  const size_t size = IndexOf(kNominalSizes, nominalSize);
  const size_t column = IndexOf(kSchedules, schedule);
  if (size >= std::size(kPipes) || column >= std::size(kSchedules)) return std::nullopt;
  const PipeRow& pipe = kPipes[size];
  if (pipe.walls[column] == 0) return std::nullopt;
  return PipeSize{pipe.outsideDiameter, pipe.walls[column]};
}

const WeldingProcess* FindWeldingProcess(std::string_view name) {
  return Named(kProcesses, name);
}

}  // namespace brindle
