#include "src/state/save_progress.h"

#include "src/state/dialog_hooks.h"

namespace prefdesk::state {
namespace {

class SilentProgress : public SaveProgressSink {
 public:
  void ProgressNext(const std::string&) override {}
};

}  // namespace

SaveProgressSink& SaveProgress() {
  const auto& hook = state::Hooks().save_progress;
  if (hook) return hook();
  thread_local SilentProgress silent;
  return silent;
}

}  // namespace prefdesk::state
