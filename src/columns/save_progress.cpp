#include "src/columns/save_progress.h"

#include "src/component/dialog_hooks.h"

namespace prefdesk::columns {
namespace {

class SilentProgress : public SaveProgressSink {
 public:
  void ProgressNext(const std::string&) override {}
};

}  // namespace

SaveProgressSink& SaveProgress() {
  const auto& hook = component::Hooks().save_progress;
  if (hook) return hook();
  thread_local SilentProgress silent;
  return silent;
}

}  // namespace prefdesk::columns
