#pragma once

#include <optional>

#include "contactimport/addressbookimport.h"
#include "contactimport/headeraliases.h"
#include "dialogs/dialogframe.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

// "Importa contatti": brings the contacts of a CSV or vCard file into the
// address book. The user chooses the file; the screen tells how it was read,
// proposes where each of its columns goes on the card (the user can change
// it), previews the first cards as they will be stored and counts what the
// import will do; "Importa" appends the cards with a progress bar and
// reports what was imported.
class TfrmImportaContatti : public DialogFrame {
  Q_OBJECT
 public:
  explicit TfrmImportaContatti(QWidget* parent = nullptr);

  // The open dialog, then the chosen file read and shown.
  void chooseFile();
  // Reads the file and shows it; a file that cannot be imported is
  // reported and leaves the screen empty.
  void load(const QString& path);
  void importContacts();

  // How many rows the preview shows.
  static constexpr int kPreviewRows = 10;

 private:
  void buildControls();
  void clear();
  void showMapping();
  void mappingChanged();
  void showPreview();
  void showSurvey();
  void showSummary();

  std::optional<ContactTable> table_;
  ColumnMapping mapping_;
  std::optional<KnownCards> known_;
  ImportCounts survey_;

  QLineEdit* txtFile_ = nullptr;
  QLabel* lblFormato_ = nullptr;
  QTableWidget* grdColonne_ = nullptr;
  QTableWidget* grdAnteprima_ = nullptr;
  QLabel* lblRiepilogo_ = nullptr;
  QCheckBox* chkSaltaDoppioni_ = nullptr;
  QProgressBar* prgImporta_ = nullptr;
  QPushButton* btnImporta_ = nullptr;
  QPushButton* btnChiudi_ = nullptr;
};
