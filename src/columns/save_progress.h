// The progress display the layout writer advances once per record. The options dialog
// registers the provider of its progress window; without one, progress goes nowhere.
#pragma once

#include <functional>
#include <string>

namespace prefdesk::columns {

class SaveProgressSink {
 public:
  virtual ~SaveProgressSink() = default;
  // Advances the display by one step and shows text as the step's caption.
  virtual void ProgressNext(const std::string& text) = 0;
};

// Returns the sink to advance, creating the progress window first when it does not exist.
using SaveProgressProvider = std::function<SaveProgressSink&()>;

// Registers the provider for the calling thread; an empty provider restores the default.
void SetSaveProgressProvider(SaveProgressProvider provider);

// The calling thread's sink: the registered provider's, else one that does nothing.
SaveProgressSink& SaveProgress();

}  // namespace prefdesk::columns
