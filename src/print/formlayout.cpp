#include "print/formlayout.h"

#include <QCheckBox>
#include <QLineEdit>

#include "core/text.h"
#include "widgets/namedchild.h"

using namespace Qt::StringLiterals;

namespace {

HAlign horizontal(BoxAlign align) {
  return align == BoxAlign::CentreCentre ? HAlign::Centre : HAlign::Left;
}

VAlign vertical(BoxAlign align) {
  return align == BoxAlign::LeftTop ? VAlign::Top : VAlign::Centre;
}

}  // namespace

QString ScreenSource::text(const QString& name) const {
  return Text::trimmed(namedChild<const QLineEdit>(screen_, name)->text());
}

bool ScreenSource::ticked(const QString& name) const {
  return namedChild<const QCheckBox>(screen_, name)->isChecked();
}

namespace FormLayout {

Page page(std::span<const FormBox> boxes) {
  Page page(PaperSize::a4(), Orientation::Upright);
  for (const FormBox& row : boxes) {
    TextBox box;
    box.name = QString::fromLatin1(row.name);
    box.box = {row.left, row.top, row.width, row.height};
    box.font = {u"Arial"_s, row.points, false, Qt::black};
    box.hAlign = horizontal(row.align);
    box.vAlign = vertical(row.align);
    page.add(box);
  }
  return page;
}

QString content(const char* pattern, const FormSource& source) {
  const QString text = QString::fromLatin1(pattern);
  QString result;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar open = text[i];
    const QChar close = open == u'{' ? u'}' : open == u'[' ? u']' : QChar();
    const qsizetype end = close.isNull() ? -1 : text.indexOf(close, i + 1);
    if (end < 0) {
      result += open;
      continue;
    }
    const QString name = text.mid(i + 1, end - i - 1);
    if (open == u'{')
      result += source.text(name);
    else if (source.ticked(name))
      result += u'X';
    i = end;
  }
  return result;
}

QString content(const char* pattern, const QWidget& source) {
  return content(pattern, ScreenSource(source));
}

void fill(Page& page, std::span<const FormBox> boxes, const FormSource& source) {
  for (const FormBox& row : boxes)
    page.setText(QString::fromLatin1(row.name), content(row.content, source));
}

void fill(Page& page, std::span<const FormBox> boxes, const QWidget& source) {
  fill(page, boxes, ScreenSource(source));
}

Page printedPage(std::span<const FormBox> boxes, Orientation orientation, Length top,
                 Length left, const FormSource& source) {
  Page printed = page(boxes);
  printed.setOrientation(orientation);
  printed.setMargins(top, left);
  fill(printed, boxes, source);
  return printed;
}

}  // namespace FormLayout

namespace {

// Captions by the stem of the box's name; a numbered stem ("CapDes03")
// adds the place of its character.
struct Caption {
  const char* stem;
  const char* text;  // UTF-8
  const char* each;  // of a numbered box: "cifra", "lettera", "carattere"
};

constexpr Caption kCaptions[] = {
    {"Destinatario", "Destinatario", nullptr},
    {"IndirizzoDes", "Indirizzo destinatario", nullptr},
    {"NumDes", "N. civico destinatario", nullptr},
    {"CapDes", "CAP destinatario", "cifra"},
    {"LocalitaDes", "Località destinatario", nullptr},
    {"ProvDes", "Provincia destinatario", "lettera"},
    {"TelDes", "Telefono destinatario", nullptr},
    {"EmailDes", "E-mail destinatario", nullptr},
    {"Mittente", "Mittente", nullptr},
    {"IndirizzoMit", "Indirizzo mittente", nullptr},
    {"NumMit", "N. civico mittente", nullptr},
    {"CapMit", "CAP mittente", "cifra"},
    {"LocalitaMit", "Località mittente", nullptr},
    {"ProvMit", "Provincia mittente", "lettera"},
    {"TelMit", "Telefono mittente", nullptr},
    {"EmailMit", "E-mail mittente", nullptr},
    {"Cifre", "Importo in cifre", nullptr},
    {"Lettere", "Importo in lettere", nullptr},
    {"Avviso", "Avviso di ricevimento", nullptr},
    {"Contrassegno", "Contrassegno", nullptr},
    {"CC", "C/C postale", nullptr},
    {"Vaglia", "Vaglia", nullptr},
    {"Raccomandata", "Raccomandata", nullptr},
    {"Pacco", "Pacco", nullptr},
    {"Assicurata", "Assicurata", nullptr},
    {"N", "Numero dell'invio", "carattere"},
    {"Euro", "Euro", nullptr},
    {"Data", "Data spedizione", nullptr},
    {"Ufficio", "Dall'ufficio di", nullptr},
};

}  // namespace

QString FormLayout::caption(const QString& boxName) {
  const QString stem = boxName.mid(3);
  for (const Caption& entry : kCaptions) {
    const QString known = QString::fromLatin1(entry.stem);
    if (stem == known) return QString::fromUtf8(entry.text);
    const QString number = stem.mid(known.size());
    if (entry.each && stem.startsWith(known) && number.size() == 2 && number.toInt() > 0)
      return QString::fromUtf8(entry.text) + u", "_s + QString::fromLatin1(entry.each) + u' ' +
             QString::number(number.toInt());
  }
  return stem;
}
