// AppearanceValueSet: the list of schemes to choose from (the system schemes or the user's
// own), the editable values of the current scheme, and the column and value lists with which
// the host stores the current values as a row of its user scheme table.
//
// The host's environment is plugged in when the control is made: the writer of text literals
// for the value lists (so that the host's one quoting rule applies) and the language test
// that picks which display name of a system scheme is listed.
//
// Members by name besides those of AppearanceControl: SelectedSchemeName (get),
// ShowDefaultSchemes(Schemes), ShowUserSchemes(Recordset), GetInsertLists(Columns, Values)
// (both in/out), GetUpdateList() (String), AddUserScheme(Name).
// Events (by dispatch id): SchemeCommand(Command), ErrorOccurred(Source, Number,
// Description), MessageShown(Source, Message).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/recordset.h"
#include "platform/appearancelib/appearance_control.h"
#include "platform/appearancelib/scheme_collection.h"
#include "platform/automation/dispatch.h"

namespace prefdesk::appearancelib {

inline constexpr int32_t kDispidSchemeCommand = 1;
inline constexpr int32_t kDispidErrorOccurred = 2;
inline constexpr int32_t kDispidMessageShown = 3;

// The commands a person gives with the control's buttons; "Scheme" when a scheme is picked.
inline constexpr std::string_view kCommandDefaultSchemes = "DefaultSchemes";
inline constexpr std::string_view kCommandUserSchemes = "UserSchemes";
inline constexpr std::string_view kCommandScheme = "Scheme";
inline constexpr std::string_view kCommandSaveAs = "SaveAs";
inline constexpr std::string_view kCommandDelete = "Delete";

struct ValueSetEnvironment {
  // A text as a literal of the host's SQL, quotes included.
  std::function<std::string(std::string_view text)> text_literal;
  // True when system schemes are listed by their Chinese names, false for the English ones.
  std::function<bool()> chinese_names;
};

class AppearanceValueSet : public AppearanceControl {
 public:
  enum class Listing { kNone, kSystemSchemes, kUserSchemes };

  AppearanceValueSet(std::string name, ValueSetEnvironment environment);
  std::string ClassName() const override { return "AppearanceValueSet"; }

  int Advise(automation::EventSource::Sink sink) { return events_.Advise(std::move(sink)); }
  void Unadvise(int cookie) { events_.Unadvise(cookie); }

  // The name of the scheme selected in the list; empty when none is.
  std::string SelectedSchemeName() const;
  // Lists each scheme of the collection by its display name; nothing is selected after it.
  // Raises 91 without a collection.
  void ShowDefaultSchemes(const SchemeCollection* schemes);
  // Lists the ScreenStyleName of every row of the open record set from its first row; the
  // record set stays open for its owner. Raises 91 without one, and what the data layer
  // raises for a closed set or one without that field (the list is then unchanged).
  void ShowUserSchemes(ado::Recordset* rs);
  // The user scheme just stored under that name: listed and selected when the user schemes
  // are shown and it is not listed yet.
  void AddUserScheme(const std::string& name);

  // The columns of the user scheme table that hold the current scheme's values, and those
  // values as SQL, in the same order: the 45 appearance columns, then FontSizeList, which
  // carries the list font size once more because readers of the table take it from there.
  // Colours are integers, sizes the shortest decimal that reads back as the same single,
  // booleans 1 or 0, texts through the environment's literal writer. Raises 91 without a
  // current scheme.
  void GetInsertLists(std::string& columns, std::string& values) const;
  // The same as "Column=value" pairs joined by commas.
  std::string GetUpdateList() const;

  Listing ListKind() const { return listing_; }
  const std::vector<std::string>& SchemeNames() const { return names_; }
  int SelectedIndex() const { return selected_; }

  // --- what a person does; each does nothing and returns false when the control is not usable.
  // Picks the scheme at a 0-based index of the list: it becomes selected and SchemeCommand
  // "Scheme" follows.
  bool UserSelectScheme(int index);
  // Presses one of the buttons: SchemeCommand with the command.
  bool UserCommand(std::string_view command);
  // Types a value into the current scheme. A text that does not convert to the value's type
  // raises ErrorOccurred; a font size outside 1 to 72 or an empty font name raises
  // MessageShown; in both cases the scheme keeps its value.
  bool UserEditValue(std::string_view name, const std::string& text);

 private:
  void Fire(int32_t dispid, automation::Arguments args) const;
  std::vector<std::pair<std::string, std::string>> ValueColumns() const;
  void AddMembers();

  ValueSetEnvironment environment_;
  Listing listing_ = Listing::kNone;
  std::vector<std::string> names_;
  int selected_ = -1;
  automation::EventSource events_;
};

}  // namespace prefdesk::appearancelib
