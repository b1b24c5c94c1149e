#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

// One value of a contact under the name the file gives it ("Cellulare",
// "E-mail 1 - Value", "Telefono (casa)").
struct NamedValue {
  QString name;
  QString value;
};

// One contact: its values in the file's order; a name may come twice.
using ContactRow = QList<NamedValue>;

// What a reader found in a file.
struct ContactTable {
  QString format;     // how the file was read, for the user ("CSV, ...")
  QStringList names;  // every value name, in order of first appearance
  QList<ContactRow> rows;
};

// A file that cannot be imported. The message is the Italian text the user
// reads; nothing of the file is imported.
class ContactFileError : public std::runtime_error {
 public:
  explicit ContactFileError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};
