#include "report/printservice.h"

#include <QLocale>

#include "platform/installed.h"
#include "report/dialogprintservice.h"

namespace velinda {

using namespace Qt::StringLiterals;

PaperNotSupported::PaperNotSupported(const QString& printer, PaperSize paper)
    : PrintError(
          u"Attenzione: la stampante \"%1\" non può stampare su fogli di %2 × %3 mm, "
          "il formato di questa stampa. Non è stato stampato nulla."_s.arg(
              printer, QLocale(QLocale::Italian).toString(paper.width.toMm()),
              QLocale(QLocale::Italian).toString(paper.height.toMm())) +
          u"\r\n\r\n"_s +
          u"Scegliere un'altra stampante, oppure aggiungere questo formato di carta "
          "nelle impostazioni della stampante."_s) {}

namespace PrintServices {

PrintService& printer() {
  static DialogPrintService real;
  return Installed<PrintService>::currentOr(real);
}

}  // namespace PrintServices

}  // namespace velinda
