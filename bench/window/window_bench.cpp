// Time to window: from ShowOption until the options window is on screen and painted (the
// offscreen Qt platform), beside the same ShowOption on the headless driver (the load alone)
// and the options window shown without its content (the fixed cost of Qt: the widgets of every
// control, their captions, the placement). The three run in turn within each iteration, the
// order rotating, so that they see the same machine.
//
// Counters (means, milliseconds): window_ms, headless_ms, empty_ms; goal_ms = 1.5 x headless
// + empty; of_goal = window / goal (at most 1 meets the goal).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <functional>
#include <memory>

#include "bench/bench_env.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/toolkit.h"
#include "platform/ui_qt/qt_front_end.h"
#include "src/dialog/frm_option.h"
#include "src/dialog/register_dialog.h"
#include "src/resources/strings.h"

namespace prefdesk::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point start, Clock::time_point end) {
  return std::chrono::duration<double, std::milli>(end - start).count();
}

// Runs `open` with the front end's shown hook noting when the window is up and painted, then
// closing it; returns the milliseconds from the call to that moment.
double ToWindow(ui_qt::QtFrontEnd& qt, const std::function<void()>& open) {
  Clock::time_point up;
  qt.SetShownHook([&](QWidget&, ui::Window* window) {
    QCoreApplication::processEvents();
    up = Clock::now();
    if (window != nullptr) window->UserClose();
  });
  ui::Toolkit::Current().SetFrontEnd(std::shared_ptr<ui_qt::QtFrontEnd>(&qt, [](auto*) {}));
  const Clock::time_point start = Clock::now();
  open();
  // The widgets of the closed window go before the next run.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return Ms(start, up);
}

double Headless(component::ClsPrefdesk& prefdesk) {
  ui::HeadlessDriver& driver = ui::Toolkit::Current().UseHeadless();
  Clock::time_point up;
  driver.SetScript("frmOption", [&](ui::Window& window) {
    up = Clock::now();
    window.UserClose();
  });
  const Clock::time_point start = Clock::now();
  prefdesk.ShowOption();
  return Ms(start, up);
}

void TimeToWindow(benchmark::State& state) {
  resources::SetInterfaceLanguage(resources::kLangEnglish);
  dialog::RegisterOptionDialog();
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  component::ClsPrefdesk& prefdesk = env.Use(kSavedUser);
  ui_qt::QtFrontEnd qt;
  const std::function<double()> runs[] = {
      [&] { return ToWindow(qt, [&] { prefdesk.ShowOption(); }); },
      [&] { return Headless(prefdesk); },
      [&] { return ToWindow(qt, [] { std::make_shared<dialog::FrmOption>()->ShowModal(); }); },
  };
  double totals[3] = {};
  int turn = 0;
  for (auto _ : state) {
    double times[3];
    for (int k = 0; k < 3; ++k) {
      const int which = (turn + k) % 3;
      times[which] = runs[which]();
    }
    turn = (turn + 1) % 3;
    for (int k = 0; k < 3; ++k) totals[k] += times[k];
    state.SetIterationTime(times[0] / 1000);
  }
  ui::Toolkit::Current().SetFrontEnd(nullptr);
  const double n = static_cast<double>(state.iterations());
  const double window = totals[0] / n, headless = totals[1] / n, empty = totals[2] / n;
  state.counters["window_ms"] = window;
  state.counters["headless_ms"] = headless;
  state.counters["empty_ms"] = empty;
  state.counters["goal_ms"] = 1.5 * headless + empty;
  state.counters["of_goal"] = window / (1.5 * headless + empty);
  state.counters["titles"] = env.Scale() * 12;
}

BENCHMARK(TimeToWindow)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace prefdesk::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
