#include "export/formats/odssheetwriter.h"

#include <QFile>
#include <QXmlStreamWriter>
#include <utility>

#include "export/formats/odscontent.h"
#include "export/formats/scratchfile.h"
#include "export/formats/zippackage.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kManifest = u"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"_s;
const QByteArray kMimeType = "application/vnd.oasis.opendocument.spreadsheet";

QByteArray manifest() {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(kManifest, u"manifest"_s);
  xml.writeStartElement(kManifest, u"manifest"_s);
  xml.writeAttribute(kManifest, u"version"_s, u"1.2"_s);
  const std::pair<QString, QString> entries[] = {{u"/"_s, QString::fromLatin1(kMimeType)},
                                                 {u"content.xml"_s, u"text/xml"_s}};
  for (const auto& [path, type] : entries) {
    xml.writeEmptyElement(kManifest, u"file-entry"_s);
    xml.writeAttribute(kManifest, u"full-path"_s, path);
    if (path == u"/") xml.writeAttribute(kManifest, u"version"_s, u"1.2"_s);
    xml.writeAttribute(kManifest, u"media-type"_s, type);
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

}  // namespace

QByteArray OdsSheetWriter::content(const SheetContent& sheet) { return OdsContent::whole(sheet); }

void OdsSheetWriter::write(const SheetContent& sheet, QIODevice& out) const {
  const QByteArray manifestXml = manifest();
  OdsContent content(sheet);
  const ScratchFile scratch(u"sheet.ods"_s);
  {
    ZipPackage package(scratch.path());
    // The mimetype comes first and uncompressed, so that a reader can tell
    // the format from the file's first bytes.
    package.add("mimetype", kMimeType, false);
    package.add("META-INF/manifest.xml", manifestXml, true);
    package.addStream("content.xml", content);
    package.close();
  }
  scratch.copyTo(out);
}

}  // namespace velinda
