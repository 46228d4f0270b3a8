#include "host/cli/preferences_document.h"

#include <algorithm>
#include <climits>
#include <map>
#include <set>

#include "host/cli/cli_error.h"
#include "host/cli/server_access.h"
#include "host/cli/setting_keys.h"
#include "host/cli/stored_preferences.h"
#include "host/cli/user_settings.h"
#include "platform/appearancelib/scheme.h"
#include "platform/automation/conversions.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::cli {

namespace {

using automation::Variant;
using storage::SqlInt;
using storage::SqlNull;

constexpr char kFormat[] = "prefdesk-preferences";
constexpr size_t kNameLength = 50;  // scheme names and query ids: the columns' size

namespace schema = storage::schema;

// A whole list row: what the layout writer fills, then the list's default query.
const std::string kListColumns = std::string(schema::layout::kListColumns) + "," + schema::layout::F_DEFQUERYID;

[[noreturn]] void Bad(const std::string& where, const std::string& problem) {
  throw CliError(kExitUsage, "the document's " + where + ": " + problem + "; nothing written");
}

// The button catalogue of the server, by id and by name.
struct Catalogue {
  std::map<int32_t, std::string> title_names;
  std::map<std::string, int32_t> title_ids;
  struct List {
    std::string name;
    int32_t title = 0;
  };
  std::map<int32_t, List> lists;
  std::map<std::pair<int32_t, std::string>, int32_t> list_ids;  // by title id and name

