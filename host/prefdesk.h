// Everything a host program needs, in one include:
//   - component::CreatePrefdesk(): the ClsPrefdesk instance with the real options window;
//   - datacenter::SqliteDataCenter (and PostgresDataCenter where the package was built with
//     PostgreSQL, PREFDESK_HAVE_POSTGRESQL): the data service the component talks to. For a
//     primary with a hot standby, give PostgresDataCenter a multi-host connection string with
//     target_session_attrs=read-write (it reconnects to whichever host is the primary), and
//     wrap it with a second one (target_session_attrs=prefer-standby) in a
//     datacenter::StandbyReadsDataCenter: pass that one to SetDataCenter and to the readers
//     (ReadColumnsBar, GetVal...), and queries outside a save go to the standby;
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
#include "host/datacenter/postgres_standby_reads.h"
#endif
