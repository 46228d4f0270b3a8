#include "src/storage/frm_show_err.h"

namespace prefdesk::storage {

namespace {
thread_local std::shared_ptr<FrmShowErr> instance;
constexpr int kMargin = 8;
constexpr int kTitleHeight = 24;
}  // namespace

FrmShowErr::FrmShowErr() : MessageWindow("FrmShowErr", 2 * kMargin + kTitleHeight) {
  title_ = Add<ui::TextBox>("Txt_Title");
  title_->SetLocked(true);
  title_->SetBounds({kMargin, kMargin, Bounds().width - 2 * kMargin, kTitleHeight});
  OnUnload = [] { instance.reset(); };
}

FrmShowErr& FrmShowErr::Instance() {
  if (!instance) instance = std::make_shared<FrmShowErr>();
  return *instance;
}

bool FrmShowErr::HasInstance() { return instance != nullptr; }

}  // namespace prefdesk::storage
