#include "platform/ui_qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace prefdesk::ui_qt {

QFont ToQFont(const ui::FontSpec& spec) {
  QStringList families;
  const QString family = QString::fromStdString(spec.name);
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) families << family;
  families << QString::fromLatin1(kFallbackFamily);
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(std::max(spec.size, kMinimumPointSize));
  font.setBold(spec.bold);
  return font;
}

QString PlainCaption(const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    else if (text[i] == u'&') continue;
    plain += text[i];
  }
  return plain;
}

}  // namespace prefdesk::ui_qt
