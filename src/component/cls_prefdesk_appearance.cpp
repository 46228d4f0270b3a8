#include <exception>
#include <string>
#include <vector>

#include "platform/automation/dispatch.h"
#include "src/component/cls_prefdesk.h"
#include "src/state/option_dialog.h"
#include "src/state/progress_window.h"
#include "src/state/shared_state.h"

namespace prefdesk::component {

namespace {

state::AppearanceValues& Stored() { return state::State().Appearance; }

// Runs one step of a font change; a step that fails is skipped.
template <class Step>
void Attempt(Step step) {
  try {
    step();
  } catch (const std::exception&) {
    // Windows or controls without the property keep their font.
  }
}

// Sets the font property (FontName or FontSize) of a window and, for each control, both the
// font object's member (Name or Size) and the control's own property.
void SetFontOf(const state::WindowWithControls& target, const std::string& member,
               const std::string& property, const automation::Variant& value) {
  Attempt([&] { automation::PutProperty(automation::Variant(target.window), property, value); });
  for (const automation::ObjectRef& control : target.controls) {
    automation::Variant object(control);
    Attempt([&] { automation::PutPropertyPath(object, {"Font", member}, value); });
    Attempt([&] { automation::PutProperty(object, property, value); });
  }
}

void SetFontEverywhere(const std::string& member, const std::string& property,
                       const automation::Variant& value) {
  state::WindowWithControls dialog;
  Attempt([&] {
    std::shared_ptr<state::OptionDialog> loaded = state::LoadedOptionDialog();
    dialog.window = loaded->Window();
    dialog.controls = loaded->Controls();
  });
  SetFontOf(dialog, member, property, value);
  state::WindowWithControls progress;
  Attempt([&] { progress = state::ProgressWindow(); });
  SetFontOf(progress, member, property, value);
}

}  // namespace

bool ClsPrefdesk::GetAppearance(state::AppearanceValues& values) const {
  values = Stored();
  return false;
}
bool ClsPrefdesk::GetAppearance1(state::FormAppearance& values) const {
  values = Stored().Form;
  return false;
}
bool ClsPrefdesk::GetAppearance2(state::PopFormAppearance& values) const {
  values = Stored().PopForm;
  return false;
}
bool ClsPrefdesk::GetAppearance3(state::CaptionAppearance& values) const {
  values = Stored().Caption;
  return false;
}
bool ClsPrefdesk::GetAppearance4(state::GridAppearance& values) const {
  values = Stored().Grid;
  return false;
}
bool ClsPrefdesk::GetAppearance5(state::SheetAppearance& values) const {
  values = Stored().Sheet;
  return false;
}
bool ClsPrefdesk::GetAppearance6(state::ChartAppearance& values) const {
  values = Stored().Chart;
  return false;
}
bool ClsPrefdesk::GetAppearance7() const { return false; }
bool ClsPrefdesk::GetAppearance8(state::ColumnbarTitleAppearance& values) const {
  values = Stored().ColumnbarTitle;
  return false;
}
bool ClsPrefdesk::GetAppearance9(state::ColumnbarListAppearance& values) const {
  values = Stored().ColumnbarList;
  return false;
}

bool ClsPrefdesk::SetAppearance(const state::AppearanceValues& values) {
  Stored() = values;
  return false;
}
bool ClsPrefdesk::SetAppearance1(const state::FormAppearance& values) {
  Stored().Form = values;
  return false;
}
bool ClsPrefdesk::SetAppearance2(const state::PopFormAppearance& values) {
  Stored().PopForm = values;
  return false;
}
bool ClsPrefdesk::SetAppearance3(const state::CaptionAppearance& values) {
  Stored().Caption = values;
  return false;
}
bool ClsPrefdesk::SetAppearance4(const state::GridAppearance& values) {
  Stored().Grid = values;
  return false;
}
bool ClsPrefdesk::SetAppearance5(const state::SheetAppearance& values) {
  Stored().Sheet = values;
  return false;
}
bool ClsPrefdesk::SetAppearance6(const state::ChartAppearance& values) {
  Stored().Chart = values;
  return false;
}
bool ClsPrefdesk::SetAppearance7() { return false; }
bool ClsPrefdesk::SetAppearance8(const state::ColumnbarTitleAppearance& values) {
  Stored().ColumnbarTitle = values;
  return false;
}
bool ClsPrefdesk::SetAppearance9(const state::ColumnbarListAppearance& values) {
  Stored().ColumnbarList = values;
  return false;
}

std::string ClsPrefdesk::FontName() { return state::LoadedOptionDialog()->FontName(); }

void ClsPrefdesk::SetFontName(const std::string& name) {
  SetFontEverywhere("Name", "FontName", automation::Variant(name));
}

float ClsPrefdesk::FontSize() { return state::LoadedOptionDialog()->FontSize(); }

void ClsPrefdesk::SetFontSize(float size) {
  SetFontEverywhere("Size", "FontSize", automation::Variant(size));
}

}  // namespace prefdesk::component
