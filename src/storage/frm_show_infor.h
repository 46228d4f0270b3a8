// FrmShowInfor: the information window for messages reported with number 0. Its caption is
// the reporting routine, Txt_ErrDescription the message. One shared instance per thread,
// created on first use and released when the window unloads.
#pragma once

#include "src/storage/message_window.h"

namespace prefdesk::storage {

class FrmShowInfor : public MessageWindow {
 public:
  FrmShowInfor();

  // The shared instance, created when there is none.
  static FrmShowInfor& Instance();
  static bool HasInstance();
};

}  // namespace prefdesk::storage
