// How the PostgreSQL data service classifies and describes its failures. Every number is
// negative, so callers that test the sign see a failure; the kinds tell a broken connection,
// a transaction worth retrying and a commit whose outcome is unknown from an ordinary error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ado/types.h"

namespace prefdesk::datacenter {

enum class PgErrorKind {
  kNone,
  kStatement,         // the server refused the statement; the connection is fine
  kBrokenConnection,  // the connection is gone (or could not be made); the next call reconnects
  kRetryable,         // serialization failure or deadlock: the transaction may be run again
  kInDoubt,           // the connection died during COMMIT: the outcome is unknown, never retry
  kTimeout,           // no answer in time; the connection was dropped
  kDenied,            // the login may not do this: a row of another user, or no right
  kBusy,              // another save of the same user held its lock past the time-out
};

inline constexpr int32_t kErrPgStatement = ado::kErrProvider;
inline constexpr int32_t kErrPgBrokenConnection = static_cast<int32_t>(0x8004D001u);
inline constexpr int32_t kErrPgRetryable = static_cast<int32_t>(0x8004D002u);
inline constexpr int32_t kErrPgInDoubt = static_cast<int32_t>(0x8004D003u);
inline constexpr int32_t kErrPgTimeout = static_cast<int32_t>(0x8004D004u);
inline constexpr int32_t kErrPgDenied = static_cast<int32_t>(0x8004D005u);
inline constexpr int32_t kErrPgBusy = static_cast<int32_t>(0x8004D006u);

// sqlstate may be empty (libpq's own failures carry none). connection_alive is libpq's view
// after the call; during_commit is true while a COMMIT was under way.
PgErrorKind ClassifyPgError(std::string_view sqlstate, bool connection_alive, bool during_commit);

int32_t PgErrorNumber(PgErrorKind kind);

// The description: what happened and, for the special kinds, what it means for the caller,
// followed by "SQLSTATE xxxxx: " and the server's message when there is one.
std::string DescribePgError(PgErrorKind kind, std::string_view sqlstate, std::string_view message);

}  // namespace prefdesk::datacenter
