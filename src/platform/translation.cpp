#include "platform/translation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/programfolder.h"

namespace velinda {

using namespace Qt::StringLiterals;

void installItalianTranslation(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  auto* translator = new QTranslator(&app);
  if (translator->load(u"qtbase_it"_s, ProgramFolder::path()) ||
      translator->load(u"qtbase_it"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace velinda
