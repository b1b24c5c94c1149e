#include "search/listlines.h"

#include "archive/tscheda.h"

namespace ListLines {

QString fitted(const QString& text, int width) {
  return (text + QString(width, u' ')).left(width);
}

QString receiptLine(const TScheda& r) {
  return u"Data: "_qs + fitted(r.text(u"Data"), 10) +
         u"  Da: "_qs + fitted(r.text(u"Mittente"), 30) +
         u"  A: "_qs + fitted(r.text(u"Destinatario"), 30) +
         u"  Contenuto: "_qs + r.text(u"Contenuto");
}

QString cardLine(const TScheda& r, LineKind tail) {
  const QString columns = fitted(r.text(u"Nome"), 28) +
                          u"  CF: "_qs + fitted(r.text(u"CodFisc"), 16) +
                          u"  Tel. "_qs + fitted(r.text(u"Tel"), 15) +
                          u"  Cel. "_qs + fitted(r.text(u"Cel"), 15);
  if (tail == LineKind::CardEndingQuestioni) return columns + u"  "_qs + r.text(u"Questioni");
  return columns + u"  Note: "_qs + r.text(u"Note");
}

QString lineOf(const TScheda& record, LineKind kind) {
  return kind == LineKind::Receipt ? receiptLine(record) : cardLine(record, kind);
}

}  // namespace ListLines
