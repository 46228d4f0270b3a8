// The tables of both databases and the columns that more than one reader or writer names:
// the single settings of T_PMISC and the column lists of the layout rows. Statements that
// are fixed texts keep their names written out; code that composes a statement, or names a
// table or column to a data service, takes the name from here.
#pragma once

namespace prefdesk::storage::schema {

// Server: per-user settings.
inline constexpr char T_PMISC[] = "T_PMISC";
inline constexpr char T_PSCREENSTYLE[] = "T_PSCREENSTYLE";
inline constexpr char T_PHBUTTON[] = "T_PHBUTTON";
inline constexpr char T_PVBUTTON[] = "T_PVBUTTON";
inline constexpr char T_PQUERY[] = "T_PQUERY";

// Server: kept by the host beside the per-user tables.
inline constexpr char T_PCHANGE[] = "T_PCHANGE";      // a change stamp per user, kept by triggers
inline constexpr char T_PSAVELOCK[] = "T_PSAVELOCK";  // PostgreSQL: the row a save of the user locks
inline constexpr char T_PUSERROLE[] = "T_PUSERROLE";  // PostgreSQL: the user id of each login role

// Server: the button catalogue.
inline constexpr char SYSTBLHBUTTON[] = "SYSTBLHBUTTON";
inline constexpr char SYSTBLVBUTTON[] = "SYSTBLVBUTTON";

// Local defaults database.
inline constexpr char DefaultOtherStyle[] = "DefaultOtherStyle";
inline constexpr char DefaultScreenStyle[] = "DefaultScreenStyle";
inline constexpr char BarTitle[] = "BarTitle";
inline constexpr char BarList[] = "BarList";
inline constexpr char ViewBarList[] = "ViewBarList";

// Every per-user table of the server keys its rows by the user id.
inline constexpr char F_UID[] = "F_UID";

// The single settings of the user's T_PMISC row.
namespace misc {
inline constexpr char F_MAXHISTORY[] = "F_MAXHISTORY";
inline constexpr char F_PRDACMPMAX[] = "F_PRDACMPMAX";
inline constexpr char F_FCSLENGTH_MM[] = "F_FCSLENGTH_MM";
inline constexpr char F_FCSLENGTH_QT[] = "F_FCSLENGTH_QT";
inline constexpr char F_FCSLENGTH_YR[] = "F_FCSLENGTH_YR";
inline constexpr char F_DEFAPDUR[] = "F_DEFAPDUR";
inline constexpr char F_DAYSTIME[] = "F_DAYSTIME";
inline constexpr char F_DAYETIME[] = "F_DAYETIME";
inline constexpr char F_ALARMADV[] = "F_ALARMADV";
inline constexpr char F_SOLEINTERVAL[] = "F_SOLEINTERVAL";
inline constexpr char F_DEFORGCHARGE[] = "F_DEFORGCHARGE";
inline constexpr char F_DEFADVPAID[] = "F_DEFADVPAID";
}  // namespace misc

// The layout rows: the columns the layout writer fills, in the order of its value lists.
namespace layout {
inline constexpr char kTitleColumns[] = "F_UID,F_HBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_ISPRIMARY";
inline constexpr char kListColumns[] =
    "F_UID,F_VBUTTONID,F_HBUTTONID,F_PVBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_DEFAULTVISIBLE,"
    "F_ISPRIMARY";
// A list's default query: the Default Query tab writes it on its own; a whole copy of a list
// row carries it after kListColumns.
inline constexpr char F_DEFQUERYID[] = "F_DEFQUERYID";
}  // namespace layout

// The key of an appearance scheme row (T_PSCREENSTYLE), before its appearance values.
namespace scheme {
inline constexpr char kKeyColumns[] = "F_UID,ScreenStyleName";
}  // namespace scheme

}  // namespace prefdesk::storage::schema
