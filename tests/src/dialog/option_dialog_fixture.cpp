#include "option_dialog_fixture.h"

#include "platform/automation/conversions.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "src/state/dialog_hooks.h"
#include "src/state/shared_state.h"
#include "src/dialog/frm_save_progress.h"
#include "src/dialog/register_dialog.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog::testing {

void ObservingDriver::DoEvents() {
  if (const auto progress = FrmSaveProgress::Existing()) {
    const auto& bar = progress->Get<ui::ProgressBar>("ProgressBar1");
    samples.push_back({progress->Caption(), progress->Get<ui::Label>("lblSaveProgress").Caption(),
                       bar.Max(), bar.Value()});
  }
  HeadlessDriver::DoEvents();
}

OptionDialogTest::OptionDialogTest(int language)
    : faults_(std::make_shared<datacenter::FaultInjector>(db_.Server())),
      recorder_(std::make_shared<datacenter::StatementRecorder>(faults_)),
      driver_(std::make_shared<ObservingDriver>()) {
  ui::Toolkit::Current().SetFrontEnd(driver_);
  resources::SetInterfaceLanguage(language);
  RegisterOptionDialog();
  NewComponent();
}

void OptionDialogTest::NewComponent() {
  prefdesk_.reset();
  state::State() = state::SharedState{};
  prefdesk_ = component::ClsPrefdesk::Create();
  prefdesk_->SetDataCenter(recorder_);
  prefdesk_->SetBaseConn(db_.Local());
  prefdesk_->SetUserID(kUser);
}

OptionDialogTest::~OptionDialogTest() {
  prefdesk_.reset();
  state::Hooks() = {};
  resources::SetInterfaceLanguage(0);
  state::State() = state::SharedState{};
  ui::Toolkit::Current().SetFrontEnd(nullptr);
}

std::vector<int32_t> OptionDialogTest::ShowOption(std::function<void(FrmOption&)> script,
                                                  bool* result) {
  std::vector<int32_t> events;
  driver_->SetScript("frmOption", [&](ui::Window& window) {
    script(dynamic_cast<FrmOption&>(window));
  });
  const int cookie = prefdesk_->Advise([&](int32_t dispid, const automation::Arguments& args) {
    if (dispid == component::kDispidOptionSuccess) events.push_back(automation::CLng(args.at(0)));
  });
  const bool failed = prefdesk_->ShowOption();
  if (result != nullptr) *result = failed;
  prefdesk_->Unadvise(cookie);
  driver_->SetScript("frmOption", {});
  return events;
}

void OptionDialogTest::Pick(ui::ComboBox& list, const std::string& text) {
  const int index = IndexOf(list, text);
  if (index < 0) return;
  EXPECT_TRUE(list.UserSelect(index)) << list.Name() << " is not usable";
}

std::vector<std::string> OptionDialogTest::InfoMessages() const {
  std::vector<std::string> shown;
  for (const ui::JournalEntry& entry : driver_->ModalWindows()) {
    if (entry.window_name != "FrmShowInfor") continue;
    for (const auto& [name, value] : entry.text_boxes) {
      if (name == "Txt_ErrDescription") shown.push_back(value);
    }
  }
  return shown;
}

std::vector<std::string> OptionDialogTest::Writes() const {
  std::vector<std::string> writes;
  for (const auto& call : recorder_->Writes()) {
    std::string text = call.member;
    for (const auto& arg : call.args) text += "|" + arg;
    writes.push_back(text);
  }
  return writes;
}

bool OptionDialogTest::IsOpen(const std::string& window_name) {
  for (const auto& window : ui::Toolkit::Current().OpenWindows()) {
    if (window->Name() == window_name) return true;
  }
  return false;
}

test_support::Rows OptionDialogTest::Everything() const {
  test_support::Rows all;
  for (const char* table : {"T_PMISC", "T_PSCREENSTYLE", "T_PHBUTTON", "T_PVBUTTON", "T_PQUERY",
                            "SYSTBLHBUTTON", "SYSTBLVBUTTON"}) {
    all.push_back({table});
    for (auto& row : db_.ServerRows(std::string("SELECT * FROM ") + table + " ORDER BY 1, 2, 3")) {
      all.push_back(std::move(row));
    }
  }
  return all;
}

void OptionDialogTest::UseServer(storage::DataCenterRef server) {
  faults_ = std::make_shared<datacenter::FaultInjector>(std::move(server));
  recorder_ = std::make_shared<datacenter::StatementRecorder>(faults_);
  prefdesk_->SetDataCenter(recorder_);
}

}  // namespace prefdesk::dialog::testing
