# The installed API: the headers a host program includes, and everything they include. All
# other headers are the libraries' insides and stay in the source tree. Each installed header
# compiles on its own (the package stage of scripts/test.sh checks it).
set(PREFDESK_PUBLIC_HEADERS
  host/prefdesk.h
  host/datacenter/database_files.h
  host/datacenter/sqlite_datacenter.h
  platform/ado/connection.h
  platform/ado/recordset.h
  platform/ado/types.h
  platform/automation/dispatch.h
  platform/automation/error.h
  platform/automation/variant.h
  platform/columnsbar/columns_bar.h
  platform/columnsbar/columns_bar_title.h
  platform/ui/control.h
  platform/ui/errors.h
  platform/ui/font.h
  platform/ui/front_end.h
  platform/ui/headless_driver.h
  platform/ui/picture.h
  platform/ui/services.h
  platform/ui/toolkit.h
  platform/ui/window.h
  src/component/appearance_values.h
  src/component/cls_prefdesk.h
  src/component/enumerations.h
  src/dialog/create_prefdesk.h
  src/resources/strings.h
  src/storage/datacenter.h)
set(PREFDESK_PUBLIC_HEADERS_POSTGRESQL
  host/datacenter/postgres_data_center.h
  host/datacenter/postgres_errors.h)
set(PREFDESK_PUBLIC_HEADERS_QT
  platform/ui_qt/application.h
  platform/ui_qt/real_windows.h)
