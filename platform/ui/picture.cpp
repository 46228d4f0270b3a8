#include "platform/ui/picture.h"

#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"
#include "platform/ui/toolkit.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::Variant;

Picture::Picture(std::string source, int type, int width, int height)
    : source_(std::move(source)), handle_(Toolkit::NewHandle()), type_(type), width_(width), height_(height) {
  members::Get(members_, "Handle", "Long", [this] { return Variant(static_cast<int32_t>(handle_)); });
  members::Get(members_, "Type", "Integer", [this] { return Variant(static_cast<int16_t>(type_)); });
  members::Get(members_, "Width", "Long", [this] { return Variant(static_cast<int32_t>(width_)); });
  members::Get(members_, "Height", "Long", [this] { return Variant(static_cast<int32_t>(height_)); });
}

std::shared_ptr<Picture> PictureFrom(const Variant& value) {
  if (value.IsEmpty()) return nullptr;
  if (const automation::ObjectRef* object = value.Get<automation::ObjectRef>(); object != nullptr) {
    if (*object == nullptr) return nullptr;
    if (auto picture = std::dynamic_pointer_cast<Picture>(*object)) return picture;
  }
  automation::Raise(automation::kErrTypeMismatch, "Picture", "Type mismatch");
}

}  // namespace prefdesk::ui
