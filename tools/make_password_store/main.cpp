// Writes the password store delivered with the program, holding the initial
// password that the guide quotes.
#include <QCoreApplication>
#include <QTextStream>

#include "app/password/passwordstore.h"
#include "core/inifile.h"

using namespace velinda;

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  QTextStream err(stderr);
  if (args.size() != 2) {
    err << "usage: make_password_store <output file>\n";
    return 2;
  }
  try {
    PasswordStore::write(PasswordStore::prepare(QStringLiteral("girasolebianco")), args.at(1));
  } catch (const IniWriteError& error) {
    err << "make_password_store: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
