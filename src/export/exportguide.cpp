#include "export/exportguide.h"

namespace velinda {

using namespace Qt::StringLiterals;

ExportGuide exportGuide(const QString& archivePhrase) {
  return {
      .purpose = u"Il pulsante Esporta archivio consente di esportare "_s + archivePhrase +
                 u" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
                 "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, "
                 "con Open Office, Libre Office o Microsoft Office)."_s,
      .creatingTheFile =
          u"Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare "
          "clic sull'icona di Excel. Questa operazione crea in tempo reale un file in"
          " formato XLS contenente le schede in archivio, che potrà essere aperto "
          "immediatamente rispondendo affermativamente al messaggio di domanda che "
          "appare."_s,
      .savingTheFile =
          u"A questo punto è sufficiente salvare il file sul proprio disco fisso "
          "assegnandogli un nome qualsiasi."_s,
  };
}

QString exportGuideText(const QString& archivePhrase) {
  return exportGuide(archivePhrase).paragraphs().join(u"\r\n\r\n"_s);
}

}  // namespace velinda
