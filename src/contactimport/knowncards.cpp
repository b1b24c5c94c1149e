#include "contactimport/knowncards.h"

#include <QHash>

#include "archive/layouts.h"
#include "archive/tarchivio.h"
#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Abbreviations of Italian street names, without their dots.
const QHash<QString, QString>& streetWords() {
  static const QHash<QString, QString> words = {
      {u"v"_s, u"via"_s},         {u"vle"_s, u"viale"_s},    {u"vl"_s, u"viale"_s},
      {u"cso"_s, u"corso"_s},     {u"pza"_s, u"piazza"_s},   {u"pzza"_s, u"piazza"_s},
      {u"pz"_s, u"piazza"_s},     {u"ple"_s, u"piazzale"_s}, {u"lgo"_s, u"largo"_s},
      {u"str"_s, u"strada"_s},    {u"vco"_s, u"vicolo"_s},   {u"loc"_s, u"localita"_s},
      {u"fraz"_s, u"frazione"_s}, {u"sal"_s, u"salita"_s},
  };
  return words;
}

// Words that only announce the house number.
bool announcesNumber(const QString& word) {
  return word == u"n" || word == u"nr" || word == u"num" || word == u"civ";
}

// The key of one kind of likeness, as a digest: a card's keys are many,
// an address book's cards may be a hundred thousand.
size_t digest(QStringView kind, const QString& text) { return qHash(text, qHash(kind, 0x5EED)); }

}  // namespace

QString addressKey(const QString& street, const QString& number) {
  QString plain;
  const QString text = (street + u' ' + number).normalized(QString::NormalizationForm_D);
  for (QChar c : text.toCaseFolded()) {
    if (c.isMark() || c == u'.') continue;
    plain += c.isLetterOrNumber() ? c : QChar(u' ');
  }
  QStringList words;
  for (const QString& word : plain.split(u' ', Qt::SkipEmptyParts)) {
    if (announcesNumber(word)) continue;
    words.append(streetWords().value(word, word));
  }
  return words.join(u' ');
}

KnownCards KnownCards::fromArchive(TArchivio& archive) {
  KnownCards known;
  TSchedaAnagrafica card;
  while (!archive.AtEnd()) {
    archive.ReadNext(card);
    known.add(card);
  }
  return known;
}

QList<size_t> KnownCards::keysOf(const TScheda& card) {
  const QString name = card.text(u"Nome").simplified().toCaseFolded();
  if (name.isEmpty()) return {};
  QList<size_t> keys{
      digest(u"name", name + u'\x1F' + addressKey(card.text(u"Indirizzo"), card.text(u"Num")))};
  const QString taxCode = Text::upperAscii(card.text(u"CodFisc"));
  if (!taxCode.isEmpty()) keys.append(digest(u"cf", taxCode));
  const QString email = card.text(u"Email").toCaseFolded();
  if (!email.isEmpty()) keys.append(digest(u"mail", email));
  return keys;
}

void KnownCards::add(const TScheda& card) {
  for (size_t key : keysOf(card)) keys_.insert(key);
}

bool KnownCards::contains(const TScheda& card) const {
  for (size_t key : keysOf(card)) {
    if (keys_.contains(key)) return true;
  }
  return false;
}

}  // namespace velinda
