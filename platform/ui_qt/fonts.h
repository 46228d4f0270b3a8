// Qt fonts for the fonts of the toolkit model. A model font names a family of the platform the
// forms were designed on ("MS Sans Serif"); when this machine lacks it, the Chinese-capable
// Noto Sans CJK SC stands in, and it stays the fallback of every font so that Chinese texts
// never show as empty boxes.
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "platform/ui/font.h"

namespace prefdesk::ui_qt {

inline constexpr const char* kFallbackFamily = "Noto Sans CJK SC";
// Below this size Chinese glyphs are hard to read on screen.
inline constexpr float kMinimumPointSize = 9.0f;

QFont ToQFont(const ui::FontSpec& spec);

// A caption with its '&' mnemonic marks taken out ("&&" stays one '&'), for widgets that show
// the text as it is.
QString PlainCaption(const std::string& caption);

}  // namespace prefdesk::ui_qt
