// One long-running host of the failover harness (tests/load/failover.sh). It opens the options
// dialog for its user again and again, each time writing the number N of the save into the
// column layout (title k+1 hidden when bit k of N is set) and pressing OK, through a data
// service on a multi-host connection string, with its queries going to a standby when a read
// connection string is given. Per save it prints
//   END_MS save N ok|failed|indoubt BEGIN_MS
// and after each confirmed save it reads the value back at once through the same service
// (a person must not see the old value). When the stop file appears it reads what the primary
// holds and prints a summary; it exits non-zero when a confirmed save is missing, a save
// reported failed was stored, a read after a save saw an older value, or its last save failed.
//   prefdesk-failover --init URL                  builds the server tables (schema "failover")
//   prefdesk-failover URL READ_URL|- USER STOPFILE
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "host/datacenter/database_files.h"
#include "host/datacenter/postgres_data_center.h"
#include "host/datacenter/postgres_schema.h"
#include "host/datacenter/postgres_standby_reads.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "src/component/create_prefdesk.h"

namespace {

namespace fs = std::filesystem;
using prefdesk::datacenter::PostgresDataCenter;
using prefdesk::datacenter::PostgresSettings;

constexpr const char* kSchema = "failover";

int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch()).count();
}

// Titles 2 to 11 carry the bits of the save's number; the first stays visible.
constexpr int kBits = 10;
constexpr int kMaxSaves = (1 << kBits) - 1;

// The number of the user's stored save: 0 when none, -1 when the query failed.
int StoredSave(prefdesk::storage::DataCenter& dc, int user) {
  std::shared_ptr<prefdesk::ado::Recordset> rs;
  const int32_t rows = dc.OpenRecordsetByString(
      rs, "SELECT F_ISVISIBLE FROM T_PHBUTTON WHERE F_UID=" + std::to_string(user) +
              " ORDER BY F_SEQUENCENO");
  if (rows < 0) return -1;
  int n = 0;
  for (int row = 0; !rs->IsEOF(); rs->MoveNext(), ++row) {
    if (row >= 1 && row <= kBits && prefdesk::automation::CLng((*rs)["F_ISVISIBLE"]) == 0) n |= 1 << (row - 1);
  }
  return n;
}

// Shows the Column tab and sets the title check marks to the bits of n.
void WriteNumber(prefdesk::ui::Window& window, int n) {
  for (const auto& control : window.Controls()) {
    auto* tabs = dynamic_cast<prefdesk::ui::TabControl*>(control.get());
    for (int i = 0; tabs != nullptr && i < tabs->Tabs(); ++i) {
      if (tabs->TabCaption(i) == "Column") tabs->UserSelectTab(i);
    }
  }
  auto& titles = window.Get<prefdesk::ui::CheckListBox>("lstGrandFather");
  for (int bit = 0; bit < kBits && bit + 1 < titles.ListCount(); ++bit) {
    const bool visible = ((n >> bit) & 1) == 0;
    if (titles.Selected(bit + 1) != visible) titles.UserToggleCheck(bit + 1);
  }
}

enum class Outcome { kOk, kFailed, kInDoubt };

const char* Name(Outcome outcome) {
  return outcome == Outcome::kOk ? "ok" : outcome == Outcome::kInDoubt ? "indoubt" : "failed";
}

class Client {
 public:
  Client(const std::string& url, const std::string& read_url, int user, const fs::path& folder)
      : user_(user),
        driver_(std::make_shared<prefdesk::ui::HeadlessDriver>()),
        primary_(std::make_shared<PostgresDataCenter>(url, user, Settings())) {
    service_ = primary_;
    if (read_url != "-") {
      reads_ = std::make_shared<prefdesk::datacenter::StandbyReadsDataCenter>(
          primary_, std::make_shared<PostgresDataCenter>(read_url, user, Settings()));
      service_ = reads_;
    }
    prefdesk::datacenter::BuildDatabase(PREFDESK_DATA_DIR, prefdesk::datacenter::kLocalDatabase,
                                        folder / "local.db");
    local_ = prefdesk::ado::Connection::Create();
    local_->Open("Data Source=" + (folder / "local.db").string() + ";");
    prefdesk::ui::Toolkit::Current().SetFrontEnd(driver_);
    prefdesk_ = prefdesk::component::CreatePrefdesk();
    prefdesk_->SetDataCenter(service_);
    prefdesk_->SetBaseConn(local_);
    prefdesk_->SetUserID(static_cast<int16_t>(user));
  }

