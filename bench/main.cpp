// The benchmark program: the statement trace goes on before any database is opened, and the
// windows run on the headless front end.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/statement_capture.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/toolkit.h"
#include "src/dialog/register_dialog.h"
#include "src/resources/strings.h"

int main(int argc, char** argv) {
  prefdesk::bench::InstallLocalTrace();
  prefdesk::ui::Toolkit::Current().SetFrontEnd(std::make_shared<prefdesk::ui::HeadlessDriver>());
  prefdesk::resources::SetInterfaceLanguage(1033);
  prefdesk::dialog::RegisterOptionDialog();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
