#include "platform/ado/errors.h"

#include "platform/ado/types.h"
#include "platform/automation/error.h"

namespace prefdesk::ado {

void RaiseClosed(const char* source) {
  automation::Raise(kErrOperationNotAllowed, source,
                    "Operation is not allowed when the object is closed.");
}

void RaiseNoCurrentRecord() {
  automation::Raise(kErrNoCurrentRecord, kRecordsetSource,
                    "Either BOF or EOF is True, or the current record has been deleted. "
                    "Requested operation requires a current record.");
}

void RaiseItemNotFound(const std::string& name) {
  automation::Raise(kErrItemNotFound, kFieldsSource,
                    "Item cannot be found in the collection corresponding to the requested "
                    "name or ordinal: " + name + ".");
}

void RaiseArgument(const char* source, const std::string& description) {
  automation::Raise(kErrBadFilter, source, description);
}

}  // namespace prefdesk::ado