  explicit Catalogue(storage::DataCenter& dc) {
    const std::string title_rows = std::string("SELECT F_HBUTTONID, F_HBUTTONNAME FROM ") + schema::SYSTBLHBUTTON;
    ForEachRow(dc, title_rows, [&](const ado::Recordset& rs) {
      const int32_t id = automation::CLng(rs["F_HBUTTONID"]);
      title_names[id] = automation::CStr(rs["F_HBUTTONNAME"]);
      title_ids[title_names[id]] = id;
    });
    const std::string list_rows =
        std::string("SELECT F_VBUTTONID, F_HBUTTONID, F_VBUTTONNAME FROM ") + schema::SYSTBLVBUTTON;
    ForEachRow(dc, list_rows, [&](const ado::Recordset& rs) {
      const int32_t id = automation::CLng(rs["F_VBUTTONID"]);
      const List list{automation::CStr(rs["F_VBUTTONNAME"]), automation::CLng(rs["F_HBUTTONID"])};
      lists[id] = list;
      list_ids[{list.title, list.name}] = id;
    });
  }
  const std::string& TitleName(int32_t id) const {
    const auto found = title_names.find(id);
    if (found == title_names.end()) {
      throw CliError(kExitFailed,
                     "title id " + std::to_string(id) + " is not in the button catalogue " + schema::SYSTBLHBUTTON);
    }
    return found->second;
  }
  const std::string& ListName(int32_t id) const {
    const auto found = lists.find(id);
    if (found == lists.end()) {
      throw CliError(kExitFailed,
                     "list id " + std::to_string(id) + " is not in the button catalogue " + schema::SYSTBLVBUTTON);
    }
    return found->second.name;
  }
};

Json Whole(const Variant& value) { return value.IsEmptyOrNull() ? Json() : Json(automation::CLng(value)); }
Json Flag(const Variant& value) { return value.IsEmptyOrNull() ? Json() : Json(automation::CLng(value) != 0); }
Json Text(const Variant& value) { return value.IsEmptyOrNull() ? Json() : Json(automation::CStr(value)); }

// The columns of a scheme row after its name: the 45 appearance values and FontSizeList.
std::vector<appearancelib::SchemeColumn> SchemeValueColumns() {
  const auto& all = appearancelib::SchemeColumns();
  std::vector<appearancelib::SchemeColumn> columns(all.begin() + appearancelib::kSchemeNameCount, all.end());
  columns.push_back({"FontSizeList", "Single"});
  return columns;
}

Json SchemeValue(const appearancelib::SchemeColumn& column, const Variant& value) {
  if (value.IsEmptyOrNull()) return Json();
  if (column.type == "Long") return automation::CLng(value);
  if (column.type == "Single") return automation::CDbl(value);
  if (column.type == "Boolean") return automation::CLng(value) != 0;
  return automation::CStr(value);
}

// A list that is its own parent, or any chain of parents that comes back to where it began,
// has no place in the bar.
void CheckNoParentCycle(const Catalogue& catalogue, const std::map<int32_t, int32_t>& parents) {
  for (const auto& [list, parent] : parents) {
    if (list == parent) Bad("layout", "list '" + catalogue.ListName(list) + "' is its own parent");
  }
  for (const auto& entry : parents) {
    const int32_t list = entry.first;
    std::set<int32_t> walked = {list};
    for (auto parent = parents.find(list); parent != parents.end(); parent = parents.find(parent->second)) {
      if (!walked.insert(parent->second).second) {
        Bad("layout", "the parents of list '" + catalogue.ListName(parent->second) + "' form a cycle");
      }
    }
  }
}

// ---- reading a document: each field of the right JSON type or null ----

const Json& Field(const Json& object, const char* key, const std::string& where) {
  if (!object.is_object()) Bad(where, "an object is expected");
  const auto found = object.find(key);
  if (found == object.end()) Bad(where, std::string("'") + key + "' is missing");
  return *found;
}

void OnlyKeys(const Json& object, std::initializer_list<const char*> keys, const std::string& where) {
  for (const auto& [key, value] : object.items()) {
    if (std::find_if(keys.begin(), keys.end(), [&](const char* k) { return key == k; }) == keys.end()) {
      Bad(where, "unknown field '" + key + "'");
    }
  }
}

std::string WholeLiteral(const Json& value, const std::string& where) {
  if (value.is_null()) return SqlNull();
  if (!value.is_number_integer() || value.get<int64_t>() < INT32_MIN || value.get<int64_t>() > INT32_MAX) {
    Bad(where, "a whole number or null is expected, not " + value.dump());
  }
  return SqlInt(value.get<int64_t>());
}

std::string FlagLiteral(const Json& value, const std::string& where) {
  if (value.is_null()) return SqlNull();
  if (!value.is_boolean()) Bad(where, "true, false or null is expected, not " + value.dump());
  return storage::SqlFlag(value.get<bool>());
}

std::string Name(const Json& value, const std::string& where) {
  if (!value.is_string() || value.get<std::string>().empty()) Bad(where, "a name is expected, not " + value.dump());
  return value.get<std::string>();
}

void CheckSettings(const Json& settings, PreferenceRows& rows) {
  if (settings.is_null()) return;
  if (!settings.is_object()) Bad("settings", "an object or null is expected");
  MiscRow row;
  std::vector<std::pair<size_t, Variant>> values;
  for (const auto& [name, value] : settings.items()) {
    const size_t index = [&] {
      try {
        return SettingIndex(name);
      } catch (const CliError& error) {
        Bad("settings", error.what());
      }
    }();
    if (!value.is_null()) {
      row.values[index] = ParseSetting(SettingKeys()[index], value);
      values.emplace_back(index, row.values[index]);
    }
  }
  // A set the reader takes as a whole is stored whole or not at all.
  for (const bool calendar : {true, false}) {
    size_t present = 0, members = 0;
    for (size_t i = 0; i < kSettingCount; ++i) {
      const SettingKind kind = SettingKeys()[i].kind;
      if (calendar ? !IsCalendar(kind) : !IsExpense(kind)) continue;
      ++members;
      present += !row.values[i].IsEmpty();
    }
    if (present != 0 && present != members) {
      Bad("settings", calendar ? "the five calendar values are stored together: give all or none"
                               : "ExpenseChargeNumber and ExpenseCashAdvance are stored together: give both or neither");
    }
    if (calendar && present == members) {
      try {
        CheckCalendar(row.values);
      } catch (const CliError& error) {
        Bad("settings", error.what());
      }
    }
  }
  rows.settings_columns = schema::F_UID;
  rows.settings_values = "";
  for (const auto& [index, value] : values) {
    rows.settings_columns += std::string(",") + SettingKeys()[index].column;
    rows.settings_values += "," + SettingLiteral(SettingKeys()[index], value);
  }
}

}  // namespace

