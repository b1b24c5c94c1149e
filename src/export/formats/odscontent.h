#pragma once

#include <QByteArray>

#include "export/formats/streamedxml.h"

namespace velinda {

// The content.xml of an OpenDocument spreadsheet, made as it is read. Every
// cell is a string cell in a text-formatted column; the header row is bold.
class OdsContent : public StreamedXml {
 public:
  using StreamedXml::StreamedXml;

  // The whole document at once, so that it can be checked.
  static QByteArray whole(const SheetContent& sheet);

 protected:
  void putStart(QByteArray& out) const override;
  void putRow(const QStringList& cells, int number, QByteArray& out) const override;
  void putEnd(QByteArray& out) const override;
};

}  // namespace velinda
