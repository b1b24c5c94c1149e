#pragma once

#include <QPointer>
#include <QTimer>
#include <memory>

#include "contactimport/addressbookimport.h"
#include "contactimport/headeraliases.h"
#include "dialogs/dialogframe.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace velinda {

class CardPreviewModel;
class ColumnMappingModel;
class MappingView;

// "Importa contatti": brings the contacts of a CSV or vCard file into the
// address book. The user chooses the file, which is read with a progress
// bar and can be given up with "Annulla"; the screen tells how it was read,
// proposes where each of its columns goes on the card (the user can change
// it), previews every contact as the card it will become, marking those the
// import must change or leave out, and counts what the import will do;
// "Importa" (or Enter) appends the cards with a progress bar and reports
// what was imported, contact by contact where something was changed. The
// screen then closes and the address book has the focus where it was.
class TfrmImportaContatti : public DialogFrame {
  Q_OBJECT
 public:
  explicit TfrmImportaContatti(QWidget* parent = nullptr);
  ~TfrmImportaContatti() override;

  // The open dialog, then the chosen file read and shown.
  void chooseFile();
  // Reads the file and shows it; a file that cannot be imported is
  // reported and leaves the screen empty, as does one the user gives up.
  void load(const QString& path);
  void importContacts();

  // Contacts counted between two looks at the screen while the counts of
  // a new mapping are made.
  static constexpr int kSurveyStretch = 2000;

  void done(int result) override;

 protected:
  void reject() override;

 private:
  void buildControls();
  void clear();
  void setWorking(bool working);
  void showPreview();
  void mappingChanged();
  void optionsChanged();
  void startSurvey();
  void advanceSurvey();
  void showSummary();
  ImportOptions options() const;

  std::unique_ptr<ContactTable> table_;
  std::optional<KnownCards> known_;
  std::unique_ptr<ImportWalk> survey_;
  QTimer surveyTimer_;
  bool loading_ = false;
  bool giveUp_ = false;
  bool closeWhenLoaded_ = false;

  // Where the user was before the screen opened, to go back there.
  QPointer<QWidget> opener_;
  QPointer<QWidget> openerFocus_;

  QLineEdit* txtFile_ = nullptr;
  QPushButton* btnSfoglia_ = nullptr;
  QLabel* lblFormato_ = nullptr;
  ColumnMappingModel* mappingModel_ = nullptr;
  MappingView* grdColonne_ = nullptr;
  CardPreviewModel* previewModel_ = nullptr;
  QTableView* grdAnteprima_ = nullptr;
  QLabel* lblRiepilogo_ = nullptr;
  QCheckBox* chkSaltaDoppioni_ = nullptr;
  QCheckBox* chkRigheIrregolari_ = nullptr;
  QProgressBar* prgImporta_ = nullptr;
  QPushButton* btnAnnulla_ = nullptr;
  QPushButton* btnImporta_ = nullptr;
  QPushButton* btnChiudi_ = nullptr;
};

}  // namespace velinda
