// Construction of the Column tab: takes the controls and wires their events.
#include "src/dialog/columns_tab.h"

#include "platform/automation/error.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/window.h"
#include "src/columns/main_option_column.h"

namespace prefdesk::dialog {

namespace {

ColumnsTabControls ControlsOf(ui::Window& window) {
  ColumnsTabControls c;
  c.lstGrandFather = &window.Get<ui::CheckListBox>("lstGrandFather");
  c.lstFather = &window.Get<ui::CheckListBox>("lstFather");
  c.lstSon = &window.Get<ui::CheckListBox>("lstSon");
  c.cmdGrandFatherTop = &window.Get<ui::CommandButton>("cmdGrandFatherTop");
  c.cmdGrandFatherUp = &window.Get<ui::CommandButton>("cmdGrandFatherUp");
  c.cmdGrandFatherDown = &window.Get<ui::CommandButton>("cmdGrandFatherDown");
  c.cmdGrandFatherBottom = &window.Get<ui::CommandButton>("cmdGrandFatherBottom");
  c.cmdFatherTop = &window.Get<ui::CommandButton>("cmdFatherTop");
  c.cmdFatherUp = &window.Get<ui::CommandButton>("cmdFatherUp");
  c.cmdFatherDown = &window.Get<ui::CommandButton>("cmdFatherDown");
  c.cmdFatherBottom = &window.Get<ui::CommandButton>("cmdFatherBottom");
  c.cmdSonTop = &window.Get<ui::CommandButton>("cmdSonTop");
  c.cmdSonUp = &window.Get<ui::CommandButton>("cmdSonUp");
  c.cmdSonDown = &window.Get<ui::CommandButton>("cmdSonDown");
  c.cmdSonBottom = &window.Get<ui::CommandButton>("cmdSonBottom");
  return c;
}

std::vector<ui::CommandButton*> Buttons(const ColumnsTabControls& c) {
  return {c.cmdGrandFatherTop, c.cmdGrandFatherUp, c.cmdGrandFatherDown, c.cmdGrandFatherBottom,
          c.cmdFatherTop,      c.cmdFatherUp,      c.cmdFatherDown,      c.cmdFatherBottom,
          c.cmdSonTop,         c.cmdSonUp,         c.cmdSonDown,         c.cmdSonBottom};
}

}  // namespace

ColumnsTab::ColumnsTab(const ColumnsTabControls& controls)
    : controls_(controls),
      loaded_(std::make_unique<columns::clsMainOptionColumns>()),
      edited_(std::make_unique<columns::clsMainOptionColumns>()) {
  if (controls_.lstGrandFather == nullptr || controls_.lstFather == nullptr ||
      controls_.lstSon == nullptr) {
    automation::Raise(automation::kErrObjectRequired, "ColumnsTab", "A list of the Column tab is missing.");
  }
  for (ui::CommandButton* button : Buttons(controls_)) {
    if (button == nullptr) {
      automation::Raise(automation::kErrObjectRequired, "ColumnsTab", "A button of the Column tab is missing.");
    }
  }
  WireEvents();
}

ColumnsTab::ColumnsTab(ui::Window& window) : ColumnsTab(ControlsOf(window)) {}

ColumnsTab::~ColumnsTab() {
  controls_.lstGrandFather->OnClick = nullptr;
  controls_.lstFather->OnClick = nullptr;
  controls_.lstGrandFather->OnItemCheck = nullptr;
  controls_.lstFather->OnItemCheck = nullptr;
  controls_.lstSon->OnItemCheck = nullptr;
  for (ui::CommandButton* button : Buttons(controls_)) button->OnClick = nullptr;
}

void ColumnsTab::WireEvents() {
  ColumnsTabControls& c = controls_;
  c.lstGrandFather->OnClick = [this] { lstGrandFather_Click(); };
  c.lstFather->OnClick = [this] { lstFather_Click(); };
  c.lstGrandFather->OnItemCheck = [this](int index) { lstGrandFather_ItemCheck(static_cast<int16_t>(index)); };
  c.lstFather->OnItemCheck = [this](int index) { lstFather_ItemCheck(static_cast<int16_t>(index)); };
  c.lstSon->OnItemCheck = [this](int index) { lstSon_ItemCheck(static_cast<int16_t>(index)); };

  c.cmdGrandFatherTop->OnClick = [this] { MoveItem(*controls_.lstGrandFather, Move::Top); };
  c.cmdGrandFatherUp->OnClick = [this] { MoveItem(*controls_.lstGrandFather, Move::Up); };
  c.cmdGrandFatherDown->OnClick = [this] { MoveItem(*controls_.lstGrandFather, Move::Down); };
  c.cmdGrandFatherBottom->OnClick = [this] { MoveItem(*controls_.lstGrandFather, Move::Bottom); };
  c.cmdFatherTop->OnClick = [this] { MoveItem(*controls_.lstFather, Move::Top); };
  c.cmdFatherUp->OnClick = [this] { MoveItem(*controls_.lstFather, Move::Up); };
  c.cmdFatherDown->OnClick = [this] { MoveItem(*controls_.lstFather, Move::Down); };
  c.cmdFatherBottom->OnClick = [this] { MoveItem(*controls_.lstFather, Move::Bottom); };
  c.cmdSonTop->OnClick = [this] { MoveItem(*controls_.lstSon, Move::Top); };
  c.cmdSonUp->OnClick = [this] { MoveItem(*controls_.lstSon, Move::Up); };
  c.cmdSonDown->OnClick = [this] { MoveItem(*controls_.lstSon, Move::Down); };
  c.cmdSonBottom->OnClick = [this] { MoveItem(*controls_.lstSon, Move::Bottom); };
}

columns::clsMainOptionColumns& ColumnsTab::EditedColumns() { return *edited_; }
columns::clsMainOptionColumns& ColumnsTab::LoadedColumns() { return *loaded_; }

}  // namespace prefdesk::dialog
