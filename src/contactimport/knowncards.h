#pragma once

#include <QSet>
#include <QString>

class TArchivio;
class TScheda;

// Cards already in the address book, to tell which imported contacts look
// like one of them: the same name (letter case and blanks aside) and the
// same tax code or the same e-mail address; two cards that both have
// neither count as the same person when their names match.
class KnownCards {
 public:
  // Every card of the open archive, read from the first to the last.
  static KnownCards fromArchive(TArchivio& archive);

  void add(const TScheda& card);
  bool contains(const TScheda& card) const;

 private:
  static QStringList keysOf(const TScheda& card);

  QSet<QString> keys_;
};
