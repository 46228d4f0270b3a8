#include "src/settings/default_errors.h"

#include "platform/automation/error.h"
#include "src/resources/strings.h"
#include "src/storage/show_err.h"

namespace prefdesk::settings {

void RaiseRecordNotFound(const std::string& source) {
  automation::Raise(storage::kErrRecordNotFound, source, resources::LoadResString(2026));
}

void RaiseInvalidValue(const std::string& source) {
  automation::Raise(storage::kErrInvalidValue, source, resources::LoadResString(2023));
}

}  // namespace prefdesk::settings
