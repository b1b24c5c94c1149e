#include "contactimport/cardpreviewmodel.h"

#include <QColor>
#include <QSet>

#include "contactimport/cardtargets.h"
#include "contactimport/contacttable.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Cards kept made, enough for any screenful and the rows around it.
constexpr int kCardsKept = 512;
// Rows whose cards decide, with the mapping, which fields the preview shows.
constexpr int kRowsSampled = 50;

// A pale tint of a colour, for the background of a row.
QColor tint(QColor colour) {
  const QColor white = Palette::kWhite;
  return QColor((colour.red() + 3 * white.red()) / 4, (colour.green() + 3 * white.green()) / 4,
                (colour.blue() + 3 * white.blue()) / 4);
}

// A target's text on a card: the CAP and the province joined from their
// one-character fields.
QString storedText(const TScheda& card, const QString& key) {
  if (key == CardTargets::kCap || key == CardTargets::kProvince) {
    const QString prefix = key == CardTargets::kCap ? u"Cap"_s : u"Prov"_s;
    const int count = key == CardTargets::kCap ? 5 : 2;
    QString joined;
    for (int i = 1; i <= count; ++i) joined += card.text(prefix + u'0' + QString::number(i));
    return joined;
  }
  return card.text(key);
}

// The fields a mapped target fills, beside its own.
QStringList fieldsFilledBy(const QString& key) {
  static const QHash<QString, QStringList> filled = {
      {CardTargets::kFirm, {u"Nome"_s, u"Occupazione"_s}},
      {CardTargets::kCountry, {u"Localita"_s}},
      {u"Indirizzo"_s, {u"Indirizzo"_s, u"Num"_s}},
      {u"Localita"_s, {u"Localita"_s, CardTargets::kProvince}},
      {CardTargets::kWholeAddress,
       {u"Indirizzo"_s, u"Num"_s, CardTargets::kCap, u"Localita"_s, CardTargets::kProvince}},
      {CardTargets::kOtherContacts, {u"Note"_s}},
      {CardTargets::kBirthDay, {u"DataNasc"_s}},
      {CardTargets::kBirthMonth, {u"DataNasc"_s}},
      {CardTargets::kBirthYear, {u"DataNasc"_s}},
  };
  return filled.value(key, {key});
}

bool isCardField(const QString& key) {
  static const QSet<QString> composed = {CardTargets::kFirm,         CardTargets::kCountry,
                                         CardTargets::kWholeAddress, CardTargets::kOtherContacts,
                                         CardTargets::kBirthDay,     CardTargets::kBirthMonth,
                                         CardTargets::kBirthYear};
  return !composed.contains(key);
}

}  // namespace

CardPreviewModel::CardPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}
CardPreviewModel::~CardPreviewModel() = default;

void CardPreviewModel::reset(const ContactTable* table, const ColumnMapping& mapping,
                             bool includeMisfits) {
  beginResetModel();
  table_ = table;
  cards_.clear();
  includeMisfits_ = includeMisfits;
  headerColumns_ = table ? table->headerColumns : 0;
  builder_ = std::make_unique<CardBuilder>(mapping);
  QSet<QString> shown;
  for (const ColumnRule& rule : mapping) {
    for (const QString& key : fieldsFilledBy(rule.target)) shown.insert(key);
  }
  for (int row = 0; table && row < qMin(rowCount(), kRowsSampled); ++row) {
    for (const CardTarget& target : CardTargets::all()) {
      if (isCardField(target.key) && !storedText(card(row).record, target.key).isEmpty())
        shown.insert(target.key);
    }
  }
  keys_.clear();
  for (const CardTarget& target : CardTargets::all()) {
    if (isCardField(target.key) && shown.contains(target.key)) keys_.append(target.key);
  }
  endResetModel();
}

int CardPreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_ ? 0 : int(table_->rows.size());
}

int CardPreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_ ? 0 : int(keys_.size()) + 2;
}

const BuiltCard& CardPreviewModel::card(int row) const {
  const auto found = cards_.constFind(row);
  if (found != cards_.constEnd()) return *found;
  if (cards_.size() >= kCardsKept) cards_.clear();
  return *cards_.insert(row, builder_->build(table_->rows.at(row)));
}

QString CardPreviewModel::remarks(int row) const {
  QStringList out;
  const RowOrigin& origin = table_->rows.origin(row);
  if (origin.misfit)
    out.append(u"%1 valori invece di %2: %3"_s.arg(origin.fields)
                   .arg(headerColumns_)
                   .arg(includeMisfits_ ? u"sarà importata"_s : u"non sarà importata"_s));
  const BuiltCard& built = card(row);
  if (!built.hasName()) out.append(u"senza nome: non sarà importato"_s);
  using Kind = CardRemark::Kind;
  const std::pair<Kind, const char16_t*> kinds[] = {
      {Kind::InNote, u"nella nota"},
      {Kind::Cut, u"accorciato"},
      {Kind::NotStored, u"non importato"},
      {Kind::CapCompleted, u"CAP completato"},
      {Kind::PostcodeInTown, u"nella località"},
  };
  for (const auto& [kind, label] : kinds) {
    const QStringList texts = built.remarksOf(kind);
    if (!texts.isEmpty()) out.append(QString::fromUtf16(label) + u": "_s + texts.join(u"; "_s));
  }
  return out.join(u" \u2013 "_s);
}

QVariant CardPreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !table_) return {};
  const int row = index.row();
  const int column = index.column();
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    if (column == 0) return table_->rows.origin(row).line;
    if (column == 1) return remarks(row);
    return storedText(card(row).record, keys_[column - 2]);
  }
  if (role == Qt::BackgroundRole) {
    if (table_->rows.origin(row).misfit && !includeMisfits_) return tint(Palette::kCrimson);
    const BuiltCard& built = card(row);
    if (!built.remarks.isEmpty() || !built.hasName()) return tint(Palette::kOrange);
  }
  return {};
}

QVariant CardPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section == 0) return u"Riga"_s;
  if (section == 1) return u"Avvisi"_s;
  return CardTargets::find(keys_.value(section - 2))->caption;
}

}  // namespace velinda
