#include "src/appearance/scheme_rows.h"

#include <string>

#include "src/state/appearance_values.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"

namespace prefdesk::appearance {

using appearancelib::kSchemeColumnCount;
using appearancelib::SchemeColumns;

void FillSchemeFromDefaultRow(appearancelib::Scheme& scheme, const ado::Recordset& rs) {
  const std::string language = resources::LoadResString(0);
  for (int i = 0; i < kSchemeColumnCount; ++i) {
    const std::string name(SchemeColumns()[static_cast<size_t>(i)].name);
    scheme.SetValueAt(i, rs[name.starts_with("Font") ? language + name : name]);
  }
}

void FillSchemeFromUserRow(appearancelib::Scheme& scheme, const ado::Recordset& rs) {
  for (int i = appearancelib::kSchemeNameCount; i < kSchemeColumnCount; ++i) {
    const std::string_view name = SchemeColumns()[static_cast<size_t>(i)].name;
    if (name == "FontBoldListColumnbar") continue;
    scheme.SetValueAt(i, rs[name == "FontSizeListColumnbar" ? "FontSizeList" : name]);
  }
}

void CopyScheme(appearancelib::Scheme& target, const appearancelib::Scheme& source) {
  for (int i = 0; i < kSchemeColumnCount; ++i) target.SetValueAt(i, source.ValueAt(i));
}

void LoadAppearanceIntoScheme(appearancelib::Scheme& scheme) {
  const state::AppearanceValues& values = state::State().Appearance;
  for (int i = 0; i < state::kAppearanceValueCount; ++i) {
    scheme.SetValue(state::AppearanceValueInfos()[static_cast<size_t>(i)].name,
                    state::GetAppearanceValue(values, i));
  }
}

void StoreSchemeAsAppearance(const appearancelib::Scheme& scheme) {
  state::AppearanceValues values = state::State().Appearance;
  for (int i = 0; i < state::kAppearanceValueCount; ++i) {
    state::SetAppearanceValue(values, i, scheme.Value(state::AppearanceValueInfos()[static_cast<size_t>(i)].name));
  }
  state::State().Appearance = std::move(values);
}

}  // namespace prefdesk::appearance
