#pragma once

class QApplication;

namespace velinda {

// Installs Qt's own Italian translation so that standard buttons read
// "Annulla", "Sì", "No": from the program folder first, then from the
// system. Also makes Italian the program-wide locale (decimal comma).
void installItalianTranslation(QApplication& app);

}  // namespace velinda
