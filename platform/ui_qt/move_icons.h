// Icons for the move buttons of a list (names ending in Top, Up, Down or Bottom) that carry no
// caption: a triangle pointing the way, with a bar for the ends.
#pragma once

#include <QIcon>
#include <string_view>

namespace prefdesk::ui_qt {

// A null icon for any other name.
QIcon MoveIcon(std::string_view button_name);

}  // namespace prefdesk::ui_qt
