// The options window as the component drives it. The dialog library implements OptionDialog
// and registers its creation in the thread's DialogHooks; the component keeps the thread's single instance in its shared
// state. A held instance always has its window loaded: the dialog calls ReleaseOptionDialog
// when its window unloads, so a later access creates and loads a fresh one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/automation/variant.h"
#include "platform/ui/picture.h"

namespace prefdesk::state {

class OptionDialog {
 public:
  virtual ~OptionDialog() = default;

  // Loads the window; its load step puts the captions from the string table.
  virtual void Load() = 0;
  // Runs the tab loaders in order; true when one of them failed (already shown to the user).
  [[nodiscard]] virtual bool LoadMe() = 0;
  // Shows the window modally (modal flag 1, no owner); returns when the window has closed.
  virtual void ShowModal() = 0;
  virtual void Unload() = 0;

  // The window and its controls, whose fonts are set by property name.
  virtual automation::ObjectRef Window() = 0;
  virtual std::vector<automation::ObjectRef> Controls() = 0;

  // The window's icon, or none.
  virtual std::shared_ptr<ui::Picture> Icon() = 0;
  virtual void SetIcon(std::shared_ptr<ui::Picture> picture) = 0;

  virtual std::string FontName() = 0;
  virtual float FontSize() = 0;
};

// The thread's dialog; when there is none, creates one through the thread's hook, loads its
// window and keeps it. Raises 429 when no hook is registered; a failing load reaches the caller
// and keeps nothing.
std::shared_ptr<OptionDialog> LoadedOptionDialog();

// Releases the thread's dialog instance, if any.
void ReleaseOptionDialog();

}  // namespace prefdesk::state
