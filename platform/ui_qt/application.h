// The QApplication of a program that shows real windows. When Qt cannot open a window system
// (no display, or one that does not answer) it prints several lines of its own and aborts;
// here the program ends instead with `exit_code` and the one line on stderr that
// `failure_line(reason)` makes of Qt's reason. Qt's messages while the application opens are
// held back until it is open, then passed on.
#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <string>

namespace prefdesk::ui_qt {

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv,
                                              std::function<std::string(const std::string& reason)> failure_line,
                                              int exit_code);

}  // namespace prefdesk::ui_qt