Json ExportPreferences(storage::DataCenter& dc, int16_t user) {
  const Catalogue catalogue(dc);
  Json document = {{"format", kFormat}, {"version", kDocumentVersion}, {"user", user}};

  const MiscRow row = ReadMiscRow(dc, user);
  Json settings;
  if (row.exists) {
    settings = Json::object();
    for (size_t i = 0; i < kSettingCount; ++i) {
      if (!row.values[i].IsEmptyOrNull()) settings[SettingKeys()[i].name] = SettingJson(SettingKeys()[i], row.values[i]);
    }
  }
  document["settings"] = settings;

  Json titles = Json::array();
  ForEachRow(dc,
             std::string("SELECT F_HBUTTONID, F_SEQUENCENO, F_ISVISIBLE, F_ISPRIMARY FROM ") + schema::T_PHBUTTON +
                 " WHERE " + UserCondition(user) + " ORDER BY F_SEQUENCENO, F_HBUTTONID",
             [&](const ado::Recordset& rs) {
               titles.push_back({{"name", catalogue.TitleName(automation::CLng(rs["F_HBUTTONID"]))},
                                 {"position", Whole(rs["F_SEQUENCENO"])},
                                 {"visible", Flag(rs["F_ISVISIBLE"])},
                                 {"primary", Flag(rs["F_ISPRIMARY"])}});
             });
  Json lists = Json::array();
  ForEachRow(dc,
             std::string("SELECT F_VBUTTONID, F_HBUTTONID, F_PVBUTTONID, F_SEQUENCENO, F_ISVISIBLE, F_DEFAULTVISIBLE, "
                         "F_ISPRIMARY, F_DEFQUERYID FROM ") +
                 schema::T_PVBUTTON + " WHERE " + UserCondition(user) +
                 " ORDER BY F_HBUTTONID, COALESCE(F_PVBUTTONID, 0), F_SEQUENCENO, F_VBUTTONID",
             [&](const ado::Recordset& rs) {
               const Variant& parent = rs["F_PVBUTTONID"];
               const bool first_level = parent.IsEmptyOrNull() || automation::CLng(parent) == 0;
               lists.push_back({{"title", catalogue.TitleName(automation::CLng(rs["F_HBUTTONID"]))},
                                {"name", catalogue.ListName(automation::CLng(rs["F_VBUTTONID"]))},
                                {"parent", first_level ? Json() : Json(catalogue.ListName(automation::CLng(parent)))},
                                {"position", Whole(rs["F_SEQUENCENO"])},
                                {"visible", Flag(rs["F_ISVISIBLE"])},
                                {"default_visible", Flag(rs["F_DEFAULTVISIBLE"])},
                                {"primary", Flag(rs["F_ISPRIMARY"])},
                                {"default_query", Text(rs["F_DEFQUERYID"])}});
             });
  document["layout"] = {{"titles", titles}, {"lists", lists}};

  Json schemes = Json::array();
  const auto columns = SchemeValueColumns();
  ForEachRow(dc,
             std::string("SELECT * FROM ") + schema::T_PSCREENSTYLE + " WHERE " + UserCondition(user) +
                 " ORDER BY ScreenStyleName",
             [&](const ado::Recordset& rs) {
               Json values = Json::object();
               for (const auto& column : columns) values[std::string(column.name)] = SchemeValue(column, rs[std::string(column.name)]);
               schemes.push_back({{"name", automation::CStr(rs["ScreenStyleName"])}, {"values", values}});
             });
  document["schemes"] = schemes;
  return document;
}

