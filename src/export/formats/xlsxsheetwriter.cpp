#include "export/formats/xlsxsheetwriter.h"

#include <QRegularExpression>
#include <utility>

#include "export/formats/scratchfile.h"
#include "export/formats/xlsxsheet.h"
#include "export/formats/xmltext.h"
#include "export/formats/zippackage.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// What Excel opens: a sheet has at most this many rows, and a sheet's name
// at most 31 characters, none of them []:*?/\.
constexpr int kMostRows = 1'048'576;
constexpr qsizetype kLongestName = 31;

void checkSheet(const SheetContent& sheet) {
  if (sheet.rowCount + 1 > kMostRows)
    throw SheetFileError("more rows than an Excel worksheet holds");
  if (sheet.name.isEmpty() || sheet.name.size() > kLongestName ||
      sheet.name.contains(QRegularExpression(u"[\\[\\]:*?/\\\\]"_s)))
    throw SheetFileError("a worksheet name Excel refuses");
}

const QByteArray kXmlStart = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

QByteArray contentTypes() {
  return kXmlStart +
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\""
         " ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
         "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
         "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
         "</Types>";
}

QByteArray packageRelations() {
  return kXmlStart +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
         "2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
         "</Relationships>";
}

QByteArray workbook(const QString& sheetName) {
  QByteArray name;
  XmlText::append(sheetName, name);
  return kXmlStart +
         "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
         " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
         "<sheets><sheet name=\"" +
         name + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
}

QByteArray workbookRelations() {
  return kXmlStart +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
         "2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
         "2006/relationships/styles\" Target=\"styles.xml\"/>"
         "</Relationships>";
}

// Three cell styles: 0 Excel's default, XlsxSheet::kTextStyle the number
// format 49 ("@", text), XlsxSheet::kHeaderStyle the same in bold.
QByteArray styles() {
  static_assert(XlsxSheet::kTextStyle == 1 && XlsxSheet::kHeaderStyle == 2);
  return kXmlStart +
         "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
         "<fonts count=\"2\">"
         "<font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
         "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
         "</fonts>"
         "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
         "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
         "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border>"
         "</borders>"
         "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
         "</cellStyleXfs>"
         "<cellXfs count=\"3\">"
         "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
         "<xf numFmtId=\"49\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\""
         " applyNumberFormat=\"1\"/>"
         "<xf numFmtId=\"49\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\""
         " applyNumberFormat=\"1\" applyFont=\"1\"/>"
         "</cellXfs>"
         "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
         "</cellStyles>"
         "</styleSheet>";
}

}  // namespace

void XlsxSheetWriter::write(const SheetContent& sheet, QIODevice& out) const {
  checkSheet(sheet);
  // The parts must outlive the package's close(), which reads them.
  const std::pair<const char*, QByteArray> parts[] = {
      {"[Content_Types].xml", contentTypes()},
      {"_rels/.rels", packageRelations()},
      {"xl/workbook.xml", workbook(sheet.name)},
      {"xl/_rels/workbook.xml.rels", workbookRelations()},
      {"xl/styles.xml", styles()},
  };
  XlsxSheet worksheet(sheet);
  const ScratchFile scratch(u"sheet.xlsx"_s);
  {
    ZipPackage package(scratch.path());
    for (const auto& [name, bytes] : parts) package.add(name, bytes, true);
    package.addStream("xl/worksheets/sheet1.xml", worksheet);
    package.close();
  }
  scratch.copyTo(out);
}

}  // namespace velinda
