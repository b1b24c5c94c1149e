#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/password/passwordstore.h"
#include "app/password/tfrmcambiapassword.h"
#include "app/password/tfrmpassword.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

namespace velinda {

using namespace Qt::StringLiterals;

// The two screens wired as at start-up, over a fresh program folder (inside
// `folderParent` when given) whose store holds the initial password unless a
// test says otherwise.
struct PasswordScreens {
  TestFolder folder;
  RecordingMessages messages;
  TfrmPassword login;
  TfrmCambiaPassword change{&login};

  explicit PasswordScreens(bool withStore = true, const QString& folderParent = {})
      : folder(folderParent) {
    if (withStore) PasswordStore::write(u"GIRASOLEBIANCO"_s);
    login.setChangeScreen(&change);
    login.show();
  }

  QLineEdit* box(QWidget& screen, const char* name) {
    return screen.findChild<QLineEdit*>(QLatin1String(name));
  }
  QPushButton* button(QWidget& screen, const char* name) {
    return screen.findChild<QPushButton*>(QLatin1String(name));
  }
  QLineEdit* txtPassword() { return box(login, "txtPassword"); }

  QByteArray storeBytes() const { return folder.read(PasswordStore::kFileName); }

  // Types as a keyboard would; QTest::keyClicks knows only ASCII keys.
  static void type(QLineEdit* target, const QString& text) {
    for (QChar c : text) {
      if (c.unicode() < 128)
        QTest::keyClick(target, c.toLatin1());
      else
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  void typeAndEnter(QLineEdit* target, const QString& text) {
    type(target, text);
    QTest::keyClick(target, Qt::Key_Return);
  }
};

}  // namespace velinda
