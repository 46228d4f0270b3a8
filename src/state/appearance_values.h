// The 45 appearance values of the client (colours and fonts of forms, pop-up forms, captions,
// grids, sheets, charts and the column bar), in their fixed order and nine groups.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace prefdesk::state {

// Colours are 32-bit integers in the platform's colour format, sizes single-precision points.
struct FormAppearance {
  int32_t ColorFormBack = 0;
};

struct PopFormAppearance {
  int32_t ColorPopFormBack = 0;
  std::string FontPopNameFrom;
  float FontPopSizeFrom = 0;
};

struct CaptionAppearance {
  std::string FontNameCaption;
  bool FontBoldCaption = false;
  float FontSizeCaption = 0;
  int32_t ColorCaption = 0;
};

struct GridAppearance {
  int32_t ColorAlternatingBackgroundGrid = 0;
  int32_t ColorBackgroundGrid = 0;
  int32_t ColorChevronGrid = 0;
  int32_t ColorHyperLinkGrid = 0;
  int32_t ColorLockedBackgroundGrid = 0;
  int32_t ColorNormalTextGrid = 0;
  int32_t ColorRowSelectionGrid = 0;
  int32_t ColorsMultiRowSelectionGrid = 0;
  int32_t ColorTitleGrid = 0;
  int32_t ColorTitleTextGrid = 0;
  std::string FontNameGrid;
  float FontSizeGrid = 0;
};

// ColorTitleTextSheet and ColorTitleTextChart are single-precision in the interface; their
// 32 bits are kept as they come.
struct SheetAppearance {
  int32_t ColorBackgroundSheet = 0;
  int32_t ColorActiveSheet = 0;
  float ColorTitleTextSheet = 0;
  std::string FontNameSheet;
  float FontSizeSheet = 0;
};

struct ChartAppearance {
  int32_t ColorBackgroundChart = 0;
  float ColorTitleTextChart = 0;
  std::string FontNameChart;
  float FontSizeChart = 0;
};

struct ColumnbarTitleAppearance {
  int32_t ColorTitleBackgroundColumnbar = 0;
  int32_t ColorTitleTextColumnbar = 0;
  int32_t ColorTitleBorderColumnbar = 0;
  int32_t ColorTitleActiveColumnbar = 0;
  int32_t ColorTitleFocusColumnbar = 0;
  std::string FontNameTitleColumnbar;
  float FontSizeTitleColumnbar = 0;
  bool FontBoldTitleColumnbar = false;
};

struct ColumnbarListAppearance {
  int32_t ColorListBackgroundColumnbar = 0;
  int32_t ColorListTextColumnbar = 0;
  int32_t ColorListBorderColumnbar = 0;
  int32_t ColorListActiveColumnbar = 0;
  int32_t ColorListFocusColumnbar = 0;
  std::string FontNameListColumnbar;
  float FontSizeListColumnbar = 0;
  bool FontBoldListColumnbar = false;
};

// Groups 1 to 9; group 7 has no values.
struct AppearanceValues {
  FormAppearance Form;                      // group 1
  PopFormAppearance PopForm;                // group 2
  CaptionAppearance Caption;                // group 3
  GridAppearance Grid;                      // group 4
  SheetAppearance Sheet;                    // group 5
  ChartAppearance Chart;                    // group 6
  ColumnbarTitleAppearance ColumnbarTitle;  // group 8
  ColumnbarListAppearance ColumnbarList;    // group 9
};

inline constexpr int kAppearanceValueCount = 45;
inline constexpr int kAppearanceGroupCount = 9;

// One value of the set: its name (also the scheme column's name), group, and automation type
// name ("Long", "Single", "String" or "Boolean").
struct AppearanceValueInfo {
  std::string_view name;
  int group;
  std::string_view type;
};

// The values in their order.
const std::array<AppearanceValueInfo, kAppearanceValueCount>& AppearanceValueInfos();

// Positions [first, first + count) of a group's values in the order (group 1 to 9).
struct AppearanceRange {
  int first;
  int count;
};
AppearanceRange AppearanceGroupRange(int group);

// The value at a position as an automation value of its type.
automation::Variant GetAppearanceValue(const AppearanceValues& values, int index);
// Stores a value at a position, converted to its type (raises on a value that does not convert).
void SetAppearanceValue(AppearanceValues& values, int index, const automation::Variant& value);

}  // namespace prefdesk::state
