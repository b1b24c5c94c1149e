#include "editors/workspacewindow.h"

#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "dialogs/tfrmguida.h"
#include "editors/editormessages.h"
#include "editors/editorworkflow.h"
#include "editors/workspaceshortcuts.h"
#include "platform/guardedaction.h"
#include "widgets/controls.h"
#include "widgets/enterfocuschain.h"
#include "widgets/fonts.h"
#include "widgets/helpline.h"
#include "widgets/namedchild.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"
#include "widgets/windowshortcuts.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QSize kPanelSize(994, 692);
const QSize kToolSize(37, 39);
const QSize kWideSize(148, 32);

// The toolbar buttons every workspace has.
const ToolButton kNuovo{"cmdNuovo", ":/icons/document-new.svg", "Nuovo",
                        "Prepara la schermata per l'inserimento di una nuova scheda."};
const ToolButton kDuplica{
    "cmdDuplica", ":/icons/edit-copy.svg", "Duplica",
    "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."};
const ToolButton kSalva{"cmdSalva", ":/icons/document-save.svg", "Salva",
                        "Salva la scheda corrente in archivio."};
const ToolButton kTrova{"cmdTrova", ":/icons/edit-find.svg", "Trova",
                        "Trova una scheda in archivio."};
const ToolButton kPrimo{"cmdPrimo", ":/icons/go-first.svg", "Prima scheda",
                        "Visualizza la prima scheda in archivio."};
const ToolButton kIndietro{"cmdIndietro", ":/icons/go-previous.svg", "Scheda precedente",
                           "Visualizza la scheda precedente in archivio."};
const ToolButton kAvanti{"cmdAvanti", ":/icons/go-next.svg", "Scheda successiva",
                         "Visualizza la scheda successiva in archivio."};
const ToolButton kUltimo{"cmdUltimo", ":/icons/go-last.svg", "Ultima scheda",
                         "Visualizza l'ultima scheda in archivio."};
const ToolButton kEsporta{"cmdEsporta", ":/icons/x-office-spreadsheet.svg",
                          "Esporta in Microsoft Excel",
                          "Esporta l'archivio in un file di Microsoft Excel."};
const ToolButton kGuida{"cmdGuida", ":/icons/help-contents.svg", "Guida",
                        "Visualizza la pagina della guida in linea sensibile al contesto."};
const ToolButton kEsci{"cmdEsci", ":/icons/application-exit.svg", "Esci",
                       "Esci da questa schermata di lavoro."};

const ToolButton kToday{"impData", ":/art/calendario.svg", "Inserisci la data corrente",
                        "Inserisci la data corrente."};

}  // namespace

const ToolButton WorkspaceWindow::kImportRecipient{
    "impDestinatario", ":/art/import.svg", "Importa il destinatario dall'archivio anagrafico",
    "Importa i dati dall'archivio anagrafico."};
const ToolButton WorkspaceWindow::kImportSender{"impMittente", ":/art/import.svg",
                                                "Importa il mittente dall'archivio anagrafico",
                                                "Importa i dati dall'archivio anagrafico."};

WorkspaceWindow::WorkspaceWindow(const WorkspaceLook& def, QWidget* parent)
    : GradientWidget(Palette::kWorkspaceTop, Palette::kWhite, parent),
      look_(def),
      panel_(new QWidget(this)),
      keys_(new EnterFocusChain(this)),
      shortcuts_(new WindowShortcuts(this)) {
  setWindowTitle(QString::fromUtf8(def.caption));
  setMinimumSize(kPanelSize);
  resize(1016, 713);
  panel_->setObjectName(u"panContainer"_s);
  panel_->setFixedSize(kPanelSize);
  buildHelpBar();
  buildToolbar();
}

PictureButton* WorkspaceWindow::button(const QString& name) const {
  return namedChild<PictureButton>(*panel_, name);
}

QWidget* WorkspaceWindow::addSheet(const QRect& geometry, QColor fill, QColor border,
                                   int borderWidth) {
  auto* sheet = new PanelBox(fill, border, borderWidth, panel_);
  sheet->setGeometry(geometry);
  sheets_.append(sheet);
  for (auto it = sheets_.rbegin(); it != sheets_.rend(); ++it) (*it)->lower();
  return sheet;
}

PictureButton* WorkspaceWindow::addToolButton(const ToolButton& def, QWidget* parent, QPoint at,
                                              QSize size) {
  auto* b = new PictureButton(QString::fromLatin1(def.name), QString::fromLatin1(def.picture), size,
                              QString::fromUtf8(def.purpose), parent);
  b->move(at);
  help_->addHint(b, QString::fromUtf8(def.hint));
  QList<QKeySequence> keys;
  for (const QString& key : WorkspaceShortcuts::keysFor(b->objectName()))
    keys << QKeySequence(key, QKeySequence::PortableText);
  if (!keys.isEmpty()) shortcuts_->add(keys, b);
  return b;
}

