#include "print/cardlayout.h"

#include "core/controlname.h"
#include "print/formlayout.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

using Kind = CardFurniture::Kind;

const QRgb kLightSteelBlue = Palette::kLightSteelBlue.rgb();
constexpr QRgb kGold = 0xFFFFD700;

const CardFurniture kFurniture[] = {
    {Kind::Band, "", {1.00_mm, 1.00_mm, 188.00_mm, 5.80_mm}, kLightSteelBlue, 0, ""},
    {Kind::Text, "lblTitolo", {2.00_mm, 2.00_mm, 185.80_mm, 4.20_mm}, 0, 9, "SCHEDA ANAGRAFICA"},
    {Kind::VerticalLine, "", {42.00_mm, 7.00_mm, 0_mm, 129.60_mm}, 0, 0, ""},
    {Kind::Band, "", {1.00_mm, 138.00_mm, 188.00_mm, 5.80_mm}, kGold, 0, ""},
    {Kind::Text, "txtCalce", {2.00_mm, 139.00_mm, 185.80_mm, 4.20_mm}, 0, 8, ""},
};

constexpr CardRow kRows[] = {
    {"Cognome, nome o Rag. soc.", "txtNome", "{txtNome}"},
    {"Codice fiscale:", "txtCodFisc", "{txtCodFisc}"},
    {"Sesso:", "txtSesso", "{txtSesso}"},
    {"Data di nascita:", "txtDataNasc", "{txtDataNasc}"},
    {"Luogo di nascita:", "txtLuogoNasc", "{txtLuogoNasc}"},
    {"Partita IVA:", "txtPartitaIva", "{txtPartitaIva}"},
    {"Via e numero civico:", "txtIndirizzo", "{txtIndirizzo} {txtNum}"},
    {"CAP:", "txtCap", "{txtCap01}{txtCap02}{txtCap03}{txtCap04}{txtCap05}"},
    {"Località:", "txtLocalita", "{txtLocalita} {txtProv01}{txtProv02}"},
    {"Stato civile:", "txtCivile", "{txtCivile}"},
    {"Tel.", "txtTel", "{txtTel}"},
    {"E-mail:", "txtEmail", "{txtEmail}"},
    {"IBAN:", "txtIban", "{txtIban}"},
    {"PEC:", "txtPec", "{txtPec}"},
    {"Carta di credito n.", "txtCarta", "{txtCarta}"},
    {"Scadenza carta di credito:", "txtScadeCarta", "{txtScadeCarta}"},
    {"Tel. cellulare:", "txtCel", "{txtCel}"},
    {"Cittadinanza:", "txtCittadinanza", "{txtCittadinanza}"},
    {"Occupazione:", "txtOccupazione", "{txtOccupazione}"},
    {"Documento (tipo e numero):", "txtTipoDoc", "{txtTipoDoc}"},
    {"Ente di rilascio:", "txtEnteRil", "{txtEnteRil}"},
    {"Data di rilascio:", "txtDataRil", "{txtDataRil}"},
    {"Data di scadenza:", "txtDataSca", "{txtDataSca}"},
    {"Prodotti di interesse:", "txtProdotti", "{txtProdotti}"},
    {"Questioni in sospeso:", "txtQuestioni", "{txtQuestioni}"},
    {"Note:", "txtNote", "{txtNote}"},
};
static_assert(std::size(kRows) == CardLayout::kRowCount);

constexpr Length kMargin = 10.00_mm;
constexpr Length kFirstRowTop = 7.00_mm;
constexpr Length kRowPitch = 5.00_mm;
constexpr Length kFrameLeft = 1.00_mm;
constexpr Length kFrameWidth = 188.00_mm;
constexpr Length kFrameHeight = 4.60_mm;
constexpr Length kBoxInset = 0.50_mm;  // from the frame's top to its boxes' top
constexpr Length kBoxHeight = 3.50_mm;
constexpr Length kLabelLeft = 2.00_mm;
constexpr Length kLabelWidth = 37.80_mm;
constexpr Length kValueLeft = 44.00_mm;
constexpr Length kValueWidth = 144.00_mm;
constexpr double kRowPoints = 7;

TextBox textBox(const QString& name, BoxGeometry box, double points, HAlign align,
                const QString& text) {
  TextBox item;
  item.name = name;
  item.box = box;
  item.font = {u"Arial"_s, points, false, Qt::black};
  item.hAlign = align;
  item.vAlign = VAlign::Top;
  item.text = text;
  return item;
}

RectangleItem frame(BoxGeometry box, std::optional<QColor> fill) {
  RectangleItem item;
  item.box = box;
  item.fill = fill;
  item.outline = QColor(Qt::black);
  return item;
}

PageItem furnitureItem(const CardFurniture& piece) {
  switch (piece.kind) {
    case Kind::Band:
      return frame(piece.box, QColor::fromRgb(piece.fill));
    case Kind::Text:
      return textBox(QString::fromLatin1(piece.name), piece.box, piece.points, HAlign::Centre,
                     QString::fromUtf8(piece.text));
    case Kind::VerticalLine:
      break;
  }
  LineItem line;
  line.x1 = line.x2 = piece.box.left;
  line.y1 = piece.box.top;
  line.y2 = piece.box.bottom();
  return line;
}

}  // namespace

namespace CardLayout {

std::span<const CardFurniture> furniture() { return kFurniture; }
std::span<const CardRow> rows() { return kRows; }

Length rowTop(int row) { return kFirstRowTop + kRowPitch * (row - 1); }

QString labelBoxName(const CardRow& row) {
  return ControlName::sibling(u"lbl", QString::fromLatin1(row.valueBox));
}

Page page() {
  Page page(PaperSize::a4(), Orientation::Upright);
  page.setMargins(kMargin, kMargin);
  for (const CardFurniture& piece : kFurniture) page.add(furnitureItem(piece));
  int number = 1;
  for (const CardRow& row : kRows) {
    const Length top = rowTop(number++);
    const Length boxTop = top + kBoxInset;
    page.add(frame({kFrameLeft, top, kFrameWidth, kFrameHeight}, std::nullopt));
    page.add(textBox(labelBoxName(row), {kLabelLeft, boxTop, kLabelWidth, kBoxHeight}, kRowPoints,
                     HAlign::Left, QString::fromUtf8(row.label)));
    page.add(textBox(QString::fromLatin1(row.valueBox),
                     {kValueLeft, boxTop, kValueWidth, kBoxHeight}, kRowPoints, HAlign::Left, {}));
  }
  return page;
}

QString footer(const QDateTime& printedAt) {
  return u"Stampa eseguita in data "_s + printedAt.date().toString(u"dd/MM/yyyy"_s) +
         u" alle ore "_s + printedAt.time().toString(u"HH:mm:ss"_s);
}

FormControls controls() {
  FormControls read;
  for (const CardRow& row : kRows) read += FormLayout::controls(row.content);
  return read;
}

void fill(Page& page, const FormTexts& texts, const QDateTime& printedAt) {
  for (const CardRow& row : kRows)
    page.setText(QString::fromLatin1(row.valueBox), FormLayout::content(row.content, texts));
  page.setText(u"txtCalce"_s, footer(printedAt));
}

}  // namespace CardLayout

}  // namespace velinda
