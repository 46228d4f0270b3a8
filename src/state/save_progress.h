// The progress display the layout writer advances once per record. The options dialog
// provides its progress window through the thread's DialogHooks; without it, progress goes
// nowhere.
#pragma once

#include <string>

namespace prefdesk::state {

class SaveProgressSink {
 public:
  virtual ~SaveProgressSink() = default;
  // Advances the display by one step and shows text as the step's caption.
  virtual void ProgressNext(const std::string& text) = 0;
};

// The calling thread's sink: the registered hook's, else one that does nothing.
SaveProgressSink& SaveProgress();

}  // namespace prefdesk::state
