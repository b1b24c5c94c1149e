#pragma once

#include <QSet>
#include <QString>

namespace velinda {

class TArchivio;
class TScheda;

// Cards already in the address book, to tell which imported contacts look
// like one of them: the same name and the same street and number (letter
// case, blanks, signs and the usual abbreviations aside: "V. Roma 5" is
// "Via Roma, 5"), or the same tax code, or the same e-mail address.
// Namesakes at different addresses are different people. Only a short
// digest of each card is kept, so that an address book of any size fits.
class KnownCards {
 public:
  // Every card of the open archive, read from the first to the last.
  static KnownCards fromArchive(TArchivio& archive);

  void add(const TScheda& card);
  bool contains(const TScheda& card) const;

 private:
  static QList<size_t> keysOf(const TScheda& card);

  QSet<size_t> keys_;
};

// A street and house number reduced for comparing addresses as people
// write them: "V.le Europa, n. 12" and "viale Europa 12" give the same.
QString addressKey(const QString& street, const QString& number);

}  // namespace velinda
