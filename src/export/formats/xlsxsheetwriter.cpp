#include "export/formats/xlsxsheetwriter.h"

#include <QFile>
#include <xlsxwriter.h>

#include "export/formats/scratchfile.h"

using namespace Qt::StringLiterals;

namespace {

// Excel measures a column in widths of the digit 0, about 7 screen pixels.
double characters(int pixels) { return pixels / 7.0; }

// Excel's own number format 49, "@": the cell holds text.
constexpr uint8_t kTextFormat = 49;

// Past some 20 million cells the sheet's XML may pass the 4 GB of a plain
// zip entry; below, the zip stays plain for older readers.
constexpr qint64 kCellsBeforeZip64 = 20'000'000;

void check(lxw_error error) {
  if (error != LXW_NO_ERROR) throw SheetFileError(lxw_strerror(error));
}

// The workbook until it is closed; closing writes the file and frees it.
class Workbook {
 public:
  // Rows are written out as they come, to a temporary file in `scratch`,
  // rather than gathered in memory: each row must come after the last.
  Workbook(const QString& path, const QString& scratch, bool huge)
      : scratch_(QFile::encodeName(scratch)),
        options_{.constant_memory = LXW_TRUE,
                 .tmpdir = scratch_.data(),
                 .use_zip64 = huge ? LXW_TRUE : LXW_FALSE},
        book_(workbook_new_opt(QFile::encodeName(path).constData(), &options_)) {
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
  QByteArray scratch_;
  lxw_workbook_options options_;
  lxw_workbook* book_;
};

}  // namespace

void XlsxSheetWriter::write(const SheetContent& sheet, QIODevice& out) const {
  const ScratchFile scratch(u"sheet.xlsx"_s);
  {
    Workbook book(scratch.path(), scratch.folder(),
                  qint64(sheet.rowCount) * sheet.headers.size() > kCellsBeforeZip64);
    lxw_worksheet* page = workbook_add_worksheet(book.get(), sheet.name.toUtf8().constData());
    if (!page) throw SheetFileError("libxlsxwriter refused the sheet name");
    lxw_format* text = workbook_add_format(book.get());
    format_set_num_format_index(text, kTextFormat);
    lxw_format* header = workbook_add_format(book.get());
    format_set_num_format_index(header, kTextFormat);
    format_set_bold(header);

    for (int c = 0; c < sheet.headers.size(); ++c) {
      const auto column = lxw_col_t(c);
      check(
          worksheet_set_column(page, column, column, characters(sheet.widths.value(c, 100)), text));
      check(worksheet_write_string(page, 0, column, sheet.headers[c].toUtf8().constData(), header));
    }
    for (int r = 0; r < sheet.rowCount; ++r) {
      const QStringList cells = sheet.row(r);
      for (int c = 0; c < sheet.headers.size(); ++c) {
        const QString cell = cells.value(c);
        if (cell.isEmpty()) continue;
        check(worksheet_write_string(page, lxw_row_t(r + 1), lxw_col_t(c),
                                     cell.toUtf8().constData(), text));
      }
      if (sheet.progress) sheet.progress(r + 1);
    }
    book.close();
  }
  scratch.copyTo(out);
}
