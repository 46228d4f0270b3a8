// The Appearance tab of the options window: the appearance preview (Appearance1) and the
// scheme chooser with its values (AppearanceValueSet1). The tab starts with the user's
// current appearance; choosing, saving as and deleting schemes work on the dialog's scheme
// object, and nothing reaches the component's appearance values until SaveAppearanceValue.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/appearancelib/appearance_control.h"
#include "platform/appearancelib/appearance_object.h"
#include "platform/appearancelib/appearance_value_set.h"
#include "platform/appearancelib/scheme.h"
#include "platform/appearancelib/scheme_collection.h"

namespace prefdesk::ui { class Window; }

namespace prefdesk::appearance {

struct AppearanceTabControls {
  ui::Window* form = nullptr;  // its mouse pointer shows the hourglass during commands
  appearancelib::Appearance* Appearance1 = nullptr;
  appearancelib::AppearanceValueSet* AppearanceValueSet1 = nullptr;
};

class AppearanceTab {
 public:
  // Answers the events of AppearanceValueSet1 from now on.
  explicit AppearanceTab(const AppearanceTabControls& controls);
  // Stops answering, releases the tab's objects and clears both controls' CurrentScheme and
  // AppearanceObject.
  ~AppearanceTab();
  AppearanceTab(const AppearanceTab&) = delete;
  AppearanceTab& operator=(const AppearanceTab&) = delete;

  // The tab's loader: fonts, the scheme of the current appearance, the appearance object on
  // the local database and the list of system schemes. True on failure (already shown).
  [[nodiscard]] bool LoadAppearanceTab();
  // The component's 45 appearance values from the dialog's scheme object.
  void SaveAppearanceValue();
  // The dialog's scheme as the user's 'Default' row. True on failure (shown, rolled back).
  [[nodiscard]] bool SaveToDefaultScheme();

  // Answers of the value set's events.
  void SchemeCommand(const std::string& command);
  void ErrorOccurred(const std::string& source, int32_t number, const std::string& description);
  void MessageShown(const std::string& source, const std::string& message);
  // Deletes the selected user scheme after asking, then lists the user schemes again.
  void DeleteScheme();

  const appearancelib::SchemeRef& Scheme() const { return scheme_; }
  const appearancelib::SchemeCollectionRef& SystemSchemes() const { return system_schemes_; }
  // 0 while system schemes are listed, 1 while user schemes are.
  int32_t SchemeListKind() const { return scheme_list_kind_; }

 private:
  void ShowSchemes(bool user_schemes);
  void ChooseScheme();
  void ChooseUserScheme(const std::string& name);
  void ChooseSystemScheme(const std::string& name);
  void GiveControlsTheScheme();

  AppearanceTabControls controls_;
  int advise_cookie_ = 0;
  appearancelib::AppearanceObjectRef appearance_object_;
  appearancelib::SchemeRef scheme_;
  appearancelib::SchemeCollectionRef system_schemes_;
  int32_t scheme_list_kind_ = 0;
};

}  // namespace prefdesk::appearance
