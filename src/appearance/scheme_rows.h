// Moving the values of a scheme object: from a row of the system scheme table or of the user
// scheme table, from another scheme, and to and from the component's appearance values.
#pragma once

#include "platform/ado/recordset.h"
#include "platform/appearancelib/scheme.h"

namespace prefdesk::appearance {

// Every value from the DefaultScreenStyle row's column of the same name; the font values
// from the column of the display language ("English" or "Chinese" followed by the name).
void FillSchemeFromDefaultRow(appearancelib::Scheme& scheme, const ado::Recordset& rs);
// The 44 values of a T_PSCREENSTYLE row: all appearance values but FontBoldListColumnbar,
// which keeps its value; the list font size comes from FontSizeList. Names are not read.
void FillSchemeFromUserRow(appearancelib::Scheme& scheme, const ado::Recordset& rs);
// Name, both display names and the 45 values.
void CopyScheme(appearancelib::Scheme& target, const appearancelib::Scheme& source);
// The 45 values from the component's current appearance values.
void LoadAppearanceIntoScheme(appearancelib::Scheme& scheme);
// The component's appearance values from the scheme's 45 values.
void StoreSchemeAsAppearance(const appearancelib::Scheme& scheme);

}  // namespace prefdesk::appearance
