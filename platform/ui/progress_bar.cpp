#include "platform/ui/progress_bar.h"

#include <algorithm>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::CSng;
using automation::Variant;

ProgressBar::ProgressBar(std::string name) : Control(ControlKind::ProgressBar, std::move(name), false) {
  members::Property(Table(), "Min", "Single", [this] { return Variant(min_); },
                    [this](const Variant& v) { SetMin(CSng(v)); });
  members::Property(Table(), "Max", "Single", [this] { return Variant(max_); },
                    [this](const Variant& v) { SetMax(CSng(v)); });
  members::Property(Table(), "Value", "Single", [this] { return Variant(value_); },
                    [this](const Variant& v) { SetValue(CSng(v)); });
}

void ProgressBar::SetMin(float min) {
  if (min >= max_) automation::Raise(kErrInvalidPropertyValue, Name(), "Invalid property value");
  min_ = min;
  value_ = std::max(value_, min_);
  NotifyChanged(prop::kValue);
}

void ProgressBar::SetMax(float max) {
  if (max <= min_) automation::Raise(kErrInvalidPropertyValue, Name(), "Invalid property value");
  max_ = max;
  value_ = std::min(value_, max_);
  NotifyChanged(prop::kValue);
}

void ProgressBar::SetValue(float value) {
  if (value < min_ || value > max_) automation::Raise(kErrInvalidPropertyValue, Name(), "Invalid property value");
  if (value == value_) return;
  value_ = value;
  NotifyChanged(prop::kValue);
}

}  // namespace prefdesk::ui
