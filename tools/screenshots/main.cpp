// prefdesk-screenshots [FOLDER]: opens the options dialog offscreen on freshly built databases
// and photographs it, in English and in Chinese, as a host gets it by default: the Startup,
// Default Query and Column tabs, the progress window of the save, the message after it, the
// error window and the column bar the host shows afterwards; then the Appearance tab, which a
// host switches on, in shots named *-appearance-tab; then the same with the controls laid out
// by Qt layouts instead of their boxes (*-layouts-*). Writes the PNGs into FOLDER (default: a
// new temporary folder) and prints their paths.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <span>
#include <string>

#include "host/datacenter/database_files.h"
#include "host/datacenter/sqlite_datacenter.h"
#include "platform/ado/connection.h"
#include "platform/columnsbar/columns_bar.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "platform/ui_qt/columns_bar_view.h"
#include "src/component/cls_prefdesk.h"
#include "src/component/create_prefdesk.h"
#include "src/dialog/register_dialog.h"
#include "src/resources/strings.h"
#include "src/storage/show_err.h"
#include "tools/screenshots/photographer.h"

namespace fs = std::filesystem;
using namespace prefdesk;

namespace {

constexpr int16_t kUser = 1;
constexpr int kAppearanceTab = 1;
constexpr int kStartupTab = 4;
constexpr int kDefaultQueryTab = 5;
constexpr int kColumnTab = 6;

fs::path NewFolder(const char* prefix) {
  std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  return pattern;
}

struct Databases {
  explicit Databases(const fs::path& folder)
      : local_path(folder / "local.db"), server_path(folder / "server.db") {
    datacenter::BuildDatabase(PREFDESK_SOURCE_DATA_DIR, datacenter::kLocalDatabase, local_path);
    datacenter::BuildDatabase(PREFDESK_SOURCE_DATA_DIR, datacenter::kServerDatabase, server_path);
    local = ado::Connection::Create();
    local->Open("Data Source=" + local_path.string() + ";");
    server = std::make_shared<datacenter::SqliteDataCenter>(server_path.string(), kUser);
    // Saved queries on Accounts, for the Default Query tab to offer.
    for (const char* values : {"'Q1', 1, 1, 'Big deals'", "'Q2', 1, 1, '本周新增客户'"}) {
      if (server->Insert("T_PQUERY", "F_QUERYID, F_UID, F_HBUTTONID, F_QUERYNAME", values) != 1) {
        throw std::runtime_error("cannot seed the saved queries");
      }
    }
  }
  fs::path local_path;
  fs::path server_path;
  std::shared_ptr<ado::Connection> local;
  std::shared_ptr<datacenter::SqliteDataCenter> server;
};

// Presses the button of a message box or of a model window's dialog.
void Press(QWidget& window, const char* button_name) {
  if (auto* button = window.findChild<QAbstractButton*>(button_name)) button->click();
}

void PressMessageBoxOk(QWidget& widget) {
  if (auto* box = qobject_cast<QMessageBox*>(&widget)) box->button(QMessageBox::Ok)->click();
}

constexpr const char* kUsage =
    "usage: prefdesk-screenshots [FOLDER]\n"
    "Photographs the options dialog offscreen in English and Chinese and writes the PNGs into\n"
    "FOLDER (default: a new temporary folder); prints their paths.\n";

struct Shot {
  int tab;
  const char* name;
};
// The dialog as a host gets it: the Appearance tab is off.
constexpr Shot kDefaultShots[] = {{kStartupTab, "startup"}, {kDefaultQueryTab, "default-query"}, {kColumnTab, "column"}};
constexpr Shot kAppearanceShots[] = {{kAppearanceTab, "appearance-tab"}};

// One showing of the options dialog: photographs the tabs, then OK (saving) or Cancel.
void PhotographDialog(screenshots::Photographer& camera, component::ClsPrefdesk& prefdesk, const QString& prefix,
                      std::span<const Shot> shots, bool save) {
  camera.SetShownHook([&](QWidget& widget, ui::Window* window) {
    if (window == nullptr) {
      camera.Save(widget, prefix + "-saved-message");
      PressMessageBoxOk(widget);
      return;
    }
    if (window->Name() != "frmOption") return;
    auto* tabs = widget.findChild<QTabWidget*>("SSTab1");
    // A person's first pick of a screen on the Startup and Default Query tabs fills the list
    // beside it; a default query is picked too.
    for (const char* screen : {"cboStartupScreen", "cboQueryScreen", "cboDefaultQuery"}) {
      if (auto* list = widget.findChild<QComboBox*>(screen); list != nullptr && list->count() > 1) {
        list->setCurrentIndex(1);
      }
    }
    // The second scheme is chosen, so the preview has one to show.
    if (auto* schemes = widget.findChild<QListWidget*>("AppearanceValueSet1"); schemes != nullptr && schemes->count() > 1) {
      schemes->setCurrentRow(1);
    }
    for (const Shot& shot : shots) {
      tabs->setCurrentIndex(shot.tab);
      camera.Save(widget, prefix + "-" + shot.name);
    }
    Press(widget, save ? "CmdOk" : "cmdCancel");
  });
  // As a host does: the Startup tab opens with the user's start-up title. A window that
  // fails to load has shown its error; the pictures taken so far stand.
  static_cast<void>(component::PutDefaultTitle(prefdesk, prefdesk.BaseConn(), prefdesk.DataCenter()));
  static_cast<void>(prefdesk.ShowOption());
  if (save) camera.SaveProgress(prefix + "-progress");
  camera.SetShownHook({});
}

void PhotographError(screenshots::Photographer& camera, const QString& prefix) {
  camera.SetShownHook([&](QWidget& widget, ui::Window* window) {
    if (window == nullptr || window->Name() != "FrmShowErr") return;
    camera.Save(widget, prefix + "-error");
    Press(widget, "CmdOk");
  });
  int32_t number = storage::kErrRecordNotFound;
  storage::ShowErr("GetDefValsCalendar", number, resources::LoadResString(2026));
  camera.SetShownHook({});
}

void PhotographColumnsBar(screenshots::Photographer& camera, component::ClsPrefdesk& prefdesk,
                          const Databases& db, const QString& prefix) {
  std::shared_ptr<columnsbar::ColumnsBar> bar;
  if (prefdesk.ReadColumnsBar("Data Source=" + db.local_path.string() + ";", db.server, bar)) {
    std::cerr << "no column bar for " << prefix.toStdString() << "\n";
    return;
  }
  ui_qt::ColumnsBarView view;
  view.SetBar(bar);
  if (view.TitleButtons().size() > 1) view.TitleButtons()[1]->click();
  view.resize(240, 560);
  view.show();
  camera.Save(view, prefix + "-columns-bar");
}

// Photographs one language's dialog: the default configuration with a save, then the
// Appearance tab switched on.
using Camera = std::shared_ptr<screenshots::Photographer>;
void PhotographLanguage(const Camera& camera, const Camera& laid_out, component::ClsPrefdesk& prefdesk,
                        const Databases& db, const QString& prefix) {
  ui::Toolkit::Current().SetFrontEnd(camera);
  // The first save writes the layout taken from the local defaults; the column bar then has
  // the user's own layout to show.
  PhotographDialog(*camera, prefdesk, prefix, kDefaultShots, true);
  PhotographError(*camera, prefix);
  PhotographColumnsBar(*camera, prefdesk, db, prefix);
  prefdesk.SetEnableAppearanceTab(true);
  PhotographDialog(*camera, prefdesk, prefix, kAppearanceShots, false);
  ui::Toolkit::Current().SetFrontEnd(laid_out);
  PhotographDialog(*laid_out, prefdesk, prefix + "-layouts", kAppearanceShots, false);
  prefdesk.SetEnableAppearanceTab(false);
  PhotographDialog(*laid_out, prefdesk, prefix + "-layouts", kDefaultShots, false);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--help" || first == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (argc > 2 || first.starts_with("-")) {
    std::cerr << kUsage;
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  try {
    const fs::path folder = argc > 1 ? fs::path(argv[1]) : NewFolder("prefdesk-screenshots");
    fs::create_directories(folder);
    const Databases db(NewFolder("prefdesk-screenshot-data"));
    dialog::RegisterOptionDialog();
    auto prefdesk = component::ClsPrefdesk::Create();
    prefdesk->SetDataCenter(db.server);
    prefdesk->SetBaseConn(db.local);
    prefdesk->SetUserID(kUser);

    const auto camera = std::make_shared<screenshots::Photographer>(folder, ui_qt::PlacementPolicy::Automatic);
    const auto laid_out = std::make_shared<screenshots::Photographer>(folder, ui_qt::PlacementPolicy::Layouts);
    for (const Camera& photographer : {camera, laid_out}) photographer->SetLanguage(resources::InterfaceLanguage);
    for (const auto& [language, prefix] : {std::pair{resources::kLangEnglish, QStringLiteral("en")},
                                           std::pair{resources::kLangChinese, QStringLiteral("zh")}}) {
      resources::SetInterfaceLanguage(language);
      PhotographLanguage(camera, laid_out, *prefdesk, db, prefix);
    }
    ui::Toolkit::Current().SetFrontEnd(nullptr);
    for (const QString& path : camera->Saved() + laid_out->Saved()) std::cout << path.toStdString() << "\n";
    std::cout << "Screenshots in " << folder.string() << "\n";
  } catch (const std::exception& error) {
    std::cerr << "prefdesk-screenshots: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
