#include "report/printservice.h"

#include "platform/installed.h"
#include "report/dialogprintservice.h"

namespace PrintServices {

PrintService& printer() {
  static DialogPrintService real;
  return Installed<PrintService>::currentOr(real);
}

}  // namespace PrintServices
