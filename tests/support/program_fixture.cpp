#include "tests/support/program_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace brindle;

PageView ViewPage() {
  PageView view;
  for (GadgetId id : PageGadgets()) {
    const ControlKind kind = GadgetKind(id);
    view[id] = kind == ControlKind::CheckBox   ? (SelectedItem(id) == 1 ? "on" : "off")
               : kind == ControlKind::ComboBox ? ComboItemText(id, SelectedItem(id))
                                               : GetText(id);
  }
  return view;
}

void ExpectPageShows(const PageView& expected) {
  const PageView shown = ViewPage();
  EXPECT_EQ(shown.size(), expected.size()) << "controls on the page";
  EXPECT_EQ(ControlCount(kMainWindowId), static_cast<int>(expected.size())) << "in the window";
  for (const auto& [id, text] : expected) {
    const auto found = shown.find(id);
    EXPECT_EQ(found == shown.end() ? "(no control)" : found->second, text)
        << "gadget " << id << " \"" << AccessibleNameOf(id) << '"';
  }
}

std::vector<GadgetId> PageGadgets(ControlKind kind) {
  std::vector<GadgetId> ids;
  for (GadgetId id = kFirstPageGadget; id <= kLastPageGadget; ++id) {
    if (GadgetExists(id) && (kind == ControlKind::None || GadgetKind(id) == kind))
      ids.push_back(id);
  }
  return ids;
}

GadgetId Named(const std::string& name) {
  std::vector<GadgetId> named;
  for (GadgetId id : PageGadgets()) {
    if (GadgetKind(id) != ControlKind::Label && AccessibleNameOf(id) == name) named.push_back(id);
  }
  if (named.size() == 1) return named[0];
  ADD_FAILURE() << named.size() << " controls are named \"" << name << '"';
  return -1;
}

void ProgramTest::SetUp() {
  char pattern[] = "/tmp/brindle-program-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  dir_ = pattern;
  path_ = dir_ + "/VaZizi.ini";
}

void ProgramTest::TearDown() {
  EndProgram();
  while (PollEvent()) {
  }
  std::filesystem::remove_all(dir_);
}

void ProgramTest::Start(const std::string& ini) {
  if (!ini.empty()) std::ofstream(path_, std::ios::binary) << ini;
  StartProgram(path_);
  Pump();
}

void ProgramTest::StartOn(PageItem page, int calcU) {
  Start("CalcW = " + std::to_string(page) + "\r\nCalcU = " + std::to_string(calcU) + "\r\n");
  ASSERT_GT(ControlCount(kMainWindowId), 0) << "page " << page << " was not laid out";
}

void ProgramTest::Pump() {
  ProcessPendingEvents();
  while (auto event = PollEvent()) {
    if (!DispatchEvent(*event)) ended_ = true;
    ProcessPendingEvents();
  }
}

void ProgramTest::Choose(MenuItemId item, WindowId window) {
  ChooseMenuItem(window, item);
  Pump();
}

void ProgramTest::Click(GadgetId id) {
  ClickGadget(id);
  Pump();
}

void ProgramTest::Do(const std::string& step) {
  SCOPED_TRACE(step);
  if (step == "Enter") {
    PressKey(kMainWindowId, TestKey::Enter);
    return Pump();
  }
  const size_t equals = step.find('=');
  const GadgetId id = Named(step.substr(0, equals));
  if (equals == std::string::npos) return Click(id);
  const std::string text = step.substr(equals + 1);
  if (GadgetKind(id) != ControlKind::ComboBox) {
    SetText(id, "");
    TypeText(id, text);
    Pump();
    ASSERT_EQ(GetText(id), text) << "the field did not take the typing";
    return;
  }
  for (int i = 0; i < ComboItemCount(id); ++i) {
    if (ComboItemText(id, i) == text) ChooseComboItem(id, i);
  }
  Pump();
  ASSERT_EQ(ComboItemText(id, SelectedItem(id)), text);
}

std::optional<std::string> ProgramTest::SettingsBytes() const {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}
