#include "src/storage/frm_show_infor.h"

#include <memory>

namespace prefdesk::storage {

namespace {
thread_local std::shared_ptr<FrmShowInfor> instance;
constexpr int kMargin = 8;
}  // namespace

FrmShowInfor::FrmShowInfor() : MessageWindow("FrmShowInfor", kMargin) {
  OnUnload = [] { instance.reset(); };
}

FrmShowInfor& FrmShowInfor::Instance() {
  if (!instance) instance = std::make_shared<FrmShowInfor>();
  return *instance;
}

bool FrmShowInfor::HasInstance() { return instance != nullptr; }

}  // namespace prefdesk::storage
