#include "host/datacenter/statement_trace.h"

#include <sqlite3.h>

#include <stdexcept>

namespace prefdesk::datacenter {
namespace {

struct TraceSink {
  std::string file;  // canonical path of the watched database; empty when no capture runs
  std::vector<std::string> statements;
};

TraceSink& Sink() {
  static TraceSink sink;
  return sink;
}

int OnTrace(unsigned type, void*, void* p, void* x) {
  TraceSink& sink = Sink();
  if (type != SQLITE_TRACE_STMT || sink.file.empty()) return 0;
  // Statements of triggers are reported with a leading comment; they are part of their caller.
  const char* text = static_cast<const char*>(x);
  if (text != nullptr && text[0] == '-' && text[1] == '-') return 0;
  auto* stmt = static_cast<sqlite3_stmt*>(p);
  const char* file = sqlite3_db_filename(sqlite3_db_handle(stmt), "main");
  if (file == nullptr || sink.file != file) return 0;
  char* expanded = sqlite3_expanded_sql(stmt);
  sink.statements.emplace_back(expanded != nullptr ? expanded : sqlite3_sql(stmt));
  sqlite3_free(expanded);
  return 0;
}

int TraceEveryConnection(sqlite3* db, const char**, const sqlite3_api_routines*) {
  sqlite3_trace_v2(db, SQLITE_TRACE_STMT, OnTrace, nullptr);
  return SQLITE_OK;
}

}  // namespace

void InstallLocalTrace() {
  sqlite3_auto_extension(reinterpret_cast<void (*)()>(&TraceEveryConnection));
}

LocalCapture::LocalCapture(const std::filesystem::path& local_file) {
  TraceSink& sink = Sink();
  if (!sink.file.empty()) throw std::logic_error("a local capture is already running");
  sink.file = std::filesystem::canonical(local_file).string();
  sink.statements.clear();
}

LocalCapture::~LocalCapture() { Sink().file.clear(); }

std::vector<std::string> LocalCapture::Take() { return std::move(Sink().statements); }

}  // namespace prefdesk::datacenter