PreferenceRows CheckPreferences(storage::DataCenter& dc, int16_t user, const Json& document) {
  if (!document.is_object()) Bad("top level", "an object is expected");
  OnlyKeys(document, {"format", "version", "user", "settings", "layout", "schemes"}, "top level");
  if (Field(document, "format", "top level") != kFormat) Bad("format", std::string("'") + kFormat + "' is expected");
  const Json& version = Field(document, "version", "top level");
  if (version != kDocumentVersion) {
    Bad("version", version.dump() + " is not supported (this prefdesk-host reads version " +
                       std::to_string(kDocumentVersion) + ")");
  }
  PreferenceRows rows;
  CheckSettings(Field(document, "settings", "top level"), rows);
  if (!rows.settings_columns.empty()) rows.settings_values = SqlInt(user) + rows.settings_values;

  const Catalogue catalogue(dc);
  std::set<std::string> queries;
  ForEachRow(dc, std::string("SELECT F_QUERYID FROM ") + schema::T_PQUERY + " WHERE " + UserCondition(user),
             [&](const ado::Recordset& rs) { queries.insert(automation::CStr(rs["F_QUERYID"])); });

  const Json& layout = Field(document, "layout", "top level");
  OnlyKeys(layout, {"titles", "lists"}, "layout");
  const Json& titles = Field(layout, "titles", "layout");
  const Json& lists = Field(layout, "lists", "layout");
  if (!titles.is_array() || !lists.is_array()) Bad("layout", "titles and lists are arrays");
  std::set<int32_t> seen_titles;
  for (size_t i = 0; i < titles.size(); ++i) {
    const std::string where = "layout title " + std::to_string(i + 1);
    OnlyKeys(titles[i], {"name", "position", "visible", "primary"}, where);
    const std::string name = Name(Field(titles[i], "name", where), where + " name");
    const auto id = catalogue.title_ids.find(name);
    if (id == catalogue.title_ids.end()) Bad(where, "unknown title '" + name + "'");
    if (!seen_titles.insert(id->second).second) Bad(where, "title '" + name + "' appears twice");
    rows.titles.push_back(SqlInt(user) + "," + SqlInt(id->second) + "," +
                          WholeLiteral(Field(titles[i], "position", where), where + " position") + "," +
                          FlagLiteral(Field(titles[i], "visible", where), where + " visible") + "," +
                          FlagLiteral(Field(titles[i], "primary", where), where + " primary"));
  }
  std::set<int32_t> seen_lists;
  std::map<int32_t, int32_t> parents;  // list id -> parent list id, second-level lists only
  for (size_t i = 0; i < lists.size(); ++i) {
    const Json& list = lists[i];
    const std::string where = "layout list " + std::to_string(i + 1);
    OnlyKeys(list, {"title", "name", "parent", "position", "visible", "default_visible", "primary", "default_query"}, where);
    const std::string title = Name(Field(list, "title", where), where + " title");
    const auto title_id = catalogue.title_ids.find(title);
    if (title_id == catalogue.title_ids.end()) Bad(where, "unknown title '" + title + "'");
    const std::string name = Name(Field(list, "name", where), where + " name");
    const auto id = catalogue.list_ids.find({title_id->second, name});
    if (id == catalogue.list_ids.end()) Bad(where, "unknown list '" + name + "' of title '" + title + "'");
    if (!seen_lists.insert(id->second).second) Bad(where, "list '" + name + "' appears twice");
    std::string parent = SqlInt(0);  // a first-level list, as the dialog writes it
    if (const Json& given = Field(list, "parent", where); !given.is_null()) {
      const std::string parent_name = Name(given, where + " parent");
      const auto parent_id = catalogue.list_ids.find({title_id->second, parent_name});
      if (parent_id == catalogue.list_ids.end()) Bad(where, "unknown parent list '" + parent_name + "' of title '" + title + "'");
      parent = SqlInt(parent_id->second);
      parents[id->second] = parent_id->second;
    }
    std::string query = SqlNull();
    if (const Json& given = Field(list, "default_query", where); !given.is_null()) {
      const std::string id_text = Name(given, where + " default_query");
      if (!queries.count(id_text)) Bad(where, "default query '" + id_text + "' is not a saved query of user " + std::to_string(user));
      query = storage::SqlText(id_text);
    }
    rows.lists.push_back(SqlInt(user) + "," + SqlInt(id->second) + "," + SqlInt(title_id->second) + "," + parent + "," +
                         WholeLiteral(Field(list, "position", where), where + " position") + "," +
                         FlagLiteral(Field(list, "visible", where), where + " visible") + "," +
                         FlagLiteral(Field(list, "default_visible", where), where + " default_visible") + "," +
                         FlagLiteral(Field(list, "primary", where), where + " primary") + "," + query);
  }

  CheckNoParentCycle(catalogue, parents);

  const Json& schemes = Field(document, "schemes", "top level");
  if (!schemes.is_array()) Bad("schemes", "an array is expected");
  const auto columns = SchemeValueColumns();
  std::set<std::string> seen_schemes;
  for (size_t i = 0; i < schemes.size(); ++i) {
    const std::string where = "scheme " + std::to_string(i + 1);
    OnlyKeys(schemes[i], {"name", "values"}, where);
    const std::string name = Name(Field(schemes[i], "name", where), where + " name");
    if (name.size() > kNameLength) Bad(where, "a scheme name has at most 50 characters");
    if (!seen_schemes.insert(name).second) Bad(where, "scheme '" + name + "' appears twice");
    const Json& values = Field(schemes[i], "values", where);
    if (!values.is_object()) Bad(where, "values is an object");
    std::string literals = SqlInt(user) + "," + storage::SqlText(name);
    for (const auto& [key, value] : values.items()) {
      if (std::none_of(columns.begin(), columns.end(), [&](const auto& c) { return c.name == key; })) {
        Bad(where, "unknown appearance value '" + key + "'");
      }
    }
    for (const auto& column : columns) {
      const std::string key(column.name);
      const auto found = values.find(key);
      const Json value = found == values.end() ? Json() : *found;
      const std::string at = where + " " + key;
      if (value.is_null()) {
        literals += "," + SqlNull();
      } else if (column.type == "Long") {
        literals += "," + WholeLiteral(value, at);
      } else if (column.type == "Boolean") {
        literals += "," + FlagLiteral(value, at);
      } else if (column.type == "Single") {
        if (!value.is_number()) Bad(at, "a number or null is expected, not " + value.dump());
        literals += "," + storage::SqlNumber(value.get<double>());
      } else {
        if (!value.is_string()) Bad(at, "a text or null is expected, not " + value.dump());
        literals += "," + storage::SqlText(value.get<std::string>());
      }
    }
    rows.schemes.push_back(literals);
  }
  return rows;
}

void WritePreferences(storage::DataCenter& dc, int16_t user, const PreferenceRows& rows) {
  RemoveStored(dc, user, kKindAll);
  if (!rows.settings_columns.empty()) InsertRow(dc, schema::T_PMISC, rows.settings_columns, rows.settings_values);
  for (const std::string& values : rows.titles) {
    InsertRow(dc, schema::T_PHBUTTON, schema::layout::kTitleColumns, values);
  }
  for (const std::string& values : rows.lists) InsertRow(dc, schema::T_PVBUTTON, kListColumns, values);
  std::string scheme_columns = schema::scheme::kKeyColumns;
  for (const auto& column : SchemeValueColumns()) scheme_columns += "," + std::string(column.name);
  for (const std::string& values : rows.schemes) InsertRow(dc, schema::T_PSCREENSTYLE, scheme_columns, values);
}

}  // namespace prefdesk::cli