PictureButton* WorkspaceWindow::addFieldButton(const ToolButton& def, QPoint at) {
  return addToolButton(def, panel_, at, QSize(22, 22));
}

PictureButton* WorkspaceWindow::addWideButton(const ToolButton& def, QPoint at) {
  return addToolButton(def, panel_, at, kWideSize);
}

void WorkspaceWindow::addTodayButton(QPoint at) {
  connect(addFieldButton(kToday, at), &QToolButton::clicked, this, guarded(this, [this] {
            namedChild<QLineEdit>(*panel_, u"txtData"_s)
                ->setText(QDate::currentDate().toString(u"dd/MM/yyyy"_s));
          }));
}

void WorkspaceWindow::buildToolbar() {
  struct Group {
    int x, width;
  };
  const Group groups[] = {{16, 172}, {192, 164}, {360, 164}, {528, 250}, {782, 90}, {876, 90}};
  for (const Group& g : groups) {
    auto* box = addSheet(QRect(g.x, 20, g.width, 51), Palette::kWhite, Palette::kSheetOutline);
    box->setObjectName(u"shpToolbar"_s);
  }
  auto place = [this](const ToolButton& def, int x) {
    addToolButton(def, panel_, QPoint(x, 26), kToolSize);
  };
  place(kNuovo, 20);
  place(kDuplica, 61);
  place(kSalva, 102);
  place(kTrova, 143);
  addToolButton(look_.wideButtons[0], panel_, QPoint(200, 28), kWideSize);
  addToolButton(look_.wideButtons[1], panel_, QPoint(368, 28), kWideSize);
  place(kPrimo, 532);
  place(kIndietro, 573);
  QLabel* position = Controls::label(u"lblPosizione"_s, {}, QRect(614, 26, 74, 39),
                                     Fonts::verdana(12, true), panel_);
  position->setAlignment(Qt::AlignCenter);
  // Its name is the number it shows, as a screen reader should read it; what
  // the number means is its description.
  position->setAccessibleDescription(u"Numero della scheda in archivio"_s);
  help_->addNeutral(position);
  place(kAvanti, 692);
  place(kUltimo, 733);
  place(kEsporta, 786);
  place(look_.listButton, 827);
  place(kGuida, 880);
  place(kEsci, 921);

  connect(button(u"cmdGuida"_s), &QToolButton::clicked, this,
          guarded(this, &WorkspaceWindow::openGuide));
  connect(button(u"cmdEsci"_s), &QToolButton::clicked, this, &QWidget::close);
}

void WorkspaceWindow::buildHelpBar() {
  auto* bar = new PanelBox(Palette::kHelpBar, {}, 0, panel_);
  bar->setObjectName(u"shpInfo"_s);
  bar->setGeometry(16, 642, 962, 32);
  QLabel* line = Controls::label(u"panInfo"_s, EditorMessages::kReady, QRect(10, 0, 942, 32),
                                 Fonts::tahoma(12), bar);
  line->setStyleSheet(Palette::textColourStyle(Palette::kWhite));
  help_ = new HelpLine(line, this);
}

void WorkspaceWindow::setWorkflow(EditorWorkflow* workflow) {
  workflow_ = workflow;
  const std::pair<const char*, void (EditorWorkflow::*)()> actions[] = {
      // clang-format off
      {"cmdNuovo", &EditorWorkflow::clear},  {"cmdSalva", &EditorWorkflow::save},
      // clang-format on
      {"cmdDuplica", &EditorWorkflow::duplicate},
      {"cmdPrimo", &EditorWorkflow::first},
      {"cmdIndietro", &EditorWorkflow::previous},
      {"cmdAvanti", &EditorWorkflow::next},
      {"cmdUltimo", &EditorWorkflow::last}};
  for (const auto& [name, action] : actions)
    connect(button(QString::fromLatin1(name)), &QToolButton::clicked, workflow,
            guarded(this, [workflow, action] { (workflow->*action)(); }));
}

void WorkspaceWindow::connectClick(const QString& buttonName, std::function<void()> action) {
  connect(button(buttonName), &QToolButton::clicked, this, guarded(this, std::move(action)));
}

void WorkspaceWindow::openGuide() {
  TfrmGuida::open(this, QString::fromUtf8(look_.guideTitle), look_.guideText());
}

void WorkspaceWindow::showEvent(QShowEvent* event) {
  GradientWidget::showEvent(event);
  // A window restored by the window system keeps its card; only our own
  // showing starts a new one.
  if (!event->spontaneous() && workflow_) workflow_->clear();
}

void WorkspaceWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

void WorkspaceWindow::resizeEvent(QResizeEvent* event) {
  GradientWidget::resizeEvent(event);
  panel_->move((width() - panel_->width()) / 2, (height() - panel_->height()) / 2);
}

}  // namespace velinda
