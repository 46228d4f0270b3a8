#include "platform/ui_qt/application.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace prefdesk::ui_qt {
namespace {

struct HeldMessage {
  QtMsgType type;
  const char* category;  // Qt's categories are static texts
  QString text;
};

// What the application being opened needs while Qt reports through the message handler.
struct Opening {
  std::function<std::string(const std::string&)> failure_line;
  int exit_code = 1;
  std::vector<HeldMessage> held;
};
Opening* opening = nullptr;

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    opening->held.push_back({type, context.category, text});
    return;
  }
  // Qt cannot go on: its first complaint says why (say, "could not connect to display :5").
  const QString reason = opening->held.empty() ? text : opening->held.front().text;
  const std::string line = opening->failure_line(reason.toStdString());
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  std::_Exit(opening->exit_code);
}

}  // namespace

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv,
                                              std::function<std::string(const std::string& reason)> failure_line,
                                              int exit_code) {
  Opening state{std::move(failure_line), exit_code, {}};
  opening = &state;
  const QtMessageHandler previous = qInstallMessageHandler(Hold);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  opening = nullptr;
  for (const HeldMessage& message : state.held) {
    previous(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category), message.text);
  }
  return app;
}

}  // namespace prefdesk::ui_qt
