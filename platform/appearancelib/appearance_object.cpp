#include "platform/appearancelib/appearance_object.h"

#include <algorithm>

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::appearancelib {

namespace members = automation::members;

using automation::Arguments;
using automation::Variant;

namespace {

// Font-name columns: FontName..., and the pop-up form's FontPopNameFrom, with or without a
// language prefix.
bool IsFontNameColumn(const std::string& name) {
  const std::string upper = automation::UCase(name);
  return upper.find("FONTNAME") != std::string::npos || upper.find("FONTPOPNAME") != std::string::npos;
}

}  // namespace

AppearanceObject::AppearanceObject() {
  members::Method(members_, "OpenConnection", {automation::ParamInfo{"ConnectionString", "String"}},
                      "Boolean",
                      [this](Arguments& args) { return Variant(OpenConnection(automation::CStr(args[0]))); });
  members::Method(members_, "Prepare", {}, "", [this](Arguments&) {
    Prepare();
    return Variant();
  });
}

bool AppearanceObject::OpenConnection(const std::string& connection_string) {
  auto connection = ado::Connection::Create();
  try {
    connection->Open(connection_string);
  } catch (const automation::AutomationError&) {
    connection_.reset();
    return true;
  }
  connection_ = std::move(connection);
  return false;
}

void AppearanceObject::Prepare() {
  if (!connection_) automation::Raise(automation::kErrObjectRequired, "AppearanceObject.Prepare");
  const auto rs = connection_->Execute("SELECT * FROM DefaultScreenStyle");
  std::vector<std::string> fonts;
  const ado::Fields& fields = rs->GetFields();
  for (; !rs->IsEOF(); rs->MoveNext()) {
    for (int i = 0; i < fields.Count(); ++i) {
      const ado::Field field = fields.Item(i);
      if (!IsFontNameColumn(field.Name()) || field.Value().IsEmptyOrNull()) continue;
      const std::string font = automation::CStr(field.Value());
      if (!font.empty() && std::find(fonts.begin(), fonts.end(), font) == fonts.end()) fonts.push_back(font);
    }
  }
  rs->Close();
  font_choices_ = std::move(fonts);
}

}  // namespace prefdesk::appearancelib
