#include "report/printservice.h"

#include "platform/installed.h"
#include "report/dialogprintservice.h"

namespace PrintServices {

PrintService& printer() {
  static DialogPrintService real;
  PrintService* standIn = Installed<PrintService>::current();
  return standIn ? *standIn : real;
}

}  // namespace PrintServices
