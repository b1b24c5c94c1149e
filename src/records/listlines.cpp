#include "records/listlines.h"

#include <QStringBuilder>
#include <algorithm>

#include "archive/tscheda.h"
#include "core/text.h"

namespace {
// A field as a list shows it: a line break held in the record (an older or
// a foreign archive) must not split the record's line in two.
QString field(const TScheda& record, QStringView name) {
  return Text::oneLine(record.text(name));
}
}  // namespace

namespace ListLines {

QString fitted(const QString& text, int width) {
  QString out(width, u' ');
  std::copy_n(text.constData(), qMin(text.size(), qsizetype(width)), out.data());
  return out;
}

QString receiptLine(const TScheda& r) {
  return u"Data: " % fitted(field(r, u"Data"), 10) %
         u"  Da: " % fitted(field(r, u"Mittente"), 30) %
         u"  A: " % fitted(field(r, u"Destinatario"), 30) %
         u"  Contenuto: " % field(r, u"Contenuto");
}

QString cardLine(const TScheda& r, LineKind tail) {
  const QString columns = fitted(field(r, u"Nome"), 28) %
                          u"  CF: " % fitted(field(r, u"CodFisc"), 16) %
                          u"  Tel. " % fitted(field(r, u"Tel"), 15) %
                          u"  Cel. " % fitted(field(r, u"Cel"), 15);
  if (tail == LineKind::CardEndingQuestioni) return columns % u"  " % field(r, u"Questioni");
  return columns % u"  Note: " % field(r, u"Note");
}

QString lineOf(const TScheda& record, LineKind kind) {
  return kind == LineKind::Receipt ? receiptLine(record) : cardLine(record, kind);
}

}  // namespace ListLines
