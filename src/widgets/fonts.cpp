#include "widgets/fonts.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

QFont family(const QString& name, int points, bool bold) {
  return QFont(name, points, bold ? QFont::Bold : -1);
}

}  // namespace

namespace Fonts {

QFont verdana(int points, bool bold) { return family(u"Verdana"_s, points, bold); }

QFont tahoma(int points, bool bold) { return family(u"Tahoma"_s, points, bold); }

QFont arial(int points, bool bold) { return family(u"Arial"_s, points, bold); }

QFont typewriter(int points, bool bold) {
  QFont font = family(u"Courier New"_s, points, bold);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace Fonts

}  // namespace velinda
