#include "contactimport/tfrmimportacontatti.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTableView>
#include <initializer_list>

#include "archive/archiveerror.h"
#include "archive/layouts.h"
#include "archive/tarchivio.h"
#include "contactimport/cardpreviewmodel.h"
#include "contactimport/columnmappingmodel.h"
#include "contactimport/contactfile.h"
#include "contactimport/importmessages.h"
#include "contactimport/mappingview.h"
#include "platform/filechooser.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "widgets/controls.h"
#include "widgets/fieldhighlight.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kClientSize{960, 648};
const QString kCaption = u" Importa contatti nell'archivio anagrafico"_s;
const QString kMappingLabel = u"Dove va ogni colonna del file:"_s;
const QString kPreviewLabel = u"Anteprima delle schede, come saranno salvate:"_s;
// How often the screen looks up from reading a file, to show how far it
// got and to hear "Annulla".
constexpr qint64 kLookUpEvery = 50;
// The steps of the progress bar while a file is read.
constexpr int kReadSteps = 1000;
// The widest the preview's column of warnings opens.
constexpr int kWarningsWidth = 180;

// As on the list screens, Enter presses a button only while it has the focus.
const Controls::ButtonOptions kButtons{.enter = Controls::Enter::WhenFocused, .pointingHand = true};

void setUpGrid(QTableView* grid, const QString& name, const QString& label, const QRect& geometry) {
  grid->setObjectName(name);
  // A screen reader says the words the label above the grid shows.
  grid->setAccessibleName(QString(label).remove(u':'));
  grid->setGeometry(geometry);
  grid->setAlternatingRowColors(true);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(24);
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Only the rows on screen are measured: a file may have a hundred
  // thousand.
  grid->horizontalHeader()->setResizeContentsPrecision(0);
  grid->setTabKeyNavigation(false);
}

}  // namespace

TfrmImportaContatti::TfrmImportaContatti(QWidget* parent)
    : DialogFrame(kCaption, kClientSize, Placement::CentreOfOwner, parent) {
  setObjectName(u"TfrmImportaContatti"_s);
  if (parent) {
    opener_ = parent->window();
    openerFocus_ = opener_->focusWidget();
  }
  buildControls();
  surveyTimer_.setSingleShot(true);
  connect(&surveyTimer_, &QTimer::timeout, this,
          guarded(this, &TfrmImportaContatti::advanceSurvey));
  clear();
  btnSfoglia_->setFocus();
}

TfrmImportaContatti::~TfrmImportaContatti() = default;

