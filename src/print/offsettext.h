#pragma once

#include <QString>
#include <stdexcept>

#include "report/length.h"

namespace velinda {

// The text of an offset box is not the number it should be. The message is
// the one shown to the user.
class OffsetConversionError : public std::runtime_error {
 public:
  explicit OffsetConversionError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  QString message() const { return message_; }

 private:
  QString message_;
};

namespace OffsetText {

// An offset is at most the length of the paper, 297 mm, either way; a
// larger one counts as no number at all: it throws OffsetConversionError as
// text that is not a number does.

// The box's whole number moved by `step`, as decimal text, never past the
// largest offset. Only whole numbers are accepted: "2,5" throws
// OffsetConversionError.
QString stepped(const QString& text, int step);

// The offset to print with: a decimal number with the comma as separator
// ("2,5" is 2.5 mm). Throws OffsetConversionError when it is not a number.
Length toLength(const QString& text);

}  // namespace OffsetText

}  // namespace velinda
