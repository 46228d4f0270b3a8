// Names of the tables and the view of both databases.
#pragma once

namespace prefdesk::storage::schema {

// Server: per-user settings.
inline constexpr char T_PMISC[] = "T_PMISC";
inline constexpr char T_PSCREENSTYLE[] = "T_PSCREENSTYLE";
inline constexpr char T_PHBUTTON[] = "T_PHBUTTON";
inline constexpr char T_PVBUTTON[] = "T_PVBUTTON";
inline constexpr char T_PQUERY[] = "T_PQUERY";

// Server: the button catalogue.
inline constexpr char SYSTBLHBUTTON[] = "SYSTBLHBUTTON";
inline constexpr char SYSTBLVBUTTON[] = "SYSTBLVBUTTON";

// Local defaults database.
inline constexpr char DefaultOtherStyle[] = "DefaultOtherStyle";
inline constexpr char DefaultScreenStyle[] = "DefaultScreenStyle";
inline constexpr char BarTitle[] = "BarTitle";
inline constexpr char BarList[] = "BarList";
inline constexpr char ViewBarList[] = "ViewBarList";

}  // namespace prefdesk::storage::schema
