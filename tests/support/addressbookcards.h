#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "archive/tarchivio.h"

namespace velinda {

// Cards of the address book in the test's program folder: appended as a
// save from the address-book screen would append them, and read back in
// the archive's order.
inline void appendAddressBookCard(const QList<QPair<QString, QString>>& fields) {
  TSchedaAnagrafica card;
  for (const auto& [name, text] : fields) card.setText(name, text);
  TArchivio archive(addressBookArchive());
  archive.Open();
  archive.Append(card);
}

inline QList<TSchedaAnagrafica> addressBookCards() {
  QList<TSchedaAnagrafica> cards;
  TArchivio archive(addressBookArchive());
  archive.Open();
  while (!archive.AtEnd()) {
    cards.append(TSchedaAnagrafica());
    archive.ReadNext(cards.last());
  }
  return cards;
}

}  // namespace velinda
