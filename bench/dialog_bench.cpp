// The options window: LoadMe for a new and for a saved user, the save of the full layout, and
// the refills of the Column tab's dependent lists.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_env.h"
#include "bench/side_by_side.h"
#include "platform/ui/check_list_box.h"
#include "src/state/shared_state.h"
#include "src/dialog/frm_option.h"
#include "src/dialog/frm_save_progress.h"

namespace prefdesk::bench {
namespace {

// One loaded options window at a time; a new one unloads the last.
class Window {
 public:
  ~Window() { Close(); }
  dialog::FrmOption& Open() {
    Close();
    window_ = std::make_shared<dialog::FrmOption>();
    window_->Load();
    return *window_;
  }
  dialog::FrmOption& Loaded(benchmark::State& state) {
    dialog::FrmOption& window = Open();
    if (window.LoadMe()) state.SkipWithError("LoadMe failed");
    return window;
  }
  void Close() {
    if (window_ && window_->IsLoaded()) window_->Unload();
    window_.reset();
  }
  dialog::FrmOption& operator*() { return *window_; }

 private:
  std::shared_ptr<dialog::FrmOption> window_;
};

void LoadMe(benchmark::State& state, int16_t user) {
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  env.Use(user);
  Window window;
  const auto floor = env.Capture([&](const storage::DataCenterRef&) { window.Loaded(state); });
  bool failed = false;
  SideBySide(state, [&] { window.Open(); }, [&] { failed |= (*window).LoadMe(); }, *floor);
  if (failed) state.SkipWithError("LoadMe failed");
}

void LoadMeNewUser(benchmark::State& state) { LoadMe(state, kNewUser); }
void LoadMeSavedUser(benchmark::State& state) { LoadMe(state, kSavedUser); }

// The whole save sequence with the full layout written (as for a layout that came from the
// local defaults), behind a loaded progress window.
void SaveFullLayout(benchmark::State& state) {
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  env.Use(kSaveUser);
  Window window;
  const auto prepare = [&] {
    window.Loaded(state);
    state::State().ColumnsFromLocalDefaults = true;
    dialog::FrmSaveProgress::Instance()->Load();
  };
  bool failed = false;
  const auto save = [&] { failed |= (*window).Save(); };
  prepare();
  const auto floor = env.Capture([&](const storage::DataCenterRef&) { save(); });
  SideBySide(state, prepare, save, *floor);
  if (failed) state.SkipWithError("Save failed");
}

// A click on each title in turn refills the first-level lists (and, through the first of
// them, the second-level lists).
void RefillFirstLevel(benchmark::State& state) {
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  env.Use(kSavedUser);
  Window window;
  auto& titles = window.Loaded(state).Get<ui::CheckListBox>("lstGrandFather");
  int next = 0;
  TimeAlone(state, {}, [&] {
    next = (next + 1) % titles.ListCount();
    titles.SetListIndex(next);
  });
  state.counters["items"] = titles.ListCount();
}

// A click on each first-level list of the largest title in turn refills the second-level lists.
void RefillSecondLevel(benchmark::State& state) {
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  env.Use(kSavedUser);
  Window window;
  dialog::FrmOption& form = window.Loaded(state);
  auto& titles = form.Get<ui::CheckListBox>("lstGrandFather");
  auto& lists = form.Get<ui::CheckListBox>("lstFather");
  int widest = 0, most = 0;
  for (int i = 0; i < titles.ListCount(); ++i) {
    titles.SetListIndex(i);
    if (lists.ListCount() > most) most = lists.ListCount(), widest = i;
  }
  titles.SetListIndex(widest);
  int next = 0;
  TimeAlone(state, {}, [&] {
    next = (next + 1) % lists.ListCount();
    lists.SetListIndex(next);
  });
  state.counters["items"] = lists.ListCount();
}

#define PREFDESK_DIALOG(name) \
  BENCHMARK(name)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMillisecond)

PREFDESK_DIALOG(LoadMeNewUser);
PREFDESK_DIALOG(LoadMeSavedUser);
PREFDESK_DIALOG(SaveFullLayout);
BENCHMARK(RefillFirstLevel)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(RefillSecondLevel)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace prefdesk::bench
