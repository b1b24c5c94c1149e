#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "platform/filechooser.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// The open-file dialog as the user meets it: its title, the one filter
// entry, and every file of a folder listed, with or without an extension.
class TestFileDialog : public QObject {
  Q_OBJECT

 private slots:
  void titleAndFilter() {
    std::unique_ptr<QFileDialog> dialog(DialogFileChooser::createDialog(nullptr));
    QCOMPARE(dialog->windowTitle(), u"Selezionare il file da allegare:"_s);
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
    dialog->show();
    auto* filters = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s);
    QVERIFY(filters);
    QCOMPARE(filters->count(), 1);
    QCOMPARE(filters->itemText(0), u"Tutti i file (*.*)"_s);
  }

  void listsEveryFile() {
    QTemporaryDir folder;
    for (const QString& name : {u"Ricevuta.pdf"_s, u"LEGGIMI"_s, u".nascosto.txt"_s}) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    std::unique_ptr<QFileDialog> dialog(DialogFileChooser::createDialog(nullptr));
    dialog->setDirectory(folder.path());
    dialog->show();
    auto* list = dialog->findChild<QAbstractItemView*>(u"listView"_s);
    QVERIFY(list);
    auto listed = [&] {
      QStringList names;
      QAbstractItemModel* model = list->model();
      for (int row = 0; row < model->rowCount(list->rootIndex()); ++row)
        names.append(model->index(row, 0, list->rootIndex()).data().toString());
      names.sort();
      return names;
    };
    QTRY_COMPARE(listed(), (QStringList{u"LEGGIMI"_s, u"Ricevuta.pdf"_s}));
  }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
