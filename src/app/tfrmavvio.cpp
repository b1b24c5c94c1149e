#include "app/tfrmavvio.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <algorithm>

#include "archive/archivekinds.h"
#include "core/unknownname.h"
#include "dialogs/guidetexts.h"
#include "dialogs/publisher.h"
#include "dialogs/tfrmguida.h"
#include "dialogs/tfrminfo.h"
#include "dialogs/tfrmsplash.h"
#include "editors/workspacewindow.h"
#include "platform/guardedaction.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "records/screenkeys.h"
#include "widgets/controls.h"
#include "widgets/namedchild.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"
#include "widgets/shortcuttip.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QSize kPanelSize(995, 692);

struct Column {
  ArchiveKind archive;
  int centre;
  const char* picture;
  const char* pictureName;
  QSize pictureSize;
  const char* buttonName;
  const char* appName;
  const char* artStem;
  const char* purpose;
};

const Column kColumns[] = {
    // clang-format off
    {ArchiveKind::AddressBook, 166, "menu_anagrafica", "imgAnagrafica", {156, 200}, "btnAnagrafica", "appAnagrafica",
     "anagrafica", "Apri l'archivio anagrafico"},
    {ArchiveKind::Acceptance, 497, "menu_accettazione", "imgAccettazione", {288, 191}, "btnAccettazione",
     "appAccettazione", "accettazione", "Apri le ricevute di accettazione"},
    {ArchiveKind::ReturnReceipt, 828, "menu_ricevimento", "imgRicevimento", {288, 206}, "btnRicevimento", "appRicevimento",
     "ricevimento", "Apri gli avvisi di ricevimento"},
    // clang-format on
};

QString art(const char* stem) { return u":/art/"_s + QString::fromLatin1(stem) + u".svg"_s; }

QKeySequence keyOf(const QString& entry) {
  return QKeySequence(ScreenKeys::keysFor(entry), QKeySequence::PortableText);
}

