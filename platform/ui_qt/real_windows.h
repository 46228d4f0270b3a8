// The Qt 6 Widgets front end of the window toolkit, as a host program takes it: the options
// dialog, message boxes and input boxes in real windows. It needs the calling thread's
// QApplication (application.h opens one); make it current with
// ui::Toolkit::Current().SetFrontEnd(MakeQtFrontEnd(...)).
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/front_end.h"
#include "platform/ui/window.h"

class QWidget;

namespace prefdesk::ui_qt {

// Called once a modal window, message box or input box is on screen and its loop runs, with
// the model window (nullptr for message and input boxes). What a test or a demonstration does
// to the widgets, it does from here.
using ShownHook = std::function<void(QWidget& widget, ui::Window* window)>;

// The language of the buttons of message and input boxes, asked at each box: 2052 gives
// Simplified Chinese, anything else English. Empty: the system locale's. A host hands over its
// user's interface language.
using LanguageSource = std::function<int()>;

// Raises std::logic_error when there is no QApplication.
std::shared_ptr<ui::FrontEnd> MakeQtFrontEnd(LanguageSource language = {}, ShownHook shown = {});

}  // namespace prefdesk::ui_qt
