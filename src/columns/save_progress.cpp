#include "src/columns/save_progress.h"

#include <utility>

namespace prefdesk::columns {
namespace {

class SilentProgress : public SaveProgressSink {
 public:
  void ProgressNext(const std::string&) override {}
};

thread_local SaveProgressProvider provider;

}  // namespace

void SetSaveProgressProvider(SaveProgressProvider new_provider) {
  provider = std::move(new_provider);
}

SaveProgressSink& SaveProgress() {
  if (provider) return provider();
  thread_local SilentProgress silent;
  return silent;
}

}  // namespace prefdesk::columns