// An entry the keyboard reaches: Tab and the arrow keys stop on it, and its
// key, if it has one (shown in its tooltip), presses it from anywhere in the
// menu.
void reachable(PictureButton* entry) {
  entry->setFocusPolicy(Qt::StrongFocus);
  if (const QKeySequence key = keyOf(entry->objectName()); !key.isEmpty()) giveShortcut(entry, key);
}

}  // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent)
    : GradientWidget(Palette::kMenuTop, Palette::kWhite, parent),
      panel_(new PanelBox(Palette::kWhite, Palette::kSheetOutline, 1, this)) {
  setObjectName(u"TfrmAvvio"_s);
  setWindowTitle(u" Velinda - Menu principale"_s);
  setMinimumSize(kPanelSize);
  resize(1016, 713);
  panel_->setObjectName(u"panContainer"_s);
  panel_->setFixedSize(kPanelSize);

  Controls::picture(u"imgTitolo"_s, art("titolo"), QRect(64, 18, 866, 60), panel_);
  Controls::picture(u"imgSottotitolo"_s, art("sottotitolo"), QRect(17, 88, 961, 22), panel_);

  QList<QWidget*> readingOrder;
  for (const Column& c : kColumns) {
    const QString purpose = QString::fromUtf8(c.purpose);
    const QKeySequence key = keyOf(QString::fromLatin1(c.buttonName));
    const int pictureTop = 336 - c.pictureSize.height();
    auto* picture = new PictureButton(QString::fromLatin1(c.pictureName), art(c.picture),
                                      c.pictureSize, purpose, panel_);
    picture->move(c.centre - c.pictureSize.width() / 2, pictureTop);
    auto* button = new PictureButton(QString::fromLatin1(c.buttonName),
                                     art((std::string("btn_") + c.artStem).c_str()), QSize(306, 73),
                                     purpose, panel_);
    button->move(c.centre - 153, 350);
    // The column's three pictures do the same: the keyboard stops on the
    // button, and every one of them shows the key.
    reachable(button);
    picture->showShortcut(key);
    auto* app = new PictureButton(QString::fromLatin1(c.appName),
                                  art((std::string("app_") + c.artStem).c_str()), QSize(215, 127),
                                  purpose, panel_);
    app->move(c.centre - 107, 440);
    app->showShortcut(key);
    readingOrder << button;
  }

  auto* imgSito =
      new PictureButton(u"imgSito"_s, art("sito"), QSize(961, 22),
                        u"Visita il sito web di Velinda: "_s + Publisher::kWebAddressShown, panel_);
  reachable(imgSito);
  imgSito->move(17, 622);
  connect(imgSito, &QToolButton::clicked, this,
          guarded(this, [] { Services::shell().open(ShellTarget::web(Publisher::kWebAddress)); }));

  auto* imgInfo = new PictureButton(u"imgInfo"_s, art("info"), QSize(30, 30),
                                    u"Informazioni su Velinda"_s, panel_);
  imgInfo->move(10, 10);
  reachable(imgInfo);
  connect(imgInfo, &QToolButton::clicked, this, guarded(this, [this] {
            TfrmInfo info(this);
            info.exec();
          }));
  auto* imgGuida = new PictureButton(u"imgGuida"_s, art("guida"), QSize(29, 28),
                                     u"Guida all'utilizzo del software"_s, panel_);
  imgGuida->move(956, 10);
  reachable(imgGuida);
  connect(imgGuida, &QToolButton::clicked, this, guarded(this, &TfrmAvvio::openGuide));
  auto* imgSplash = new PictureButton(u"imgSplash"_s, art("splash_small"), QSize(23, 22),
                                      Publisher::kName, panel_);
  imgSplash->move(10, 660);
  reachable(imgSplash);
  connect(imgSplash, &QToolButton::clicked, this, guarded(this, [this] {
            TfrmSplash splash(this);
            splash.exec();
          }));
  auto* imgEsci =
      new PictureButton(u"imgEsci"_s, art("esci"), QSize(17, 18), u"Esci dal programma"_s, panel_);
  imgEsci->move(966, 664);
  reachable(imgEsci);
  connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::exitRequested);

  // Tab goes as the eye reads: the corners at the top, the three columns,
  // then the foot.
  readingOrder = QList<QWidget*>{imgInfo, imgGuida} + readingOrder +
                 QList<QWidget*>{imgSito, imgSplash, imgEsci};
  for (qsizetype i = 1; i < readingOrder.size(); ++i)
    setTabOrder(readingOrder[i - 1], readingOrder[i]);
  firstEntry_ = readingOrder[2];
}

// The first time, the keyboard starts on the first column; later, where it
// was when a workspace was opened.
void TfrmAvvio::showEvent(QShowEvent* event) {
  GradientWidget::showEvent(event);
  if (!focusWidget()) firstEntry_->setFocus();
}

// The arrow keys move among the entries as Tab does, as in a menu.
void TfrmAvvio::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      focusNextChild();
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      focusPreviousChild();
      return;
    default:
      GradientWidget::keyPressEvent(event);
  }
}

void TfrmAvvio::addWorkspace(WorkspaceWindow* workspace) {
  const auto* column = std::ranges::find(kColumns, workspace->archive(), &Column::archive);
  if (column == std::end(kColumns))
    throw UnknownName(u"TfrmAvvio", Archives::tagOf(workspace->archive()));
  for (const char* name : {column->pictureName, column->buttonName, column->appName}) {
    connect(namedChild<PictureButton>(*panel_, QString::fromLatin1(name)), &QToolButton::clicked,
            this, guarded(this, [this, workspace] { openWorkspace(workspace); }));
  }
  connect(workspace, &WorkspaceWindow::closed, this, [this, workspace] {
    showMaximized();
    workspace->hide();
  });
}

void TfrmAvvio::openWorkspace(WorkspaceWindow* workspace) {
  workspace->showMaximized();
  hide();
}

void TfrmAvvio::openGuide() {
  TfrmGuida::open(this, u"Uno sguardo a Velinda"_s, GuideTexts::overview());
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
  event->accept();
  emit exitRequested();
}

void TfrmAvvio::resizeEvent(QResizeEvent* event) {
  GradientWidget::resizeEvent(event);
  panel_->move((width() - panel_->width()) / 2, (height() - panel_->height()) / 2);
}

}  // namespace velinda
