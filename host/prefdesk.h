// Everything a host program needs, in one include:
//   - component::CreatePrefdesk(): the ClsPrefdesk instance with the real options window;
//   - datacenter::SqliteDataCenter (and PostgresDataCenter where the package was built with
//     PostgreSQL, PREFDESK_HAVE_POSTGRESQL): the data service the component talks to;
//   - datacenter::BuildDatabase: the local defaults and embedded server databases from the
//     installed SQL (Prefdesk_DATA_DIR in CMake);
//   - ado::Connection for the local defaults database, columnsbar::ColumnsBar for the bar;
//   - ui::Toolkit and ui::HeadlessDriver to run the dialog without a screen;
//   - datacenter::WatchSqlite / WatchPostgres: follow the changes other clients commit.
#pragma once

#include "host/datacenter/database_files.h"
#include "host/datacenter/preference_watch.h"
#include "host/datacenter/sqlite_datacenter.h"
#include "platform/ado/connection.h"
#include "platform/columnsbar/columns_bar.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/toolkit.h"
#include "src/component/cls_prefdesk.h"
#include "src/component/enumerations.h"
#include "src/component/create_prefdesk.h"
#include "src/resources/strings.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_data_center.h"
#endif
