// The two printed forms of the bar: an indented text tree and JSON.
#include <cstdio>
#include <string_view>

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

void AppendJsonText(std::string& out, std::string_view text) {
  out += '"';
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

void AppendJsonMember(std::string& out, std::string_view key, std::string_view text) {
  AppendJsonText(out, key);
  out += ':';
  AppendJsonText(out, text);
}

void AppendJsonMember(std::string& out, std::string_view key, bool value) {
  AppendJsonText(out, key);
  out += value ? ":true" : ":false";
}

void AppendJsonList(std::string& out, const ColumnsBarList& list) {
  out += '{';
  AppendJsonMember(out, "name", list.Name());
  out += ',';
  AppendJsonMember(out, "caption", list.Caption());
  out += ',';
  AppendJsonMember(out, "visible", list.Visible());
  out += ',';
  AppendJsonMember(out, "default_visible", list.DefaultVisible());
  out += ",\"lists\":[";
  for (size_t i = 0; i < list.Lists().size(); ++i) {
    if (i > 0) out += ',';
    AppendJsonList(out, *list.Lists()[i]);
  }
  out += "]}";
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
  std::string out = "{\"titles\":[";
  for (size_t i = 0; i < titles_.size(); ++i) {
    const ColumnsBarTitle& title = *titles_[i];
    if (i > 0) out += ',';
    out += '{';
    AppendJsonMember(out, "name", title.Name());
    out += ',';
    AppendJsonMember(out, "caption", title.Caption());
    out += ',';
    AppendJsonMember(out, "visible", title.Visible());
    out += ',';
    AppendJsonMember(out, "tag", title.Tag());
    out += ",\"default_list\":";
    if (title.DefaultList().empty()) {
      out += "null";
    } else {
      AppendJsonText(out, title.DefaultList());
    }
    out += ",\"lists\":[";
    for (size_t j = 0; j < title.Lists().size(); ++j) {
      if (j > 0) out += ',';
      AppendJsonList(out, *title.Lists()[j]);
    }
    out += "]}";
  }
  out += "]}";
  return out;
}

}  // namespace prefdesk::columnsbar
