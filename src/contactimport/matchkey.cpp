#include "contactimport/matchkey.h"

namespace velinda {

QString matchKey(const QString& text) {
  QString key;
  for (QChar c : text.normalized(QString::NormalizationForm_D).toLower()) {
    if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) key += c;
  }
  return key;
}

}  // namespace velinda
