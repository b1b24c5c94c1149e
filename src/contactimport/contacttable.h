#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <iterator>
#include <vector>

#include "core/usererror.h"

namespace velinda {

// One value of a contact under the name the file gives it ("Cellulare",
// "E-mail 1 - Value", "Telefono (casa)").
struct NamedValue {
  QString name;
  QString value;
};

// One contact: its values in the file's order; a name may come twice.
using ContactRow = QList<NamedValue>;

// Where a contact lies in its file, for the user, and whether its values
// line up with the names of the columns.
struct RowOrigin {
  int line = 0;         // the file's line where the contact begins
  int fields = 0;       // how many values the line has (a CSV file), 0 otherwise
  bool misfit = false;  // more or fewer values than the header names
};

// The contacts of a file. A file may hold hundreds of thousands of them,
// so their values lie back to back as UTF-8, each with where it ends and the
// number of its name, and a contact is made whole again when asked for.
// Empty values are not kept; their names are.
class ContactRows {
 public:
  // Goes over the contacts, each made whole as it is reached.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = ContactRow;
    using difference_type = qsizetype;
    using pointer = void;
    using reference = ContactRow;

    const_iterator(const ContactRows* rows, qsizetype at) : rows_(rows), at_(at) {}
    ContactRow operator*() const { return rows_->at(at_); }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return at_ == other.at_; }

   private:
    const ContactRows* rows_;
    qsizetype at_;
  };

  qsizetype size() const { return qsizetype(rows_.size()); }
  bool isEmpty() const { return rows_.empty(); }
  ContactRow at(qsizetype i) const;
  ContactRow operator[](qsizetype i) const { return at(i); }
  ContactRow first() const { return at(0); }
  const RowOrigin& origin(qsizetype i) const { return rows_[size_t(i)].origin; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  // The value of a contact under a name, without making the contact whole:
  // the first one that is not empty.
  QString valueOf(qsizetype i, const QString& name) const;

  // Every name met so far, in the order met.
  const QStringList& names() const { return names_; }
  // For each name, the first value of any contact under it that is not
  // empty (an empty text when there is none), found in one pass.
  QStringList firstValues() const;
  // The number of a name, which is added when new.
  int nameIndex(const QString& name);

  // A contact is given value by value, after its start.
  void startRow(const RowOrigin& origin);
  void add(int name, QStringView value);
  void append(const ContactRow& row, const RowOrigin& origin = {});
  // Makes room at once for `factor` times what is held now, when the file
  // read so far tells how much more is to come: growing by doubling would
  // leave a larger peak of memory.
  void reserveScaled(double factor);
  // Gives back what the growing left unused, once the file is read, when
  // it is much.
  void squeeze();

  // The memory the contacts take, in bytes.
  qsizetype memoryBytes() const;

 private:
  struct Value {
    quint32 end;  // where the value's bytes end in text_
    quint32 name;
  };
  struct Row {
    quint32 firstValue;
    RowOrigin origin;
  };
  quint32 valueStart(size_t value) const { return value == 0 ? 0 : values_[value - 1].end; }

  QStringList names_;
  QHash<QString, int> numbers_;
  QByteArray text_;
  std::vector<Value> values_;
  std::vector<Row> rows_;
};

// What a reader found in a file.
struct ContactTable {
  QString format;     // how the file was read, for the user ("CSV, ...")
  QStringList names;  // every value name, in order of first appearance
  ContactRows rows;
  int headerColumns = 0;  // how many columns a CSV file's header names
  // Lines that were not UTF-8 and were read as Windows-1252: the first few
  // of them, and how many they are in all.
  QList<int> legacyLines;
  int legacyLineCount = 0;
};

// A file that cannot be imported. The message is the Italian text the user
// reads; nothing of the file is imported.
class ContactFileError : public UserError {
 public:
  explicit ContactFileError(const QString& message) : UserError(message, message) {}
  QString message() const { return userMessage(); }
};

}  // namespace velinda