  // Opens the dialog, writes n into the layout and presses OK; the outcome as the host learns it.
  Outcome Save(int n) {
    driver_->SetScript("frmOption", [n](prefdesk::ui::Window& window) {
      WriteNumber(window, n);
      if (auto* ok = window.DefaultButton()) ok->UserClick();
    });
    int32_t event = -1;
    const int cookie = prefdesk_->Advise([&](int32_t, const prefdesk::automation::Arguments& args) {
      event = prefdesk::automation::CLng(args.at(0));
    });
    const size_t shown = driver_->Journal().size();
    const bool not_loaded = prefdesk_->ShowOption();
    prefdesk_->Unadvise(cookie);
    if (!not_loaded && event == 0) return Outcome::kOk;  // E_OptionSuccess
    const auto& journal = driver_->Journal();
    for (size_t i = shown; i < journal.size(); ++i) {
      for (const auto& [box, text] : journal[i].text_boxes) {
        if (text.find("may or may not have been stored") != std::string::npos) return Outcome::kInDoubt;
      }
    }
    return Outcome::kFailed;
  }

  int Run(const fs::path& stop_file) {
    int stale = 0;
    for (int n = 1; n <= kMaxSaves && !fs::exists(stop_file); ++n) {
      const int64_t begin = NowMs();
      const Outcome outcome = Save(n);
      outcomes_[n] = outcome;
      std::printf("%lld save %d %s %lld\n", static_cast<long long>(NowMs()), n, Name(outcome),
                  static_cast<long long>(begin));
      std::fflush(stdout);
      if (outcome == Outcome::kOk) {
        const int read = StoredSave(*service_, user_);
        if (read >= 0 && read != n) {
          ++stale;
          std::printf("%lld stale read: save %d after save %d\n", static_cast<long long>(NowMs()), read, n);
        }
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
    }
    return Check(stale);
  }

 private:
  static PostgresSettings Settings() {
    PostgresSettings settings;
    settings.schema = kSchema;
    return settings;
  }

  int Check(int stale) {
    int stored = -1;
    for (int attempt = 0; attempt < 50 && stored < 0; ++attempt) {
      stored = StoredSave(*primary_, user_);
      if (stored < 0) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    int last_ok = 0, ok = 0, failed = 0, in_doubt = 0;
    for (const auto& [n, outcome] : outcomes_) {
      if (outcome == Outcome::kOk) last_ok = n, ++ok;
      failed += outcome == Outcome::kFailed;
      in_doubt += outcome == Outcome::kInDoubt;
    }
    std::string verdict = "consistent";
    const auto told = outcomes_.find(stored);
    if (stored < 0) {
      verdict = "UNREADABLE";
    } else if (stored < last_ok) {
      verdict = "LOST: save " + std::to_string(last_ok) + " was confirmed";
    } else if (stored > last_ok && (told == outcomes_.end() || told->second != Outcome::kInDoubt)) {
      verdict = "STORED BUT REPORTED FAILED";
    } else if (outcomes_.empty() || outcomes_.rbegin()->second != Outcome::kOk) {
      verdict = "LAST SAVE FAILED";
    } else if (stale > 0) {
      verdict = "STALE READS";
    }
    if (reads_) {
      std::printf("reads: standby %lld, primary %lld\n", static_cast<long long>(reads_->StandbyReads()),
                  static_cast<long long>(reads_->PrimaryReads()));
    }
    std::printf("user %d: %d saves, %d ok, %d failed, %d in doubt; stored save %d, last confirmed save %d: %s\n",
                user_, static_cast<int>(outcomes_.size()), ok, failed, in_doubt, stored, last_ok,
                verdict.c_str());
    return verdict == "consistent" ? 0 : 1;
  }

  int user_;
  std::shared_ptr<prefdesk::ui::HeadlessDriver> driver_;
  std::shared_ptr<PostgresDataCenter> primary_;
  std::shared_ptr<prefdesk::datacenter::StandbyReadsDataCenter> reads_;
  prefdesk::storage::DataCenterRef service_;
  std::shared_ptr<prefdesk::ado::Connection> local_;
  std::shared_ptr<prefdesk::component::ClsPrefdesk> prefdesk_;
  std::map<int, Outcome> outcomes_;
};

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) == "--init") {
      prefdesk::datacenter::BuildPostgresSchema(PREFDESK_DATA_DIR, argv[2], kSchema);
      return 0;
    }
    if (argc != 5) {
      std::fprintf(stderr, "usage: prefdesk-failover --init URL | URL READ_URL|- USER STOPFILE\n");
      return 2;
    }
    const int user = std::stoi(argv[3]);
    const fs::path folder = fs::temp_directory_path() / ("prefdesk-failover-" + std::to_string(user) + "-" +
                                                         std::to_string(NowMs()));
    fs::create_directories(folder);
    int result = 1;
    {
      Client client(argv[1], argv[2], user, folder);
      result = client.Run(argv[4]);
    }
    fs::remove_all(folder);
    return result;
  } catch (const prefdesk::automation::AutomationError& e) {
    std::fprintf(stderr, "prefdesk-failover: %s\n", e.Description().c_str());
    return 1;
  }
}
