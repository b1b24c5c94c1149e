#include "search/listlines.h"

#include <QStringBuilder>
#include <algorithm>

#include "archive/tscheda.h"

namespace ListLines {

QString fitted(const QString& text, int width) {
  QString out(width, u' ');
  std::copy_n(text.constData(), qMin(text.size(), qsizetype(width)), out.data());
  return out;
}

QString receiptLine(const TScheda& r) {
  return u"Data: " % fitted(r.text(u"Data"), 10) %
         u"  Da: " % fitted(r.text(u"Mittente"), 30) %
         u"  A: " % fitted(r.text(u"Destinatario"), 30) %
         u"  Contenuto: " % r.text(u"Contenuto");
}

QString cardLine(const TScheda& r, LineKind tail) {
  const QString columns = fitted(r.text(u"Nome"), 28) %
                          u"  CF: " % fitted(r.text(u"CodFisc"), 16) %
                          u"  Tel. " % fitted(r.text(u"Tel"), 15) %
                          u"  Cel. " % fitted(r.text(u"Cel"), 15);
  if (tail == LineKind::CardEndingQuestioni) return columns % u"  " % r.text(u"Questioni");
  return columns % u"  Note: " % r.text(u"Note");
}

QString lineOf(const TScheda& record, LineKind kind) {
  return kind == LineKind::Receipt ? receiptLine(record) : cardLine(record, kind);
}

}  // namespace ListLines
