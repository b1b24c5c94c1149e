#include "export/exportscreen.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QShowEvent>
#include <QTableView>

#include "archive/archiveerror.h"
#include "core/programfolder.h"
#include "dialogs/tfrmguida.h"
#include "export/exportgridmodel.h"
#include "export/formats/sheetformats.h"
#include "export/gridsheet.h"
#include "export/spreadsheetwriter.h"
#include "platform/filechooser.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "records/screenkeys.h"
#include "widgets/busycursor.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/gradientwidget.h"
#include "widgets/helpline.h"
#include "widgets/namedchild.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"
#include "widgets/progressstrip.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kReady = u"Esportazione archivio in Microsoft Excel."_s;

const QString kAskExport =
    u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
    "numero di schede presenti in archivio."_s +
    u"\r\n\r\n"_s + u"Si vuole esportare i dati adesso?"_s;
const QString kAskOpen = u"Le schede in archivio sono state esportate con successo."_s +
                         u"\r\n\r\n"_s + u"Si vuole aprire il file di Excel?"_s;
const QString kExportFailure = u"Attenzione: il sistema non permette di esportare i dati."_s +
                               u"\n\r\n\r"_s +
                               u"Accertarsi che il file di Excel non sia già aperto."_s;

const QString kAskOpenSaved = u"Le schede in archivio sono state salvate nel file scelto."_s +
                              u"\r\n\r\n"_s + u"Si vuole aprire il file?"_s;

struct ButtonSpec {
  const char* name;
  const char* picture;
  QRect geometry;
  const char* purpose;
  const char* hint;
};

const ButtonSpec kButtons[] = {
    {"cmdEsporta", ":/icons/x-office-spreadsheet.svg", QRect(566, 15, 49, 50), "Esporta archivio",
     "Esporta l'archivio in formato Microsoft Excel."},
    {"cmdSalvaCome", ":/icons/document-save-as.svg", QRect(617, 15, 49, 50), "Salva come…",
     "Salva l'archivio in formato OpenDocument (.ods), Excel (.xlsx) o CSV."},
    {"cmdGuida", ":/icons/help-contents.svg", QRect(670, 13, 50, 55), "Guida",
     "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", ":/icons/application-exit.svg", QRect(766, 15, 40, 50), "Esci",
     "Esci da questo ambiente di lavoro."},
};

// A picture button that Tab reaches and that has its key from the table.
void takesKeys(PictureButton* button) {
  button->setFocusPolicy(Qt::StrongFocus);
  Controls::pressedByEnter(button);
  const QKeySequence key(ScreenKeys::keysFor(button->objectName()));
  if (key.isEmpty()) return;
  // A cell being typed into keeps Esc for itself: Qt asks it first.
  button->setShortcut(key);
  button->showShortcut(key);
}

}  // namespace

ExportScreen::ExportScreen(const ExportTable& table, QWidget* parent)
    : DialogFrame(table.caption, QSize(862, 560), Placement::CentreOfScreen, parent),
      table_(table) {
  QPalette grey = palette();
  grey.setColor(QPalette::Window, Palette::kExportGrey);
  setPalette(grey);
  buildControls();
}

QString ExportScreen::outputPath() const { return ProgramFolder::filePath(table_.outputFile); }

void ExportScreen::buildControls() {
  auto* panel = new PanelBox(Palette::kExportGrey, Palette::kExportPanelOutline, 1, this);
  panel->setObjectName(u"pnlExport"_s);
  panel->setGeometry(12, 13, 837, 533);

  auto* sfondo = new PanelBox(Palette::kWhite, {}, 0, panel);
  sfondo->setObjectName(u"shpSfondo"_s);
  sfondo->setGeometry(8, 8, 821, 65);
  // Positions inside the white box are given from the panel's corner.
  const QPoint inSfondo(-8, -8);
  Controls::picture(u"imgLogo"_s, u":/art/logo.svg"_s, QRect(13, 13, 505, 55).translated(inSfondo),
                    sfondo);
  Controls::picture(u"icoHand"_s, u":/icons/go-next.svg"_s,
                    QRect(528, 32, 31, 25).translated(inSfondo), sfondo);

  auto* bar = new PanelBox(Palette::kSlateBlue, {}, 0, panel);
  bar->setObjectName(u"shpInfo"_s);
  bar->setGeometry(8, 493, 821, 32);
  info_ = Controls::label(u"panInfo"_s, kReady, QRect(6, 0, 809, 32), Fonts::tahoma(12), bar);
  info_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  info_->setStyleSheet(Palette::textColourStyle(Palette::kWhite));
  progress_ = new ProgressStrip(u"prgEsporta"_s, info_, info_->font(), Palette::kWhite,
                                Palette::kSlateBlue);

  buildGrid(panel);

  auto* help = new HelpLine(info_, this);

  for (const ButtonSpec& def : kButtons) {
    auto* button =
        new PictureButton(QString::fromLatin1(def.name), QString::fromLatin1(def.picture),
                          def.geometry.size(), QString::fromUtf8(def.purpose), sfondo);
    button->move(def.geometry.topLeft() + inSfondo);
    help->addHint(button, QString::fromUtf8(def.hint));
    // Made after the grid: the grid has the focus first, and Tab goes on
    // to the buttons in this order.
    takesKeys(button);
  }
  connect(namedChild<QToolButton>(*this, u"cmdEsporta"_s), &QToolButton::clicked, this,
          guarded(this, &ExportScreen::exportSpreadsheet));
  connect(namedChild<QToolButton>(*this, u"cmdSalvaCome"_s), &QToolButton::clicked, this,
          guarded(this, &ExportScreen::saveAs));
  connect(namedChild<QToolButton>(*this, u"cmdGuida"_s), &QToolButton::clicked, this,
          guarded(this, &ExportScreen::openGuide));
  connect(namedChild<QToolButton>(*this, u"cmdEsci"_s), &QToolButton::clicked, this,
          &QDialog::accept);
}

