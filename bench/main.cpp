// The benchmark program: the statement trace goes on before any database is opened, and the
// windows run on the headless front end. With $PREFDESK_BENCH_DATABASES naming a folder it
// only writes the databases of both scales there.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/bench_env.h"
#include "host/datacenter/statement_trace.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/toolkit.h"
#include "src/dialog/register_dialog.h"
#include "src/resources/strings.h"

int main(int argc, char** argv) {
  prefdesk::datacenter::InstallLocalTrace();
  prefdesk::ui::Toolkit::Current().SetFrontEnd(std::make_shared<prefdesk::ui::HeadlessDriver>());
  prefdesk::resources::SetInterfaceLanguage(1033);
  prefdesk::dialog::RegisterOptionDialog();
  if (const char* folder = std::getenv("PREFDESK_BENCH_DATABASES")) {
    prefdesk::bench::WriteDatabases(folder);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
