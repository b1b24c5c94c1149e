#include "print/tfrmstampaanagrafica.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/cardlayout.h"
#include "printaids/keyboardorder.h"
#include "printaids/pagepreview.h"
#include "report/printservice.h"
#include "widgets/controls.h"
#include "widgets/fixedwindow.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/shortcuttip.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u" Stampa scheda"_s;

const QString kExplanation =
    u"Questa funzione stampa su carta la scheda anagrafica corrente con i dati "
    "inseriti nella schermata di lavoro.\n\n"
    "Premere \"Stampa\" per avviare la stampa oppure \"Annulla\" per annullare "
    "l'operazione."_s;

constexpr QSize kLogoSize{587, 69};
constexpr QSize kPrinterSize{48, 48};
constexpr QSize kButtonSize{110, 30};

}  // namespace

TfrmStampaAnagrafica::TfrmStampaAnagrafica(FormTexts texts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | FixedWindow::kTitleBar),
      texts_(std::move(texts)),
      clock_([] { return QDateTime::currentDateTime(); }) {
  texts_.require(reads());
  setObjectName(u"TfrmStampaAnagrafica"_s);
  setWindowTitle(kCaption);
  setModal(true);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Palette::kWhite);
  setPalette(white);
  buildControls();
}

FormControls TfrmStampaAnagrafica::reads() { return CardLayout::controls(); }

void TfrmStampaAnagrafica::buildControls() {
  QLabel* logo =
      Controls::picture(u"imgLogo"_s, u":/art/logo.svg"_s, kLogoSize, this, u"Velinda"_s);
  QLabel* printer = Controls::picture(u"imgStampante"_s, u":/icons/document-print.svg"_s,
                                      kPrinterSize, this, u"Stampante"_s);

  auto* explanation = Controls::label(u"imgSpiegazione"_s, kExplanation, this);
  explanation->setWordWrap(true);
  explanation->setFont(Fonts::tahoma(10));

  auto* cancel = Controls::button(u"btnAnnulla"_s, u"Annulla"_s, kButtonSize, this,
                                  {.purpose = u"Chiudi senza stampare"_s, .pointingHand = true});
  auto* print = Controls::button(u"btnStampa"_s, u"Stampa"_s, kButtonSize, this,
                                 {.purpose = u"Stampa la scheda corrente"_s, .pointingHand = true});
  auto* preview =
      Controls::button(u"btnAnteprima"_s, u"Anteprima"_s, kButtonSize, this,
                       {.purpose = u"Mostra la scheda come sarà stampata"_s, .pointingHand = true});
  giveShortcut(preview, QKeySequence(Qt::CTRL | Qt::Key_F2));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(print, &QPushButton::clicked, this, guarded(this, &TfrmStampaAnagrafica::print));
  connect(preview, &QPushButton::clicked, this, guarded(this, [this] {
            if (PagePreview::askToPrint(this, {preparedPage()}, kCaption.trimmed())) this->print();
          }));

  auto* message = new QHBoxLayout;
  message->setSpacing(16);
  message->addWidget(printer, 0, Qt::AlignTop);
  message->addWidget(explanation, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(preview);
  buttons->addWidget(print);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(12, 12, 12, 12);
  page->setSpacing(14);
  page->addWidget(logo);
  page->addLayout(message);
  page->addLayout(buttons);
  page->setSizeConstraint(QLayout::SetFixedSize);
  KeyboardOrder::apply(this, print, print);
}

Page TfrmStampaAnagrafica::preparedPage() const {
  Page page = CardLayout::page();
  page.setOrientation(Orientation::Upright);
  CardLayout::fill(page, texts_, clock_());
  return page;
}

void TfrmStampaAnagrafica::print() {
  // A failure has no message of its own: the user sees it as any unexpected
  // failure (a printer's in its Italian words), and the screen stays open to
  // try again.
  runGuarded(this, [this] {
    const PrintOutcome outcome =
        PrintServices::printer().print(this, {preparedPage()}, kCaption.trimmed());
    if (outcome == PrintOutcome::Printed)
      accept();
    else
      reject();
  });
}

}  // namespace velinda