void ExportScreen::buildGrid(QWidget* panel) {
  model_ = new ExportGridModel(table_, this);
  grid_ = new QTableView(panel);
  grid_->setObjectName(u"grdRecords"_s);
  grid_->setModel(model_);
  grid_->setAccessibleName(u"Schede in archivio"_s);
  grid_->setGeometry(8, 80, 821, 409);
  grid_->setAlternatingRowColors(true);
  // The arrows move between cells; Tab leaves the grid.
  grid_->setTabKeyNavigation(false);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setMinimumSectionSize(21);
  grid_->verticalHeader()->setDefaultSectionSize(21);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->setColumnWidth(0, 60);
  for (int c = 0; c < table_.columns.size(); ++c)
    grid_->setColumnWidth(c + 1, table_.columns[c].gridWidth);
}

void ExportScreen::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  if (!filled_ && !event->spontaneous()) {
    filled_ = true;
    fillGrid();
  }
}

void ExportScreen::fillGrid() {
  try {
    model_->fill();
  } catch (const ArchiveError& error) {
    // A grid that lacks records would pass for the archive, and be saved
    // and exported as the whole of it: the user is told, and the screen
    // goes.
    Services::messages().plain(this, error.userMessage());
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
  }
}

void ExportScreen::commitPendingEdit() {
  // A button's key presses it with the focus still in a cell being typed
  // into, which would otherwise keep its new text to itself.
  QWidget* focused = QApplication::focusWidget();
  if (focused && focused != grid_ && grid_->isAncestorOf(focused)) grid_->setFocus();
}

void ExportScreen::writeDocument() {
  // A plain file, not a save-and-rename: a half-written export is left for
  // the user to see, and a file held open elsewhere must fail here rather
  // than be swapped underneath its reader.
  QFile file(outputPath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw SpreadsheetWriteError(file.errorString().toStdString());
  const BusyCursor busy;
  SpreadsheetWriter writer(file);
  writer.writeStart(table_.worksheetName, table_.columns);
  const int rows = model_->rowCount();
  progress_->start(u"Schede esportate:"_s, rows);
  const auto done = qScopeGuard([this] { progress_->finish(); });
  for (int row = 0; row < rows; ++row) {
    writer.writeRow(model_->exportedRow(row));
    progress_->advance(row + 1);
  }
  writer.writeEnd();
  if (!file.flush()) throw SpreadsheetWriteError(file.errorString().toStdString());
  file.close();
}

void ExportScreen::exportSpreadsheet() {
  commitPendingEdit();
  if (!Services::messages().confirm(this, kAskExport)) return;
  try {
    writeDocument();
    if (Services::messages().confirm(this, kAskOpen))
      Services::shell().open(ShellTarget::file(outputPath()));
  } catch (const std::exception&) {
    Services::messages().plain(this, kExportFailure);
  }
}

SheetContent ExportScreen::sheetContent() const { return gridSheet(*model_, table_); }

void ExportScreen::saveAs() {
  commitPendingEdit();
  const QList<SheetFormat>& formats = SheetFormats::all();
  FileQuestion question{u"Salva come"_s,
                        {},
                        ProgramFolder::filePath(QFileInfo(table_.outputFile).completeBaseName())};
  for (const SheetFormat& format : formats) question.filters.append(format.filter);
  const FileAnswer answer = FileChoosers::current().chooseFileToWrite(this, question);
  if (answer.path.isEmpty()) return;
  // The extension typed wins over the file type left selected.
  const SheetFormat* format = SheetFormats::forPath(answer.path);
  if (!format) format = &formats.at(qBound(0, answer.filter, int(formats.size()) - 1));
  try {
    SheetContent sheet = sheetContent();
    const BusyCursor busy;
    progress_->start(u"Schede salvate:"_s, sheet.rowCount);
    const auto done = qScopeGuard([this] { progress_->finish(); });
    sheet.progress = [this](int written) { progress_->advance(written); };
    SheetFormats::save(*format, sheet, answer.path);
  } catch (const SheetFileError& error) {
    Services::messages().plain(this, error.userMessage());
    return;
  }
  if (Services::messages().confirm(this, kAskOpenSaved))
    Services::shell().open(ShellTarget::file(answer.path));
}

void ExportScreen::openGuide() { TfrmGuida::open(this, table_.guideTitle, table_.guideText); }

}  // namespace velinda
