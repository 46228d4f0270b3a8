#include "src/state/appearance_values.h"

#include <variant>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::state {

namespace {

using ValueRef = std::variant<int32_t*, float*, std::string*, bool*>;

struct Slot {
  AppearanceValueInfo info;
  ValueRef (*ref)(AppearanceValues&);
};

#define PREFDESK_SLOT(group, type, member, field) \
  Slot{{#field, group, type}, [](AppearanceValues& v) -> ValueRef { return &v.member.field; }}

const std::array<Slot, kAppearanceValueCount>& Slots() {
  static const std::array<Slot, kAppearanceValueCount> slots = {
      PREFDESK_SLOT(1, "Long", Form, ColorFormBack),
      PREFDESK_SLOT(2, "Long", PopForm, ColorPopFormBack),
      PREFDESK_SLOT(2, "String", PopForm, FontPopNameFrom),
      PREFDESK_SLOT(2, "Single", PopForm, FontPopSizeFrom),
      PREFDESK_SLOT(3, "String", Caption, FontNameCaption),
      PREFDESK_SLOT(3, "Boolean", Caption, FontBoldCaption),
      PREFDESK_SLOT(3, "Single", Caption, FontSizeCaption),
      PREFDESK_SLOT(3, "Long", Caption, ColorCaption),
      PREFDESK_SLOT(4, "Long", Grid, ColorAlternatingBackgroundGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorBackgroundGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorChevronGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorHyperLinkGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorLockedBackgroundGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorNormalTextGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorRowSelectionGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorsMultiRowSelectionGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorTitleGrid),
      PREFDESK_SLOT(4, "Long", Grid, ColorTitleTextGrid),
      PREFDESK_SLOT(4, "String", Grid, FontNameGrid),
      PREFDESK_SLOT(4, "Single", Grid, FontSizeGrid),
      PREFDESK_SLOT(5, "Long", Sheet, ColorBackgroundSheet),
      PREFDESK_SLOT(5, "Long", Sheet, ColorActiveSheet),
      PREFDESK_SLOT(5, "Single", Sheet, ColorTitleTextSheet),
      PREFDESK_SLOT(5, "String", Sheet, FontNameSheet),
      PREFDESK_SLOT(5, "Single", Sheet, FontSizeSheet),
      PREFDESK_SLOT(6, "Long", Chart, ColorBackgroundChart),
      PREFDESK_SLOT(6, "Single", Chart, ColorTitleTextChart),
      PREFDESK_SLOT(6, "String", Chart, FontNameChart),
      PREFDESK_SLOT(6, "Single", Chart, FontSizeChart),
      PREFDESK_SLOT(8, "Long", ColumnbarTitle, ColorTitleBackgroundColumnbar),
      PREFDESK_SLOT(8, "Long", ColumnbarTitle, ColorTitleTextColumnbar),
      PREFDESK_SLOT(8, "Long", ColumnbarTitle, ColorTitleBorderColumnbar),
      PREFDESK_SLOT(8, "Long", ColumnbarTitle, ColorTitleActiveColumnbar),
      PREFDESK_SLOT(8, "Long", ColumnbarTitle, ColorTitleFocusColumnbar),
      PREFDESK_SLOT(8, "String", ColumnbarTitle, FontNameTitleColumnbar),
      PREFDESK_SLOT(8, "Single", ColumnbarTitle, FontSizeTitleColumnbar),
      PREFDESK_SLOT(8, "Boolean", ColumnbarTitle, FontBoldTitleColumnbar),
      PREFDESK_SLOT(9, "Long", ColumnbarList, ColorListBackgroundColumnbar),
      PREFDESK_SLOT(9, "Long", ColumnbarList, ColorListTextColumnbar),
      PREFDESK_SLOT(9, "Long", ColumnbarList, ColorListBorderColumnbar),
      PREFDESK_SLOT(9, "Long", ColumnbarList, ColorListActiveColumnbar),
      PREFDESK_SLOT(9, "Long", ColumnbarList, ColorListFocusColumnbar),
      PREFDESK_SLOT(9, "String", ColumnbarList, FontNameListColumnbar),
      PREFDESK_SLOT(9, "Single", ColumnbarList, FontSizeListColumnbar),
      PREFDESK_SLOT(9, "Boolean", ColumnbarList, FontBoldListColumnbar),
  };
  return slots;
}

#undef PREFDESK_SLOT

const Slot& SlotAt(int index) {
  if (index < 0 || index >= kAppearanceValueCount) {
    automation::Raise(automation::kErrSubscriptOutOfRange, "AppearanceValues");
  }
  return Slots()[static_cast<size_t>(index)];
}

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

}  // namespace

const std::array<AppearanceValueInfo, kAppearanceValueCount>& AppearanceValueInfos() {
  static const auto infos = [] {
    std::array<AppearanceValueInfo, kAppearanceValueCount> result{};
    for (size_t i = 0; i < result.size(); ++i) result[i] = Slots()[i].info;
    return result;
  }();
  return infos;
}

AppearanceRange AppearanceGroupRange(int group) {
  if (group < 1 || group > kAppearanceGroupCount) {
    automation::Raise(automation::kErrSubscriptOutOfRange, "AppearanceGroupRange");
  }
  int first = 0;
  while (first < kAppearanceValueCount && SlotAt(first).info.group < group) ++first;
  int last = first;
  while (last < kAppearanceValueCount && SlotAt(last).info.group == group) ++last;
  return {first, last - first};
}

automation::Variant GetAppearanceValue(const AppearanceValues& values, int index) {
  // The slot hands out a mutable reference; reading through it changes nothing.
  ValueRef ref = SlotAt(index).ref(const_cast<AppearanceValues&>(values));
  return std::visit([](auto* field) { return automation::Variant(*field); }, ref);
}

void SetAppearanceValue(AppearanceValues& values, int index, const automation::Variant& value) {
  std::visit(Overloaded{
                 [&](int32_t* field) { *field = automation::CLng(value); },
                 [&](float* field) { *field = automation::CSng(value); },
                 [&](std::string* field) { *field = automation::CStr(value); },
                 [&](bool* field) { *field = automation::CBool(value); },
             },
             SlotAt(index).ref(values));
}

}  // namespace prefdesk::state
