// Filter on the layout record sets the Column tab refills from: one filter set, its rows
// walked and the filter cleared, for each title (and first-level list) in turn.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_env.h"
#include "bench/side_by_side.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/frm_option.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::bench {
namespace {

std::string Name(const ado::Recordset& rs, const char* field) {
  const automation::Variant& value = rs[field];
  return value.IsEmptyOrNull() ? std::string() : automation::CStr(value);
}

// The layout record sets of the saved user, as LoadMe leaves them.
struct LoadedLayout {
  explicit LoadedLayout(benchmark::State& state) {
    BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
    env.Use(kSavedUser);
    window = std::make_shared<dialog::FrmOption>();
    window->Load();
    if (window->LoadMe()) state.SkipWithError("LoadMe failed");
  }
  ~LoadedLayout() { window->Unload(); }
  std::shared_ptr<dialog::FrmOption> window;
};

// Each distinct value of the fields, in record set order.
std::vector<std::string> Conditions(ado::Recordset& rs, const char* first, const char* second) {
  std::vector<std::string> conditions;
  std::string last;
  for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
    std::string condition = std::string(first) + "=" + storage::SqlText(Name(rs, first));
    if (second != nullptr) {
      const std::string value = Name(rs, second);
      if (value.empty()) continue;
      condition += " And " + std::string(second) + "=" + storage::SqlText(value);
    }
    if (condition != last) conditions.push_back(condition);
    last = std::move(condition);
  }
  return conditions;
}

void RunFilters(benchmark::State& state, ado::Recordset& rs, const std::vector<std::string>& filters,
                const char* read_field) {
  size_t next = 0;
  long rows = 0;
  TimeAlone(state, {}, [&] {
    next = (next + 1) % filters.size();
    rs.SetFilter(filters[next]);
    for (; !rs.IsEOF(); rs.MoveNext()) rows += !rs[read_field].IsNull();
    rs.SetFilter("");
  });
  benchmark::DoNotOptimize(rows);
  state.counters["rows"] = rs.RecordCount();
}

void FilterTitleLists(benchmark::State& state) {
  LoadedLayout layout(state);
  ado::Recordset& rs = *layout.window->Columns().TitleLists();
  std::vector<std::string> filters = Conditions(rs, "TitleName", nullptr);
  for (std::string& filter : filters) filter += " And DefaultVisible = TRUE";
  RunFilters(state, rs, filters, "ListName");
}

void FilterListSons(benchmark::State& state) {
  LoadedLayout layout(state);
  ado::Recordset& rs = *layout.window->Columns().ListSons();
  RunFilters(state, rs, Conditions(rs, "TitleName", "ListName"), "ListSonName");
}

BENCHMARK(FilterTitleLists)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(FilterListSons)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace prefdesk::bench
