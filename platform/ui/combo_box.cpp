#include "platform/ui/combo_box.h"

#include "platform/automation/conversions.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::Variant;

ComboBox::ComboBox(std::string name) : ListControl(ControlKind::ComboBox, std::move(name)) {
  members::Property(Table(), "Text", "String", [this] { return Variant(Text()); },
                    [this](const Variant& v) { SetText(automation::CStr(v)); });
}

void ComboBox::SetText(const std::string& text) {
  for (int i = 0; i < ListCount(); ++i) {
    if (Items()[i].text == text) {
      SetListIndex(i);
      return;
    }
  }
  SetListIndex(-1);
}

}  // namespace prefdesk::ui
