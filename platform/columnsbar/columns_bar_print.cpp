// The two printed forms of the bar: an indented text tree and JSON.
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/columnsbar/columns_bar.h"

namespace prefdesk::columnsbar {
namespace {

void AppendFlags(std::string& out, bool visible, bool is_default, bool default_visible) {
  std::string flags;
  auto add = [&flags](std::string_view flag) {
    if (!flags.empty()) flags += ", ";
    flags += flag;
  };
  if (!visible) add("hidden");
  if (is_default) add("default");
  if (!default_visible) add("not shown by default");
  if (!flags.empty()) out += " (" + flags + ")";
}

void AppendTextLine(std::string& out, int depth, const std::string& caption,
                    const std::string& name) {
  out.append(static_cast<size_t>(depth) * 2, ' ');
  out += caption + " [" + name + "]";
}

using Json = nlohmann::ordered_json;

Json ListJson(const ColumnsBarList& list) {
  Json lists = Json::array();
  for (const auto& son : list.Lists()) lists.push_back(ListJson(*son));
  return {{"name", list.Name()},
          {"caption", list.Caption()},
          {"visible", list.Visible()},
          {"default_visible", list.DefaultVisible()},
          {"lists", lists}};
}

}  // namespace

std::string ColumnsBar::ToText() const {
  std::string out;
  for (const auto& title : titles_) {
    AppendTextLine(out, 0, title->Caption(), title->Name());
    AppendFlags(out, title->Visible(), false, true);
    out += '\n';
    for (const auto& list : title->Lists()) {
      AppendTextLine(out, 1, list->Caption(), list->Name());
      AppendFlags(out, list->Visible(), list->Name() == title->DefaultList(),
                  list->DefaultVisible());
      out += '\n';
      for (const auto& son : list->Lists()) {
        AppendTextLine(out, 2, son->Caption(), son->Name());
        AppendFlags(out, son->Visible(), false, son->DefaultVisible());
        out += '\n';
      }
    }
  }
  return out;
}

std::string ColumnsBar::ToJson() const {
  Json titles = Json::array();
  for (const auto& title : titles_) {
    Json lists = Json::array();
    for (const auto& list : title->Lists()) lists.push_back(ListJson(*list));
    titles.push_back({{"name", title->Name()},
                      {"caption", title->Caption()},
                      {"visible", title->Visible()},
                      {"tag", title->Tag()},
                      {"default_list", title->DefaultList().empty() ? Json() : Json(title->DefaultList())},
                      {"lists", lists}});
  }
  return Json{{"titles", titles}}.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace prefdesk::columnsbar
