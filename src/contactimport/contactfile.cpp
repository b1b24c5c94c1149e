#include "contactimport/contactfile.h"

#include <QFile>

#include "contactimport/csvreader.h"
#include "contactimport/importmessages.h"
#include "contactimport/textdecoding.h"
#include "contactimport/vcardreader.h"
#include "core/text.h"

using namespace Qt::StringLiterals;

namespace ContactFile {

ContactTable read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw ContactFileError(ImportMessages::kUnreadable);
  if (file.size() > kLargestFile) throw ContactFileError(ImportMessages::kTooLarge);
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw ContactFileError(ImportMessages::kUnreadable);
  return fromBytes(bytes);
}

ContactTable fromBytes(const QByteArray& bytes) {
  const DecodedText decoded = decodeText(bytes);
  if (Text::trimmed(decoded.text).isEmpty()) throw ContactFileError(ImportMessages::kEmpty);
  if (looksBinary(decoded.text)) throw ContactFileError(ImportMessages::kNotContacts);
  static const VCardReader vcard;
  static const CsvReader csv;
  const ContactReader& reader =
      VCardReader::recognises(decoded.text) ? static_cast<const ContactReader&>(vcard) : csv;
  ContactTable table = reader.read(decoded.text);
  if (table.rows.isEmpty()) throw ContactFileError(ImportMessages::kNoContacts);
  table.format += u", codifica "_s + decoded.encoding;
  return table;
}

}  // namespace ContactFile
