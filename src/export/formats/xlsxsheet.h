#pragma once

#include <QByteArray>
#include <QList>

#include "export/formats/streamedxml.h"

namespace velinda {

// The worksheet part (xl/worksheets/sheet1.xml) of an Office Open XML
// workbook, made as it is read. Every cell holds its string itself (no
// table of shared strings grows with the rows) and takes the text number
// format; the header row is bold. Empty cells are left out.
class XlsxSheet : public StreamedXml {
 public:
  explicit XlsxSheet(const SheetContent& sheet);

  // The style numbers the workbook's styles part defines.
  static constexpr int kTextStyle = 1;
  static constexpr int kHeaderStyle = 2;

 protected:
  void putStart(QByteArray& out) const override;
  void putRow(const QStringList& cells, int number, QByteArray& out) const override;
  void putEnd(QByteArray& out) const override;

 private:
  QList<QByteArray> columnNames_;  // "A", "B", ... "AA"
};

}  // namespace velinda
