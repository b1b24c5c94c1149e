#include "contactimport/tfrmimportacontatti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

#include "archive/archiveerror.h"
#include "archive/layouts.h"
#include "archive/tarchivio.h"
#include "attachments/filechooser.h"
#include "contactimport/cardtargets.h"
#include "contactimport/contactfile.h"
#include "contactimport/importmessages.h"
#include "core/text.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "search/screenpieces.h"
#include "widgets/controls.h"
#include "widgets/fieldhighlight.h"
#include "widgets/namedchild.h"
#include "widgets/palette.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kClientSize{960, 648};
const QString kCaption = u" Importa contatti nell'archivio anagrafico"_s;
const QString kNotImported = u"(non importare)"_s;
// Contacts imported between two repaints of the progress bar.
constexpr int kProgressStep = 25;

QTableWidget* makeGrid(const QString& name, const QString& accessibleName, const QRect& geometry,
                       QWidget* parent) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(name);
  grid->setAccessibleName(accessibleName);
  grid->setGeometry(geometry);
  grid->setAlternatingRowColors(true);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(24);
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return grid;
}

// A target's text on a card: the CAP and the province joined from their
// one-character fields.
QString storedText(const TScheda& card, const QString& key) {
  if (key == CardTargets::kCap || key == CardTargets::kProvince) {
    const QString prefix = key == CardTargets::kCap ? u"Cap"_s : u"Prov"_s;
    const int count = key == CardTargets::kCap ? 5 : 2;
    QString joined;
    for (int i = 1; i <= count; ++i) joined += card.text(prefix + u'0' + QString::number(i));
    return joined;
  }
  return card.text(key);
}

// The first value of the column that is not empty, as an example of what
// the column holds.
QString example(const ContactTable& table, const QString& name) {
  for (const ContactRow& row : table.rows) {
    for (const NamedValue& v : row) {
      if (v.name == name && !Text::trimmed(v.value).isEmpty()) return v.value.simplified();
    }
  }
  return {};
}

}  // namespace

TfrmImportaContatti::TfrmImportaContatti(QWidget* parent)
    : DialogFrame(kCaption, kClientSize, Placement::CentreOfOwner, parent) {
  setObjectName(u"TfrmImportaContatti"_s);
  buildControls();
  clear();
  namedChild<QPushButton>(*this, u"btnSfoglia"_s)->setFocus();
}

