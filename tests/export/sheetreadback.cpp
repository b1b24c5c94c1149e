#include "sheetreadback.h"

#include <zip.h>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include "contactimport/csvreader.h"
#include "core/csvtext.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kText = u"urn:oasis:names:tc:opendocument:xmlns:text:1.0"_s;
const QString kTable = u"urn:oasis:names:tc:opendocument:xmlns:table:1.0"_s;

QList<QStringList> padded(QList<QStringList> rows) {
  qsizetype width = 0;
  for (const QStringList& row : rows) width = qMax(width, row.size());
  for (QStringList& row : rows) {
    while (row.size() < width) row.append(QString());
  }
  return rows;
}

// The text of an ODF paragraph or span, its spacing elements undone.
QString odfText(QXmlStreamReader& xml) {
  QString text;
  const QString end = xml.name().toString();
  while (xml.readNext() != QXmlStreamReader::Invalid) {
    if (xml.isEndElement() && xml.name() == end) break;
    if (xml.isCharacters()) text += xml.text();
    if (!xml.isStartElement() || xml.namespaceUri() != kText) continue;
    if (xml.name() == u"s") {
      const QString count = xml.attributes().value(kText, u"c"_s).toString();
      text += QString(count.isEmpty() ? 1 : count.toInt(), u' ');
    } else if (xml.name() == u"tab") {
      text += u'\t';
    } else if (xml.name() == u"line-break") {
      text += u'\n';
    } else if (xml.name() == u"span") {
      text += odfText(xml);
    }
  }
  return text;
}

// "C12" is column 2 (from 0).
int columnOf(const QString& reference) {
  int column = 0;
  for (QChar c : reference) {
    if (!c.isLetter()) break;
    column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
  }
  return column - 1;
}

}  // namespace

namespace SheetReadBack {

QStringList zipNames(const QString& path) {
  QStringList names;
  zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr);
  if (!zip) return names;
  for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i)
    names.append(QString::fromUtf8(zip_get_name(zip, zip_uint64_t(i), 0)));
  zip_close(zip);
  return names;
}

QByteArray zipEntry(const QString& path, const QString& name) {
  QByteArray bytes;
  zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr);
  if (!zip) return bytes;
  zip_stat_t stat;
  if (zip_stat(zip, name.toUtf8().constData(), 0, &stat) == 0) {
    if (zip_file_t* file = zip_fopen(zip, name.toUtf8().constData(), 0)) {
      bytes.resize(qsizetype(stat.size));
      if (zip_fread(file, bytes.data(), stat.size) != zip_int64_t(stat.size)) bytes.clear();
      zip_fclose(file);
    }
  }
  zip_close(zip);
  return bytes;
}

QList<QStringList> ods(const QString& path) {
  QList<QStringList> rows;
  QXmlStreamReader xml(zipEntry(path, u"content.xml"_s));
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.namespaceUri() != kTable) continue;
    if (xml.name() == u"table-row") rows.append(QStringList());
    if (xml.name() != u"table-cell") continue;
    const int repeated =
        qMax(1, xml.attributes().value(kTable, u"number-columns-repeated"_s).toInt());
    QStringList paragraphs;
    while (xml.readNext() != QXmlStreamReader::Invalid &&
           !(xml.isEndElement() && xml.name() == u"table-cell")) {
      if (xml.isStartElement() && xml.name() == u"p") paragraphs.append(odfText(xml));
    }
    for (int i = 0; i < repeated; ++i) rows.last().append(paragraphs.join(u'\n'));
  }
  // A reader repeats empty cells to the end of the sheet's width.
  for (QStringList& row : rows) {
    while (!row.isEmpty() && row.last().isEmpty()) row.removeLast();
  }
  return padded(rows);
}

QList<QStringList> xlsx(const QString& path) {
  QStringList strings;
  QXmlStreamReader shared(zipEntry(path, u"xl/sharedStrings.xml"_s));
  while (!shared.atEnd()) {
    shared.readNext();
    if (shared.isStartElement() && shared.name() == u"si") strings.append(QString());
    if (shared.isStartElement() && shared.name() == u"t")
      strings.last() += shared.readElementText();
  }
  QList<QStringList> rows;
  QXmlStreamReader sheet(zipEntry(path, u"xl/worksheets/sheet1.xml"_s));
  QString type;
  int column = 0;
  while (!sheet.atEnd()) {
    sheet.readNext();
    if (!sheet.isStartElement()) continue;
    if (sheet.name() == u"row") {
      const int number = sheet.attributes().value(u"r"_s).toInt();
      while (rows.size() < number) rows.append(QStringList());
    } else if (sheet.name() == u"c") {
      type = sheet.attributes().value(u"t"_s).toString();
      column = columnOf(sheet.attributes().value(u"r"_s).toString());
    } else if (sheet.name() == u"v" || sheet.name() == u"t") {
      const QString value = sheet.readElementText();
      QStringList& row = rows.last();
      while (row.size() <= column) row.append(QString());
      row[column] = type == u"s" ? strings.value(value.toInt()) : value;
    }
  }
  return padded(rows);
}

QList<QStringList> csv(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromUtf8(file.readAll());
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  QList<QStringList> rows = Csv::records(text, Csv::detectSeparator(text));
  for (QStringList& row : rows) {
    for (QString& cell : row) cell = CsvText::fromTextFormula(cell).value_or(cell);
  }
  return padded(rows);
}

QList<QStringList> any(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"ods") return ods(path);
  if (suffix == u"xlsx") return xlsx(path);
  return csv(path);
}

}  // namespace SheetReadBack

}  // namespace velinda
