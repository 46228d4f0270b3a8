// The common-controls progress bar; fontless. Value must lie in Min..Max: a put outside raises
// 380 (callers clamp). Min must stay below Max (380 otherwise); a Value left outside the new
// range by a put of Min or Max is moved to the nearer end.
// Members by name: Min, Max, Value (get/put, single-precision).
#pragma once

#include <string>

#include "platform/ui/control.h"
#include "platform/ui/errors.h"

namespace prefdesk::ui {

class ProgressBar : public Control {
 public:
  explicit ProgressBar(std::string name);
  std::string ClassName() const override { return "ProgressBar"; }

  float Min() const { return min_; }
  void SetMin(float min);
  float Max() const { return max_; }
  void SetMax(float max);
  float Value() const { return value_; }
  void SetValue(float value);

 private:
  float min_ = 0.0f;
  float max_ = 100.0f;
  float value_ = 0.0f;
};

}  // namespace prefdesk::ui
