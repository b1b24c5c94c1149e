#include "report/printservice.h"

#include "report/dialogprintservice.h"

namespace {
PrintService* installed = nullptr;
}

namespace PrintServices {

PrintService& printer() {
  static DialogPrintService real;
  return installed ? *installed : real;
}

void setPrinter(PrintService* service) { installed = service; }

}  // namespace PrintServices
