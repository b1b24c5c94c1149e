#include "report/paperfont.h"

#include <QFontMetricsF>
#include <QImage>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Text is measured as finely as it prints.
constexpr double kDotsPerInch = 1200;

const QPaintDevice& measuringDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(kDotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
  }();
  return device;
}

// The longest start of `word` that fits, at least one letter.
qsizetype fittingLetters(const QString& word, const FontSpec& spec, Length width) {
  qsizetype letters = 1;
  while (letters < word.size() && PaperFont::width(spec, word.left(letters + 1)) <= width)
    ++letters;
  return letters;
}

}  // namespace

namespace PaperFont {

QFont of(const FontSpec& spec) {
  QFont font(spec.family);
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  // Hinting would move glyphs to whole device pixels; the forms need the
  // positions the font was designed with.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

Length width(const FontSpec& spec, const QString& text) {
  const QFontMetricsF metrics(of(spec), &measuringDevice());
  return Length::mm(metrics.horizontalAdvance(text) * 25.4 / kDotsPerInch);
}

QStringList wrapped(const QStringList& lines, const FontSpec& spec, Length width) {
  QStringList result;
  for (const QString& line : lines) {
    QString current;
    for (QString word : line.split(u' ', Qt::SkipEmptyParts)) {
      const QString joined = current.isEmpty() ? word : current + u' ' + word;
      if (PaperFont::width(spec, joined) <= width) {
        current = joined;
        continue;
      }
      if (!current.isEmpty()) result << current;
      while (PaperFont::width(spec, word) > width) {
        const qsizetype letters = fittingLetters(word, spec, width);
        result << word.left(letters);
        word = word.mid(letters);
      }
      current = word;
    }
    if (!current.isEmpty() || line.trimmed().isEmpty()) result << current;
  }
  return result;
}

}  // namespace PaperFont

}  // namespace velinda
