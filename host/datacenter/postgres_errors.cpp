#include "host/datacenter/postgres_errors.h"

namespace prefdesk::datacenter {
namespace {

// Class 08 (connection exception) and the shutdown states 57P01 to 57P03 end the session.
bool EndsSession(std::string_view sqlstate) {
  return sqlstate.starts_with("08") || sqlstate == "57P01" || sqlstate == "57P02" ||
         sqlstate == "57P03";
}

std::string_view Meaning(PgErrorKind kind) {
  switch (kind) {
    case PgErrorKind::kBrokenConnection:
      return "The connection to the database server is broken; the call was not carried out "
             "and the next call connects again.";
    case PgErrorKind::kRetryable:
      return "The transaction was rolled back by the server to resolve a conflict with "
             "another client; it may be run again.";
    case PgErrorKind::kInDoubt:
      return "The connection to the database server was lost during COMMIT: whether the "
             "transaction was committed is unknown, so the save may or may not have been "
             "stored. Check the data before repeating it.";
    case PgErrorKind::kTimeout:
      return "The database server did not answer in time; the connection was closed and the "
             "next call connects again.";
    case PgErrorKind::kDenied:
      return "The database server refused the statement: this login reaches only its own "
             "user's rows, and only the tables it was given the right to.";
    case PgErrorKind::kBusy:
      return "Another save of the same user's preferences is under way and did not end in "
             "time: the user's preferences are busy. Nothing was stored; save again when it "
             "has ended.";
    default:
      return {};
  }
}

}  // namespace

PgErrorKind ClassifyPgError(std::string_view sqlstate, bool connection_alive, bool during_commit) {
  if (!connection_alive || EndsSession(sqlstate)) {
    return during_commit ? PgErrorKind::kInDoubt : PgErrorKind::kBrokenConnection;
  }
  if (sqlstate == "40001" || sqlstate == "40P01") return PgErrorKind::kRetryable;
  if (sqlstate == "42501") return PgErrorKind::kDenied;
  return PgErrorKind::kStatement;
}

int32_t PgErrorNumber(PgErrorKind kind) {
  switch (kind) {
    case PgErrorKind::kNone:
      return 0;
    case PgErrorKind::kBrokenConnection:
      return kErrPgBrokenConnection;
    case PgErrorKind::kRetryable:
      return kErrPgRetryable;
    case PgErrorKind::kInDoubt:
      return kErrPgInDoubt;
    case PgErrorKind::kTimeout:
      return kErrPgTimeout;
    case PgErrorKind::kDenied:
      return kErrPgDenied;
    case PgErrorKind::kBusy:
      return kErrPgBusy;
    case PgErrorKind::kStatement:
      break;
  }
  return kErrPgStatement;
}

std::string DescribePgError(PgErrorKind kind, std::string_view sqlstate, std::string_view message) {
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) {
    message.remove_suffix(1);
  }
  std::string text(Meaning(kind));
  if (sqlstate.empty() && message.empty()) return text;
  if (!text.empty()) text += ' ';
  if (!sqlstate.empty()) {
    text += "SQLSTATE ";
    text += sqlstate;
    text += ": ";
  }
  text += message;
  return text;
}

}  // namespace prefdesk::datacenter
