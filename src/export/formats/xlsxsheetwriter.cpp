#include "export/formats/xlsxsheetwriter.h"

#include <QFile>
#include <xlsxwriter.h>

namespace {

// Excel measures a column in widths of the digit 0, about 7 screen pixels.
double characters(int pixels) { return pixels / 7.0; }

// Excel's own number format 49, "@": the cell holds text.
constexpr uint8_t kTextFormat = 49;

void check(lxw_error error) {
  if (error != LXW_NO_ERROR) throw SheetFileError(lxw_strerror(error));
}

// The workbook until it is closed; closing writes the file and frees it.
class Workbook {
 public:
  explicit Workbook(const QString& path)
      : book_(workbook_new(QFile::encodeName(path).constData())) {
    if (!book_) throw SheetFileError("libxlsxwriter could not start a workbook");
  }
  ~Workbook() {
    // A workbook given up half-way is still closed, which frees it; the
    // caller throws the file away.
    if (book_) workbook_close(book_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  lxw_workbook* get() const { return book_; }

  void close() {
    lxw_workbook* book = book_;
    book_ = nullptr;
    check(workbook_close(book));
  }

 private:
  lxw_workbook* book_;
};

}  // namespace

void XlsxSheetWriter::write(const SheetContent& sheet, const QString& path) const {
  Workbook book(path);
  lxw_worksheet* page = workbook_add_worksheet(book.get(), sheet.name.toUtf8().constData());
  if (!page) throw SheetFileError("libxlsxwriter refused the sheet name");
  lxw_format* text = workbook_add_format(book.get());
  format_set_num_format_index(text, kTextFormat);
  lxw_format* header = workbook_add_format(book.get());
  format_set_num_format_index(header, kTextFormat);
  format_set_bold(header);

  for (int c = 0; c < sheet.headers.size(); ++c) {
    const auto column = lxw_col_t(c);
    check(worksheet_set_column(page, column, column, characters(sheet.widths.value(c, 100)), text));
    check(worksheet_write_string(page, 0, column, sheet.headers[c].toUtf8().constData(), header));
  }
  for (int r = 0; r < sheet.rows.size(); ++r) {
    const QStringList& cells = sheet.rows[r];
    for (int c = 0; c < sheet.headers.size(); ++c) {
      const QString cell = cells.value(c);
      if (cell.isEmpty()) continue;
      check(worksheet_write_string(page, lxw_row_t(r + 1), lxw_col_t(c),
                                   cell.toUtf8().constData(), text));
    }
  }
  book.close();
}
