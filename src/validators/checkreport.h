#pragma once

#include <QString>

namespace velinda {

// What a check concludes about a typed value, with the very words the check
// screen shows for it.
struct CheckReport {
  enum class Verdict {
    Unusable,  // wrong length or characters: the user is asked to retype
    Valid,
    Wrong,
  };

  Verdict verdict = Verdict::Unusable;
  QString message;

  // A retype request leaves the screen open; a verdict ends it.
  bool asksToRetype() const { return verdict == Verdict::Unusable; }
  // Good news is information; everything else is a warning.
  bool isWarning() const { return verdict != Verdict::Valid; }
};

}  // namespace velinda
