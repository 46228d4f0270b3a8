#include "platform/ui_qt/real_windows.h"

#include <utility>

#include "platform/ui_qt/qt_front_end.h"

namespace prefdesk::ui_qt {

std::shared_ptr<ui::FrontEnd> MakeQtFrontEnd(LanguageSource language, ShownHook shown) {
  auto front_end = std::make_shared<QtFrontEnd>();
  front_end->SetLanguage(std::move(language));
  front_end->SetShownHook(std::move(shown));
  return front_end;
}

}  // namespace prefdesk::ui_qt
