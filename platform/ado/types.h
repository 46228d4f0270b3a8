// ADO constants the component uses.
#pragma once

namespace prefdesk::ado {

enum DataTypeEnum : int {
  adSmallInt = 2,
  adInteger = 3,
  adSingle = 4,
  adDouble = 5,
  adCurrency = 6,
  adDate = 7,
  adBSTR = 8,
  adBoolean = 11,
  adVarWChar = 202,
};

enum CursorTypeEnum : int { adOpenUnspecified = -1, adOpenForwardOnly = 0, adOpenStatic = 3 };
enum LockTypeEnum : int { adLockUnspecified = -1, adLockReadOnly = 1 };
enum CursorLocationEnum : int { adUseServer = 2, adUseClient = 3 };
enum CommandTypeEnum : int { adCmdUnspecified = -1, adCmdText = 1, adCmdTable = 2 };
enum ObjectStateEnum : int { adStateClosed = 0, adStateOpen = 1 };

// Error numbers raised by the data layer.
inline constexpr int kErrItemNotFound = 3265;        // "Item cannot be found in the collection..."
inline constexpr int kErrOperationNotAllowed = 3704; // operation on a closed record set
inline constexpr int kErrNoCurrentRecord = 3021;     // BOF or EOF is true
inline constexpr int kErrProvider = -2147467259;     // the engine reported an error (0x80004005)
inline constexpr int kErrBadFilter = 3001;           // arguments of the wrong type or in conflict
inline constexpr int kErrNotAllowedInContext = 3219; // e.g. Fields.Append on an open record set
inline constexpr int kErrObjectInCollection = 3367;  // a field of that name is already appended
inline constexpr int kErrObjectOpen = 3705;          // Open on an object that is already open
inline constexpr int kErrConnectionUnusable = 3709;  // no connection, or a closed one

}  // namespace prefdesk::ado
