#include "src/appearance/appearance_tab.h"

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/window.h"
#include "src/appearance/scheme_rows.h"
#include "src/appearance/scheme_storage.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"
#include "src/storage/show_err.h"

namespace prefdesk::appearance {

using automation::CLng;
using automation::CStr;

AppearanceTab::AppearanceTab(const AppearanceTabControls& controls) : controls_(controls) {
  advise_cookie_ = controls_.AppearanceValueSet1->Advise([this](int32_t dispid, const automation::Arguments& args) {
    switch (dispid) {
      case appearancelib::kDispidSchemeCommand:
        SchemeCommand(CStr(args.at(0)));
        break;
      case appearancelib::kDispidErrorOccurred:
        ErrorOccurred(CStr(args.at(0)), CLng(args.at(1)), CStr(args.at(2)));
        break;
      case appearancelib::kDispidMessageShown:
        MessageShown(CStr(args.at(0)), CStr(args.at(1)));
        break;
      default:
        break;
    }
  });
}

AppearanceTab::~AppearanceTab() {
  controls_.AppearanceValueSet1->Unadvise(advise_cookie_);
  for (appearancelib::AppearanceControl* control :
       {static_cast<appearancelib::AppearanceControl*>(controls_.AppearanceValueSet1),
        static_cast<appearancelib::AppearanceControl*>(controls_.Appearance1)}) {
    control->SetCurrentScheme(nullptr);
    control->SetAppearanceObject(nullptr);
  }
}

bool AppearanceTab::LoadAppearanceTab() {
  try {
    const bool chinese = resources::IsChinese();
    appearancelib::AppearanceValueSet& value_set = *controls_.AppearanceValueSet1;
    appearancelib::Appearance& preview = *controls_.Appearance1;
    value_set.SetDefaultFontName(chinese ? "宋体" : "MS Scan Serif");
    value_set.SetDefaultFontSize(chinese ? 9 : 8);
    preview.SetDefaultFontName(chinese ? "宋体" : "MS Scan Serif");
    preview.SetDefaultFontSize(chinese ? 9 : 8);

    scheme_ = appearancelib::Scheme::Create();
    LoadAppearanceIntoScheme(*scheme_);

    appearance_object_ = appearancelib::AppearanceObject::Create();
    const auto& base_conn = state::State().BaseConn;
    if (!base_conn) automation::Raise(automation::kErrObjectRequired, "LoadAppearanceTab");
    if (appearance_object_->OpenConnection(base_conn->ConnectionString())) {
      int32_t number = ado::kErrConnectionUnusable;
      storage::ShowErr("LoadAppearanceTab", number,
                       "The local defaults database cannot be opened: " + base_conn->ConnectionString());
      return true;
    }
    value_set.SetAppearanceObject(appearance_object_);
    preview.SetAppearanceObject(appearance_object_);
    GiveControlsTheScheme();
    appearance_object_->Prepare();

    system_schemes_ = appearancelib::SchemeCollection::Create();
    if (GetDefaultSchemes(*system_schemes_)) return true;
    scheme_list_kind_ = 0;
    value_set.ShowDefaultSchemes(system_schemes_.get());
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

void AppearanceTab::GiveControlsTheScheme() {
  controls_.AppearanceValueSet1->SetCurrentScheme(scheme_);
  controls_.Appearance1->SetCurrentScheme(scheme_);
}

void AppearanceTab::SaveAppearanceValue() {
  if (!scheme_) automation::Raise(automation::kErrObjectRequired, "SaveAppearanceValue");
  StoreSchemeAsAppearance(*scheme_);
}

bool AppearanceTab::SaveToDefaultScheme() {
  try {
    return appearance::SaveToDefaultScheme(storage::Require(state::State().DataCenter, "SaveToDefaultScheme"),
                                           *controls_.AppearanceValueSet1);
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

void AppearanceTab::ErrorOccurred(const std::string& source, int32_t number, const std::string& description) {
  storage::ShowErr(source, number, description);
}

void AppearanceTab::MessageShown(const std::string& source, const std::string& message) {
  int32_t number = 0;
  storage::ShowErr(source, number, message);
}

}  // namespace prefdesk::appearance
