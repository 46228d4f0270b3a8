#include "src/storage/message_window.h"

#include "platform/ui/services.h"
#include "src/resources/strings.h"

namespace prefdesk::storage {

namespace {
constexpr int kWidth = 360;
constexpr int kMargin = 8;
constexpr int kDescriptionHeight = 112;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
}  // namespace

MessageWindow::MessageWindow(std::string name, int description_top) : ui::Window(std::move(name)) {
  description_ = Add<ui::TextBox>("Txt_ErrDescription");
  description_->SetMultiLine(true);
  description_->SetLocked(true);
  description_->SetBounds({kMargin, description_top, kWidth - 2 * kMargin, kDescriptionHeight});
  const int button_top = description_top + kDescriptionHeight + kMargin;
  ok_ = Add<ui::CommandButton>("CmdOk");
  ok_->SetDefault(true);
  ok_->SetCancel(true);
  ok_->SetBounds({(kWidth - kButtonWidth) / 2, button_top, kButtonWidth, kButtonHeight});
  SetBounds({0, 0, kWidth, button_top + kButtonHeight + kMargin});
  ok_->OnClick = [this] { Unload(); };
  OnLoad = [this] {
    ui::Beep();
    ok_->SetCaption(resources::LoadResString(600));
  };
}

void MessageWindow::AppendDescription(const std::string& text) {
  description_->SetText(description_->Text() + "\r\n" + text);
}

}  // namespace prefdesk::storage
