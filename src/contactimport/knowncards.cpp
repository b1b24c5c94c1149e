#include "contactimport/knowncards.h"

#include "archive/layouts.h"
#include "archive/tarchivio.h"
#include "core/text.h"

using namespace Qt::StringLiterals;

KnownCards KnownCards::fromArchive(TArchivio& archive) {
  KnownCards known;
  TSchedaAnagrafica card;
  while (!archive.AtEnd()) {
    archive.ReadNext(card);
    known.add(card);
  }
  return known;
}

QStringList KnownCards::keysOf(const TScheda& card) {
  const QString name = card.text(u"Nome").simplified().toCaseFolded();
  if (name.isEmpty()) return {};
  const QString taxCode = Text::upperAscii(card.text(u"CodFisc"));
  const QString email = card.text(u"Email").toCaseFolded();
  // The unit separator cannot occur in a card's text.
  const QString stem = name + u'\x1F';
  QStringList keys;
  if (!taxCode.isEmpty()) keys.append(stem + u"cf:"_s + taxCode);
  if (!email.isEmpty()) keys.append(stem + u"mail:"_s + email);
  if (keys.isEmpty()) keys.append(stem);
  return keys;
}

void KnownCards::add(const TScheda& card) {
  for (const QString& key : keysOf(card)) keys_.insert(key);
}

bool KnownCards::contains(const TScheda& card) const {
  for (const QString& key : keysOf(card)) {
    if (keys_.contains(key)) return true;
  }
  return false;
}
