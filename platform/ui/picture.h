// The standard picture object (window icons, picture boxes). The model keeps where the image
// comes from and its size; a renderer loads the image itself.
#pragma once

#include <memory>
#include <string>

#include "platform/automation/dispatch.h"
#include "platform/ui/services.h"

namespace prefdesk::ui {

inline constexpr int kPictureBitmap = 1;
inline constexpr int kPictureIcon = 3;

class Picture : public automation::Dispatch {
 public:
  // source: a file path or resource name the renderer can load; may be empty.
  explicit Picture(std::string source, int type = kPictureIcon, int width = 32, int height = 32);

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "StdPicture"; }

  const std::string& Source() const { return source_; }
  WindowHandle Handle() const { return handle_; }  // unique, nonzero
  int Type() const { return type_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  std::string source_;
  WindowHandle handle_;
  int type_;
  int width_;
  int height_;
  automation::MemberTable members_;
};

// The picture a value holds: nullptr for Empty or Nothing; raises 13 for anything else that
// is not a picture object.
std::shared_ptr<Picture> PictureFrom(const automation::Variant& value);

}  // namespace prefdesk::ui
