#include "print/formlayout.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

HAlign horizontal(BoxAlign align) {
  return align == BoxAlign::CentreCentre ? HAlign::Centre : HAlign::Left;
}

VAlign vertical(BoxAlign align) {
  return align == BoxAlign::LeftTop ? VAlign::Top : VAlign::Centre;
}

// Goes through a content pattern in order: `literal` for each character
// printed as it stands, `control` for each control named in braces (a text
// box, `isText` true) or brackets (a check box). An opening sign never
// closed is printed as it stands.
template <typename Literal, typename Control>
void parse(const char* pattern, Literal literal, Control control) {
  const QString text = QString::fromLatin1(pattern);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar open = text[i];
    const QChar close = open == u'{' ? u'}' : open == u'[' ? u']' : QChar();
    const qsizetype end = close.isNull() ? -1 : text.indexOf(close, i + 1);
    if (end < 0) {
      literal(open);
      continue;
    }
    control(open == u'{', text.mid(i + 1, end - i - 1));
    i = end;
  }
}

}  // namespace

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

FormControls controls(const char* pattern) {
  FormControls read;
  parse(
      pattern, [](QChar) {},
      [&read](bool isText, const QString& name) {
        if (isText)
          read.addText(name);
        else
          read.addTick(name);
      });
  return read;
}

FormControls controls(std::span<const FormBox> boxes) {
  FormControls read;
  for (const FormBox& row : boxes) read += controls(row.content);
  return read;
}

QString content(const char* pattern, const FormTexts& texts) {
  QString result;
  parse(
      pattern, [&result](QChar c) { result += c; },
      [&](bool isText, const QString& name) {
        if (isText)
          result += texts.text(name);
        else if (texts.ticked(name))
          result += u'X';
      });
  return result;
}

void fill(Page& page, std::span<const FormBox> boxes, const FormTexts& texts) {
  for (const FormBox& row : boxes)
    page.setText(QString::fromLatin1(row.name), content(row.content, texts));
}

Page printedPage(std::span<const FormBox> boxes, Orientation orientation, Length top, Length left,
                 const FormTexts& texts) {
  Page printed = page(boxes);
  printed.setOrientation(orientation);
  printed.setMargins(top, left);
  fill(printed, boxes, texts);
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

}  // namespace velinda
