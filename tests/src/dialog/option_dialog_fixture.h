// Shared set-up of the options dialog tests: fresh databases for user 7, a statement recorder
// over a fault injector over the SQLite data service, a ClsPrefdesk wired to them, and a
// headless front end that also samples the progress window whenever the save lets pending
// messages through.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/datacenter/fault_injector.h"
#include "host/datacenter/statement_recorder.h"
#include "list_items.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/headless_driver.h"
#include "src/component/cls_prefdesk.h"
#include "src/dialog/frm_option.h"
#include "support/shown_windows.h"
#include "support/temp_databases.h"

namespace prefdesk::dialog::testing {

inline constexpr int16_t kUser = 7;

// What the progress window showed when the save processed pending messages.
struct ProgressSample {
  std::string caption;
  std::string label;
  float max = 0;
  float value = 0;
};

class ObservingDriver : public ui::HeadlessDriver {
 public:
  void DoEvents() override;
  std::vector<ProgressSample> samples;
};

class OptionDialogTest : public ::testing::Test {
 protected:
  explicit OptionDialogTest(int language = 1033);
  ~OptionDialogTest() override;

  // Runs ShowOption with the script acting on the options window as a person would; returns
  // the OptionSuccess values raised, in order. result receives ShowOption's own result.
  std::vector<int32_t> ShowOption(std::function<void(FrmOption&)> script, bool* result = nullptr);

  // A person picks the item with that text; fails the test when there is none.
  static void Pick(ui::ComboBox& list, const std::string& text);

  // Descriptions of the information windows and "caption|title|description" of the error
  // windows shown so far.
  std::vector<std::string> InfoMessages() const;
  std::vector<std::string> ErrorWindows() const { return test_support::ShownErrors(*driver_); }
  // Prompts of the message boxes shown so far.
  std::vector<ui::JournalEntry> MessageBoxes() const { return driver_->MessageBoxes(); }
  // Writes (Insert, Update, Delete) sent since the last ClearRecorder, as "member|arg|arg...".
  std::vector<std::string> Writes() const;
  // True when a window of that name is loaded.
  static bool IsOpen(const std::string& window_name);

  // Every row of every server table, in a fixed order.
  test_support::Rows Everything() const;
  // A fresh component and shared state, as a new process of the host has them.
  void NewComponent();
  // The component talks to this data service from now on, through a fresh fault injector
  // and recorder.
  void UseServer(storage::DataCenterRef server);

  test_support::TempDatabases db_{kUser};
  std::shared_ptr<datacenter::FaultInjector> faults_;
  std::shared_ptr<datacenter::StatementRecorder> recorder_;
  std::shared_ptr<ObservingDriver> driver_;
  std::shared_ptr<component::ClsPrefdesk> prefdesk_;
};

}  // namespace prefdesk::dialog::testing