void TfrmImportaContatti::buildControls() {
  // Captions and information lines are in the screen's small Verdana.
  const QFont small = ScreenPieces::verdana(10);
  QLabel* title = Controls::label(u"lblTitolo"_s, u"Importa contatti da un file CSV o vCard"_s,
                                  QRect(16, 10, 928, 30), ScreenPieces::verdana(14, true), this);
  title->setStyleSheet(Palette::textColourStyle(Palette::kWorkspaceTop));

  txtFile_ = new QLineEdit(this);
  txtFile_->setObjectName(u"txtFile"_s);
  txtFile_->setGeometry(16, 68, 790, 26);
  txtFile_->setReadOnly(true);
  txtFile_->setAccessibleName(u"File da importare"_s);
  FieldHighlight::apply(txtFile_);
  Controls::label(u"lblFile"_s, u"File da importare:"_s, QRect(16, 48, 400, 18), small, this)
      ->setBuddy(txtFile_);
  auto* browse =
      ScreenPieces::button(u"btnSfoglia"_s, u"Sfoglia..."_s, QRect(816, 66, 128, 30), this);
  browse->setToolTip(u"Scegli il file CSV o vCard dei contatti"_s);
  connect(browse, &QPushButton::clicked, this, guarded(this, &TfrmImportaContatti::chooseFile));

  lblFormato_ = Controls::label(u"lblFormato"_s, {}, QRect(16, 100, 928, 20), small, this);

  grdColonne_ = makeGrid(u"grdColonne"_s, u"Colonne del file e campi della scheda"_s,
                         QRect(16, 148, 512, 330), this);
  grdColonne_->setColumnCount(3);
  grdColonne_->setHorizontalHeaderLabels(
      {u"Colonna del file"_s, u"Esempio"_s, u"Campo della scheda"_s});
  grdColonne_->setColumnWidth(0, 130);
  grdColonne_->setColumnWidth(1, 125);
  grdColonne_->horizontalHeader()->setStretchLastSection(true);
  Controls::label(u"lblColonne"_s, u"Dove va ogni colonna del file:"_s, QRect(16, 128, 512, 18),
                  small, this)
      ->setBuddy(grdColonne_);

  grdAnteprima_ = makeGrid(u"grdAnteprima"_s, u"Anteprima delle prime schede"_s,
                           QRect(540, 148, 404, 330), this);
  Controls::label(u"lblAnteprima"_s, u"Le prime schede, come saranno salvate:"_s,
                  QRect(540, 128, 404, 18), small, this)
      ->setBuddy(grdAnteprima_);

  lblRiepilogo_ = Controls::label(u"lblRiepilogo"_s, {}, QRect(16, 488, 928, 54), small, this);
  lblRiepilogo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  chkSaltaDoppioni_ = new QCheckBox(this);
  chkSaltaDoppioni_->setObjectName(u"chkSaltaDoppioni"_s);
  chkSaltaDoppioni_->setGeometry(16, 544, 928, 22);
  chkSaltaDoppioni_->setFont(ScreenPieces::verdana(10));
  chkSaltaDoppioni_->setChecked(true);
  connect(chkSaltaDoppioni_, &QCheckBox::toggled, this,
          guarded(this, &TfrmImportaContatti::showSummary));

  prgImporta_ = new QProgressBar(this);
  prgImporta_->setObjectName(u"prgImporta"_s);
  prgImporta_->setAccessibleName(u"Avanzamento dell'importazione"_s);
  prgImporta_->setGeometry(16, 574, 928, 20);

  btnImporta_ =
      ScreenPieces::button(u"btnImporta"_s, u"Importa"_s, QRect(680, 604, 128, 32), this);
  btnImporta_->setToolTip(u"Aggiungi i contatti all'archivio anagrafico"_s);
  btnChiudi_ =
      ScreenPieces::button(u"btnChiudi"_s, u"Chiudi"_s, QRect(816, 604, 128, 32), this);
  connect(btnImporta_, &QPushButton::clicked, this,
          guarded(this, &TfrmImportaContatti::importContacts));
  connect(btnChiudi_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmImportaContatti::clear() {
  table_.reset();
  mapping_.clear();
  known_.reset();
  survey_ = {};
  txtFile_->clear();
  lblFormato_->setText(u"Scegliere il file con il pulsante Sfoglia."_s);
  grdColonne_->setRowCount(0);
  grdAnteprima_->clear();
  grdAnteprima_->setRowCount(0);
  grdAnteprima_->setColumnCount(0);
  lblRiepilogo_->clear();
  chkSaltaDoppioni_->setText(ImportMessages::skipKnown(0));
  chkSaltaDoppioni_->setEnabled(false);
  prgImporta_->setRange(0, 1);
  prgImporta_->setValue(0);
  btnImporta_->setEnabled(false);
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
  clear();
  try {
    ContactTable table = ContactFile::read(path);
    TArchivio archive(addressBookArchive());
    archive.Open();
    known_ = KnownCards::fromArchive(archive);
    archive.Close();
    table_ = std::move(table);
  } catch (const ContactFileError& error) {
    Services::messages().show(this, MessageKind::Warning, error.message());
    return;
  } catch (const ArchiveError& error) {
    Services::messages().show(this, MessageKind::Error, error.userMessage());
    return;
  }
  txtFile_->setText(path);
  lblFormato_->setText(u"%1: %2 contatti."_s.arg(table_->format,
                                                 ImportMessages::number(int(table_->rows.size()))));
  mapping_ = proposeMapping(table_->names);
  showMapping();
  mappingChanged();
  btnImporta_->setEnabled(true);
}

void TfrmImportaContatti::showMapping() {
  grdColonne_->setRowCount(int(mapping_.size()));
  for (int row = 0; row < mapping_.size(); ++row) {
    const ColumnRule& rule = mapping_[row];
    grdColonne_->setItem(row, 0, new QTableWidgetItem(rule.name));
    grdColonne_->setItem(row, 1, new QTableWidgetItem(example(*table_, rule.name)));
    auto* choice = new QComboBox(grdColonne_);
    choice->setObjectName(u"cmbCampo%1"_s.arg(row + 1));
    choice->setAccessibleName(u"Campo della scheda per la colonna %1"_s.arg(rule.name));
    choice->addItem(kNotImported, QString());
    for (const CardTarget& target : CardTargets::all()) choice->addItem(target.caption, target.key);
    choice->setCurrentIndex(qMax(0, choice->findData(rule.target)));
    connect(choice, &QComboBox::currentIndexChanged, this, guarded(this, [this, row, choice] {
              mapping_[row].target = choice->currentData().toString();
              mappingChanged();
            }));
    grdColonne_->setCellWidget(row, 2, choice);
  }
}

void TfrmImportaContatti::mappingChanged() {
  showPreview();
  showSurvey();
}

void TfrmImportaContatti::showPreview() {
  const QList<BuiltCard> cards = AddressBookImport(*table_, mapping_).firstCards(kPreviewRows);
  // A column for every field that one of the cards fills.
  QList<const CardTarget*> shown;
  for (const CardTarget& target : CardTargets::all()) {
    if (target.key == CardTargets::kFirm || target.key == CardTargets::kCountry) continue;
    for (const BuiltCard& card : cards) {
      if (!storedText(card.record, target.key).isEmpty()) {
        shown.append(&target);
        break;
      }
    }
  }
  grdAnteprima_->clear();
  grdAnteprima_->setColumnCount(int(shown.size()));
  grdAnteprima_->setRowCount(int(cards.size()));
  for (int c = 0; c < shown.size(); ++c) {
    grdAnteprima_->setHorizontalHeaderItem(c, new QTableWidgetItem(shown[c]->caption));
    for (int r = 0; r < cards.size(); ++r)
      grdAnteprima_->setItem(r, c,
                             new QTableWidgetItem(storedText(cards[r].record, shown[c]->key)));
  }
  grdAnteprima_->resizeColumnsToContents();
}

void TfrmImportaContatti::showSurvey() {
  survey_ = AddressBookImport(*table_, mapping_).survey(*known_);
  chkSaltaDoppioni_->setText(ImportMessages::skipKnown(survey_.known));
  chkSaltaDoppioni_->setEnabled(survey_.known > 0);
  showSummary();
}

void TfrmImportaContatti::showSummary() {
  lblRiepilogo_->setText(table_ ? ImportMessages::survey(survey_, chkSaltaDoppioni_->isChecked())
                                : QString());
}

void TfrmImportaContatti::importContacts() {
  if (!table_) return;
  AddressBookImport import(*table_, mapping_);
  if (survey_.imported == 0) {
    Services::messages().show(this, MessageKind::Warning, ImportMessages::kNoNames);
    return;
  }
  const bool skipKnown = chkSaltaDoppioni_->isChecked();
  btnImporta_->setEnabled(false);
  btnChiudi_->setEnabled(false);
  prgImporta_->setRange(0, int(table_->rows.size()));
  try {
    import.run(skipKnown, [this](int done, int total) {
      if (done % kProgressStep != 0 && done != total) return;
      prgImporta_->setValue(done);
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
  } catch (const ArchiveError& error) {
    // The cards appended so far stay; a second try leaves them out as
    // known, while the box is ticked.
    btnImporta_->setEnabled(true);
    btnChiudi_->setEnabled(true);
    Services::messages().show(this, MessageKind::Error,
                              ImportMessages::failed(error, import.counts()));
    return;
  }
  btnChiudi_->setEnabled(true);
  Services::messages().show(this, MessageKind::Information,
                            ImportMessages::done(import.counts(), skipKnown));
  accept();
}
