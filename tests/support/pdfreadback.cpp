#include "support/pdfreadback.h"

#include <QProcess>
#include <QRegularExpression>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
constexpr double kMmPerPoint = 25.4 / 72.0;

// The quarter turns each page is shown with (/Rotate), by page number: a
// printer driver may lay a sideways page on upright paper and turn it.
QList<int> pageTurns(const QString& pdf) {
  QProcess process;
  process.start(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, u"100000"_s, pdf});
  if (!process.waitForFinished(30000)) qFatal("pdfinfo did not finish");
  static const QRegularExpression rot(uR"re(Page\s+\d+\s+rot:\s+(\d+))re"_s);
  QList<int> turns;
  auto matches = rot.globalMatch(QString::fromUtf8(process.readAllStandardOutput()));
  while (matches.hasNext()) turns << matches.next().captured(1).toInt() / 90;
  return turns;
}
}  // namespace

QList<PdfPage> pdfPages(const QString& pdf) {
  QProcess process;
  process.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
  if (!process.waitForFinished(30000)) qFatal("pdftotext did not finish");
  static const QRegularExpression item(
      uR"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
  QList<PdfPage> pages;
  auto matches = item.globalMatch(QString::fromUtf8(process.readAllStandardOutput()));
  while (matches.hasNext()) {
    const auto m = matches.next();
    auto mm = [&m](int n) { return m.captured(n).toDouble() * kMmPerPoint; };
    if (!m.captured(1).isEmpty())
      pages.append({mm(1), mm(2), {}});
    else if (!pages.isEmpty())
      pages.last().words.append({m.captured(7), mm(3), mm(4), mm(5), mm(6)});
  }
  // pdftotext gives a turned page's words as shown, but its size unturned.
  const QList<int> turns = pageTurns(pdf);
  for (qsizetype i = 0; i < pages.size() && i < turns.size(); ++i)
    if (turns[i] % 2 == 1) std::swap(pages[i].width, pages[i].height);
  return pages;
}

QString pdfText(const QString& pdf) {
  QProcess process;
  process.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
  if (!process.waitForFinished(30000)) qFatal("pdftotext did not finish");
  return QString::fromUtf8(process.readAllStandardOutput());
}

QList<PdfWord> pdfWords(const QString& pdf) {
  QList<PdfWord> words;
  for (const PdfPage& page : pdfPages(pdf)) words += page.words;
  return words;
}

const PdfWord& findWord(const QList<PdfWord>& words, const QString& text) {
  for (const PdfWord& word : words)
    if (word.text == text) return word;
  qFatal("no word %s in the PDF", qPrintable(text));
}

QImage pdfImage(const QString& pdf, const QString& folder, int page) {
  QProcess process;
  const QString stem = folder + u"/page"_s;
  process.start(u"pdftoppm"_s, {u"-r"_s, QString::number(kImageDotsPerMm * 25.4), u"-gray"_s,
                                u"-png"_s, u"-aaVector"_s, u"no"_s, u"-f"_s, QString::number(page),
                                u"-l"_s, QString::number(page), u"-singlefile"_s, pdf, stem});
  if (!process.waitForFinished(60000)) qFatal("pdftoppm did not finish");
  return QImage(stem + u".png"_s);
}

}  // namespace velinda
