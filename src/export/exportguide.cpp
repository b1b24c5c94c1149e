#include "export/exportguide.h"

ExportGuide exportGuide(const QString& archivePhrase) {
  return {
      .purpose = u"Il pulsante Esporta archivio consente di esportare "_qs + archivePhrase +
                 u" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
                 "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, "
                 "con Open Office, Libre Office o Microsoft Office)."_qs,
      .creatingTheFile =
          u"Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare "
          "clic sull'icona di Excel. Questa operazione crea in tempo reale un file in"
          " formato XLS contenente le schede in archivio, che potrà essere aperto "
          "immediatamente rispondendo affermativamente al messaggio di domanda che "
          "appare."_qs,
      .savingTheFile =
          u"A questo punto è sufficiente salvare il file sul proprio disco fisso "
          "assegnandogli un nome qualsiasi."_qs,
  };
}

QString exportGuideText(const QString& archivePhrase) {
  return exportGuide(archivePhrase).paragraphs().join(u"\r\n\r\n"_qs);
}
