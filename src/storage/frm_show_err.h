// FrmShowErr: the error window. Its caption is the failing routine, Txt_Title the error line
// (string 1 and the number), Txt_ErrDescription the description. One shared instance per
// thread, created on first use and released when the window unloads.
#pragma once

#include <memory>

#include "platform/ui/text_box.h"
#include "src/storage/message_window.h"

namespace prefdesk::storage {

class FrmShowErr : public MessageWindow {
 public:
  FrmShowErr();

  // The shared instance, created when there is none.
  static FrmShowErr& Instance();
  static bool HasInstance();

  ui::TextBox& Txt_Title() const { return *title_; }

 private:
  std::shared_ptr<ui::TextBox> title_;
};

}  // namespace prefdesk::storage
