#include "bench/scale/scale_operations.h"

#include <stdexcept>
#include <string>

#include "bench/bench_env.h"
#include "platform/columnsbar/columns_bar.h"
#include "src/component/cls_prefdesk.h"
#include "src/state/shared_state.h"
#include "src/dialog/frm_option.h"
#include "src/dialog/frm_save_progress.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::bench {
namespace {

component::ClsPrefdesk& Use(const ScaleStore& store, int16_t user) {
  static const std::shared_ptr<component::ClsPrefdesk> instance = component::ClsPrefdesk::Create();
  instance->SetDataCenter(store.server);
  instance->SetBaseConn(store.local);
  instance->SetUserID(user);
  return *instance;
}

// The options window of the dialog operations; a new one unloads the last.
std::shared_ptr<dialog::FrmOption>& Window() {
  static std::shared_ptr<dialog::FrmOption> window;
  return window;
}

dialog::FrmOption& OpenWindow() {
  auto& window = Window();
  if (window && window->IsLoaded()) window->Unload();
  window = std::make_shared<dialog::FrmOption>();
  window->Load();
  return *window;
}

ScaleOperation LoadMe(std::string name, int16_t user) {
  return {std::move(name),
          [user](const ScaleStore& store) {
            Use(store, user);
            OpenWindow();
          },
          [](const ScaleStore&) { return Window()->LoadMe(); }};
}

template <typename Reader>
ScaleOperation SavedUserCall(std::string name, Reader reader) {
  return {std::move(name), {}, [reader](const ScaleStore& store) {
            return reader(Use(store, kSavedUser), store);
          }};
}

}  // namespace

const std::vector<ScaleOperation>& ScaleOperations() {
  static const std::vector<ScaleOperation> operations = {
      SavedUserCall("GetValsCalendar", [](auto& p, const ScaleStore& s) {
        automation::Date duration, start, end, alarm;
        int32_t interval = 0;
        return p.GetValsCalendar(s.server, s.local, duration, start, end, alarm, interval);
      }),
      SavedUserCall("GetValMaxHistoryRecords", [](auto& p, const ScaleStore& s) {
        int32_t value = 0;
        return p.GetValMaxHistoryRecords(s.server, s.local, value);
      }),
      SavedUserCall("GetValForecast", [](auto& p, const ScaleStore& s) {
        int32_t month = 0, quarter = 0, year = 0;
        return p.GetValForecast(s.server, month, quarter, year);
      }),
      SavedUserCall("GetValExpenseReport", [](auto& p, const ScaleStore& s) {
        std::string charge;
        automation::Currency advance;
        return p.GetValExpenseReport(s.server, s.local, charge, advance);
      }),
      SavedUserCall("GetValProductComparisonRecords", [](auto& p, const ScaleStore& s) {
        int32_t value = 0;
        return p.GetValProductComparisonRecords(s.server, value);
      }),
      SavedUserCall("GetDefaultColumn", [](auto& p, const ScaleStore& s) {
        std::string name, caption;
        return p.GetDefaultColumn(s.local, s.server, name, caption) || name.empty();
      }),
      SavedUserCall("ReadColumnsBar", [](auto& p, const ScaleStore& s) {
        std::shared_ptr<columnsbar::ColumnsBar> bar;
        return p.ReadColumnsBar(s.local_connection_string, s.server, bar);
      }),
      LoadMe("LoadMeNewUser", kNewUser),
      // A user's first save: the whole layout written after LoadMe took the local defaults.
      // The user's saved rows are removed first, which also keeps LoadMe from reading the
      // other users' lists on SQLite before every save.
      {"SaveFullLayout",
       [](const ScaleStore& store) {
         const std::string user = "F_UID=" + storage::SqlInt(kSaveUser);
         if (store.server->Delete("T_PVBUTTON", user) < 0 || store.server->Delete("T_PHBUTTON", user) < 0) {
           throw std::runtime_error("cannot remove the saved layout of user 3");
         }
         Use(store, kSaveUser);
         if (OpenWindow().LoadMe()) throw std::runtime_error("LoadMe before the save failed");
         state::State().ColumnsFromLocalDefaults = true;
         dialog::FrmSaveProgress::Instance()->Load();
       },
       [](const ScaleStore&) { return Window()->Save(); }},
      // Last: on SQLite it reads every user's lists, which leaves the page cache cold for
      // whatever comes next.
      LoadMe("LoadMeSavedUser", kSavedUser),
  };
  return operations;
}

}  // namespace prefdesk::bench
