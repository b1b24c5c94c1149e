#include "core/lockproblem.h"

#include <QDir>
#include <QFileInfo>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
const QString kBreak = u"\n\r\n\r"_s;
}

QString lockProblemMessage(LockProblem problem, const QString& lockFile) {
  const QString file = QDir::toNativeSeparators(lockFile);
  const QString folder = QDir::toNativeSeparators(QFileInfo(lockFile).absolutePath());
  switch (problem) {
    case LockProblem::DiskFull:
      return u"Attenzione: non è possibile salvare, perché il disco che contiene la cartella "
             "del programma è pieno."_s +
             kBreak + u"Liberare spazio sul disco e riprovare."_s;
    case LockProblem::NoRightToCreate:
      return u"Attenzione: non è possibile salvare, perché non si possiedono i privilegi per "
             "creare file nella cartella del programma:"_s +
             kBreak + folder + kBreak +
             u"Chiedere i privilegi di scrittura nella cartella a chi amministra il computer."_s;
    case LockProblem::FolderInItsPlace:
      return u"Attenzione: non è possibile salvare, perché la cartella di blocco contiene "
             "file estranei al programma:"_s +
             kBreak + file + kBreak +
             u"Quando nessuno sta usando il programma, spostare altrove quei file, eliminare "
             "la cartella e riprovare."_s;
    case LockProblem::CannotDelete:
      return u"Attenzione: non è possibile salvare, perché la cartella di blocco non può "
             "essere eliminata:"_s +
             kBreak + file + kBreak +
             u"Servono i privilegi per creare ed eliminare file e cartelle nella cartella del "
             "programma, e la cartella di blocco non deve essere protetta. Quando nessuno sta "
             "usando il programma, eliminarla e riprovare."_s;
    case LockProblem::FolderFailed:
      return u"Attenzione: la cartella del programma non risponde come dovrebbe:"_s + kBreak +
             folder + kBreak +
             u"Se si trova in una cartella di rete, controllare il collegamento al computer "
             "che la condivide e riprovare."_s;
  }
  return {};
}

LockUnavailable::LockUnavailable(LockProblem problem, const QString& lockFile,
                                 const QString& detail)
    : UserError(lockFile + u": "_s + detail, lockProblemMessage(problem, lockFile)),
      problem_(problem),
      lockFile_(lockFile) {}

LockBusy::LockBusy(const QString& lockFile)
    : UserError(lockFile + u": in use by another station"_s,
                u"Attenzione: il file è in uso da parte di un'altra postazione."_s + kBreak +
                    u"Attendere qualche istante e riprovare."_s) {}

}  // namespace velinda