void TfrmImportaContatti::buildControls() {
  // Captions and information lines are in the screen's small Verdana.
  const QFont small = Fonts::verdana(10);
  QLabel* title = Controls::label(u"lblTitolo"_s, u"Importa contatti da un file CSV o vCard"_s,
                                  QRect(16, 10, 928, 30), Fonts::verdana(14, true), this);
  title->setStyleSheet(Palette::textColourStyle(Palette::kWorkspaceTop));

  txtFile_ = new QLineEdit(this);
  txtFile_->setObjectName(u"txtFile"_s);
  txtFile_->setGeometry(16, 68, 790, 26);
  txtFile_->setReadOnly(true);
  txtFile_->setAccessibleName(u"File da importare"_s);
  FieldHighlight::apply(txtFile_);
  Controls::label(u"lblFile"_s, u"File da importare:"_s, QRect(16, 48, 400, 18), small, this)
      ->setBuddy(txtFile_);
  btnSfoglia_ =
      Controls::button(u"btnSfoglia"_s, u"Sfoglia..."_s, QRect(816, 66, 128, 30), this, kButtons);
  btnSfoglia_->setToolTip(u"Scegli il file CSV o vCard dei contatti"_s);
  connect(btnSfoglia_, &QPushButton::clicked, this,
          guarded(this, &TfrmImportaContatti::chooseFile));

  lblFormato_ = Controls::label(u"lblFormato"_s, {}, QRect(16, 100, 928, 20), small, this);

  mappingModel_ = new ColumnMappingModel(this);
  grdColonne_ = new MappingView(this);
  setUpGrid(grdColonne_, u"grdColonne"_s, kMappingLabel, QRect(16, 148, 512, 300));
  grdColonne_->setModel(mappingModel_);
  grdColonne_->horizontalHeader()->setStretchLastSection(true);
  Controls::label(u"lblColonne"_s, kMappingLabel, QRect(16, 128, 512, 18), small, this)
      ->setBuddy(grdColonne_);
  connect(mappingModel_, &ColumnMappingModel::mappingChanged, this,
          guarded(this, &TfrmImportaContatti::mappingChanged));

  previewModel_ = new CardPreviewModel(this);
  grdAnteprima_ = new QTableView(this);
  setUpGrid(grdAnteprima_, u"grdAnteprima"_s, kPreviewLabel, QRect(540, 148, 404, 300));
  grdAnteprima_->setModel(previewModel_);
  grdAnteprima_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdAnteprima_->setSelectionBehavior(QAbstractItemView::SelectRows);
  Controls::label(u"lblAnteprima"_s, kPreviewLabel, QRect(540, 128, 404, 18), small, this)
      ->setBuddy(grdAnteprima_);

  lblRiepilogo_ = Controls::label(u"lblRiepilogo"_s, {}, QRect(16, 456, 928, 72), small, this);
  lblRiepilogo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto makeChoice = [&](const QString& name, int y, bool checked) {
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    box->setGeometry(16, y, 928, 22);
    box->setFont(small);
    box->setChecked(checked);
    connect(box, &QCheckBox::toggled, this, guarded(this, &TfrmImportaContatti::optionsChanged));
    return box;
  };
  chkSaltaDoppioni_ = makeChoice(u"chkSaltaDoppioni"_s, 530, true);
  chkRigheIrregolari_ = makeChoice(u"chkRigheIrregolari"_s, 554, false);

  prgImporta_ = new QProgressBar(this);
  prgImporta_->setObjectName(u"prgImporta"_s);
  prgImporta_->setAccessibleName(u"Avanzamento della lettura o dell'importazione"_s);
  prgImporta_->setGeometry(16, 580, 792, 20);
  btnAnnulla_ =
      Controls::button(u"btnAnnulla"_s, u"Annulla"_s, QRect(816, 576, 128, 28), this, kButtons);
  btnAnnulla_->setToolTip(u"Smetti di leggere il file"_s);
  connect(btnAnnulla_, &QPushButton::clicked, this, [this] { giveUp_ = true; });

  btnImporta_ =
      Controls::button(u"btnImporta"_s, u"Importa"_s, QRect(680, 608, 128, 32), this, kButtons);
  btnImporta_->setToolTip(u"Aggiungi i contatti all'archivio anagrafico (Invio)"_s);
  btnChiudi_ =
      Controls::button(u"btnChiudi"_s, u"Chiudi"_s, QRect(816, 608, 128, 32), this, kButtons);
  connect(btnImporta_, &QPushButton::clicked, this,
          guarded(this, &TfrmImportaContatti::importContacts));
  connect(btnChiudi_, &QPushButton::clicked, this, &QDialog::reject);

  // Reading order; Tab leaves each grid for the next control.
  QWidget* order[] = {txtFile_,      btnSfoglia_,       grdColonne_,
                      grdAnteprima_, chkSaltaDoppioni_, chkRigheIrregolari_,
                      btnAnnulla_,   btnImporta_,       btnChiudi_};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TfrmImportaContatti::clear() {
  surveyTimer_.stop();
  survey_.reset();
  mappingModel_->reset(nullptr, {});
  previewModel_->reset(nullptr, {}, false);
  table_.reset();
  known_.reset();
  txtFile_->clear();
  lblFormato_->setText(u"Scegliere il file con il pulsante Sfoglia."_s);
  lblRiepilogo_->clear();
  chkSaltaDoppioni_->setText(ImportMessages::skipKnown(0));
  chkSaltaDoppioni_->setEnabled(false);
  chkRigheIrregolari_->setText(ImportMessages::includeMisfits(0));
  chkRigheIrregolari_->setEnabled(false);
  chkRigheIrregolari_->hide();
  // The bar shows only while something runs: at rest it would say "0%".
  prgImporta_->hide();
  btnAnnulla_->hide();
  btnImporta_->setEnabled(false);
  btnImporta_->setDefault(false);
}

void TfrmImportaContatti::setWorking(bool working) {
  for (QWidget* control : std::initializer_list<QWidget*>{btnSfoglia_, grdColonne_, grdAnteprima_,
                                                          chkSaltaDoppioni_, chkRigheIrregolari_})
    control->setEnabled(!working);
  if (working) btnImporta_->setEnabled(false);
  prgImporta_->setVisible(working);
  btnAnnulla_->setVisible(working && loading_);
  btnChiudi_->setEnabled(!working || loading_);
}

ImportOptions TfrmImportaContatti::options() const {
  return {chkSaltaDoppioni_->isChecked(), chkRigheIrregolari_->isChecked()};
}

void TfrmImportaContatti::chooseFile() {
  // Contacts come from elsewhere: the dialog starts in the user's documents.
  const FileQuestion question{
      ImportMessages::kChooseFile, ImportMessages::kFileTypes,
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/'};
  const FileAnswer answer = FileChoosers::current().chooseFileToRead(this, question);
  if (!answer.path.isEmpty()) load(answer.path);
}

void TfrmImportaContatti::load(const QString& path) {
  if (loading_) return;
  clear();
  loading_ = true;
  giveUp_ = false;
  prgImporta_->setFormat(u"Lettura del file: %p%"_s);
  prgImporta_->setValue(0);
  setWorking(true);
  btnAnnulla_->setFocus();
  std::unique_ptr<ContactTable> table;
  std::optional<KnownCards> known;
  std::optional<QString> failure;
  MessageKind failureKind = MessageKind::Warning;
  try {
    ContactFileLoader loader(path);
    prgImporta_->setRange(0, loader.size() > 0 ? kReadSteps : 0);
    QElapsedTimer sinceLook;
    sinceLook.start();
    while (!giveUp_ && loader.step()) {
      if (sinceLook.elapsed() < kLookUpEvery) continue;
      if (loader.size() > 0)
        prgImporta_->setValue(
            int(kReadSteps * qMin(1.0, double(loader.bytesRead()) / double(loader.size()))));
      // Lets "Annulla", "Chiudi" and the window system's requests through;
      // every other control is disabled while the file is read.
      QCoreApplication::processEvents();
      sinceLook.restart();
    }
    if (!giveUp_) {
      table = std::make_unique<ContactTable>(loader.finish());
      TArchivio archive(addressBookArchive());
      archive.Open();
      known = KnownCards::fromArchive(archive);
      archive.Close();
    }
  } catch (const ContactFileError& error) {
    failure = error.message();
  } catch (const ArchiveError& error) {
    failure = error.userMessage();
    failureKind = MessageKind::Error;
  }
  loading_ = false;
  setWorking(false);
  if (closeWhenLoaded_) {
    reject();
    return;
  }
  if (failure) {
    Services::messages().show(this, failureKind, *failure);
    btnSfoglia_->setFocus();
    return;
  }
  if (!table) {
    lblFormato_->setText(u"Lettura del file interrotta: non c'è nessun contatto da importare."_s);
    btnSfoglia_->setFocus();
    return;
  }
  table_ = std::move(table);
  known_ = std::move(known);
  txtFile_->setText(path);
  lblFormato_->setText(
      u"%1: %2."_s.arg(table_->format, ImportMessages::contacts(int(table_->rows.size()))));
  mappingModel_->reset(table_.get(), proposeMapping(table_->names));
  grdColonne_->setColumnWidth(ColumnMappingModel::kName, 130);
  grdColonne_->setColumnWidth(ColumnMappingModel::kExample, 125);
  showPreview();
  startSurvey();
  btnImporta_->setEnabled(true);
  btnImporta_->setDefault(true);
  grdColonne_->setFocus();
}

void TfrmImportaContatti::showPreview() {
  previewModel_->reset(table_.get(), mappingModel_->mapping(), options().includeMisfits);
  grdAnteprima_->resizeColumnsToContents();
  // A long warning is read whole in its tooltip; the card's fields stay in
  // sight beside it.
  grdAnteprima_->setColumnWidth(1, qMin(grdAnteprima_->columnWidth(1), kWarningsWidth));
}

void TfrmImportaContatti::mappingChanged() {
  showPreview();
  startSurvey();
}

void TfrmImportaContatti::optionsChanged() {
  if (!table_) return;
  showPreview();
  startSurvey();
}

// The counts of what the import would do are made a stretch of contacts at
// a time, between which the screen answers the user: a change of the mapping
// never waits for a whole large file.
void TfrmImportaContatti::startSurvey() {
  surveyTimer_.stop();
  survey_ = std::make_unique<ImportWalk>(*table_, mappingModel_->mapping(), *known_, options());
  advanceSurvey();
}

void TfrmImportaContatti::advanceSurvey() {
  if (!survey_) return;
  if (survey_->advance(kSurveyStretch)) {
    lblRiepilogo_->setText(u"Conteggio delle schede in corso: %1 su %2..."_s.arg(
        ImportMessages::contacts(int(survey_->done())),
        ImportMessages::number(int(survey_->total()))));
    surveyTimer_.start(0);
    return;
  }
  showSummary();
}

void TfrmImportaContatti::showSummary() {
  const ImportCounts& counts = survey_->counts();
  chkSaltaDoppioni_->setText(ImportMessages::skipKnown(counts.known));
  chkSaltaDoppioni_->setEnabled(counts.known > 0);
  chkRigheIrregolari_->setText(ImportMessages::includeMisfits(counts.misfits));
  chkRigheIrregolari_->setEnabled(counts.misfits > 0);
  chkRigheIrregolari_->setVisible(counts.misfits > 0);
  lblRiepilogo_->setText(ImportMessages::survey(counts));
}

void TfrmImportaContatti::importContacts() {
  if (!table_ || loading_) return;
  // The counts may still be under way: the import makes its own, and the
  // memory of the survey's goes back first.
  surveyTimer_.stop();
  survey_.reset();
  const ImportOptions chosen = options();
  AddressBookImport import(*table_, mappingModel_->mapping());
  prgImporta_->setFormat(u"%p%"_s);
  prgImporta_->setRange(0, int(table_->rows.size()));
  prgImporta_->setValue(0);
  setWorking(true);
  auto stopWorking = qScopeGuard([this] { setWorking(false); });
  try {
    import.run(chosen, [this](qsizetype done, qsizetype) {
      prgImporta_->setValue(int(done));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
}
catch (const ArchiveError& error) {
  // The cards appended so far stay; a second try leaves them out as
  // known, while the box is ticked.
  stopWorking.dismiss();
  setWorking(false);
  btnImporta_->setEnabled(true);
  Services::messages().show(this, MessageKind::Error,
                            ImportMessages::failed(error, import.counts()));
  startSurvey();
  return;
}
stopWorking.dismiss();
// clang-format off
  btnChiudi_->setEnabled(true);
  const ImportCounts& counts = import.counts();
  if (counts.imported == 0 && counts.known == 0 && counts.nameless > 0) {
    // Nothing was written: the user can say where the names are.
    setWorking(false);
    btnImporta_->setEnabled(true);
    Services::messages().show(this, MessageKind::Warning, ImportMessages::kNoNames);
    startSurvey();
    return;
  }
  const ImportMessages::FileNotes notes{table_->legacyLines, table_->legacyLineCount,
                                        mappingModel_->columnsLeftOut()};
  Services::messages().show(this, MessageKind::Information,
                            ImportMessages::done(import.counts(), chosen, notes));
  accept();
// clang-format on
}  // namespace velinda

void TfrmImportaContatti::reject() {
  // Closing while a file is read gives it up first.
  if (loading_) {
    giveUp_ = true;
    closeWhenLoaded_ = true;
    return;
  }
  DialogFrame::reject();
}

void TfrmImportaContatti::done(int result) {
  surveyTimer_.stop();
  DialogFrame::done(result);
  // Back to the address book, where the user was.
  if (opener_) {
    opener_->activateWindow();
    if (openerFocus_ && openerFocus_->window() == opener_)
      openerFocus_->setFocus(Qt::ActiveWindowFocusReason);
  }
}

}  // namespace velinda
