#include "printjobs/envelopescreen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "archive/archiveerror.h"
#include "archive/layouts.h"
#include "archive/tarchivio.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/offsetcontrols.h"
#include "print/offsettext.h"
#include "print/printsettings.h"
#include "printaids/keyboardorder.h"
#include "printaids/pagepreview.h"
#include "printjobs/sendercardchooser.h"
#include "report/printservice.h"
#include "widgets/controls.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u" Stampa busta"_s;
const QString kDocumentName = u"Busta"_s;

const QString kExplanation =
    u"La busta si stampa in orizzontale: il destinatario cade nella finestra (90 × 45 mm, a "
    "20 mm dal bordo destro, o da quello sinistro, e a 15 mm dal bordo inferiore), il mittente "
    "in alto a sinistra. Se la stampa non cade nella finestra, correggere i margini del "
    "formato scelto e memorizzarli con \"Applica\"."_s;

const QString kNoRecipient =
    u"Attenzione: per stampare la busta è necessario indicare il destinatario."_s;

const QString kRecipientTooLong =
    u"Attenzione: l'indirizzo del destinatario non entra nella finestra della busta, neppure "
    "a caratteri più piccoli. Non è stato stampato nulla."_s +
    u"\r\n\r\n"_s + u"Abbreviare l'indirizzo (per esempio \"V.\" per \"Via\") e riprovare."_s;

const QString kSenderTooLong =
    u"Attenzione: l'indirizzo del mittente non entra nello spazio in alto a sinistra della "
    "busta, neppure a caratteri più piccoli. Non è stato stampato nulla."_s +
    u"\r\n\r\n"_s + u"Abbreviare l'indirizzo, oppure stampare la busta senza mittente."_s;

// Under [Stampa Busta]: the address-book card printed as the sender.
constexpr char kSenderCardKey[] = "Mittente";

const QString kNoSenderCard = u"Nessuna scheda scelta come mittente."_s;

const QString kPrintFailure = u"Attenzione: la stampa della busta non è andata a buon fine."_s +
                              u"\n\r\n\r"_s +
                              u"Si consiglia di controllare le impostazioni della stampante."_s;

}  // namespace

EnvelopeScreen::EnvelopeScreen(EnvelopeFrom from, FormTexts texts, QWidget* parent)
    : AidScreen(u"EnvelopeScreen"_s, kCaption, parent), from_(from), texts_(std::move(texts)) {
  texts_.require(reads(from_));
  buildControls();
  chooseSize(
      EnvelopeLayout::size(PrintSettings::read(QString::fromLatin1(EnvelopeLayout::kFormatSection),
                                               QString::fromLatin1(EnvelopeLayout::kFormatKey))));
  if (!EnvelopeAddresses::hasSender(from_)) {
    senderCard_ = PrintSettings::read(QString::fromLatin1(EnvelopeLayout::kFormatSection),
                                      QString::fromLatin1(kSenderCardKey))
                      .toInt();
    showSenderCard();
  }
  KeyboardOrder::apply(this, print_, sizeChoices_[&chosenSize() - EnvelopeLayout::sizes().data()]);
  // Connected only now, so that showing the stored size stores nothing. A
  // size ticked in any way (a click, the keyboard, an assistive tool) shows
  // its own offsets.
  const auto all = EnvelopeLayout::sizes();
  for (qsizetype i = 0; i < sizeChoices_.size(); ++i) {
    QRadioButton* choice = sizeChoices_[i];
    const EnvelopeSize& size = all[i];
    connect(choice, &QRadioButton::toggled, this, guarded(this, [this, choice, &size] {
              if (choice->isChecked()) sizeChosen(size);
            }));
  }
  connect(windowLeft_, &QRadioButton::toggled, this, guarded(this, [this] {
            PrintSettings::writeOrTell(this, {{EnvelopeLayout::settingsSection(chosenSize()),
                                               QString::fromLatin1(EnvelopeLayout::kWindowKey),
                                               EnvelopeLayout::wordFor(windowSide())}});
          }));
}

void EnvelopeScreen::buildControls() {
  auto* explanation = Controls::label(u"lblSpiegazione"_s, kExplanation, this);
  explanation->setWordWrap(true);
  explanation->setFixedWidth(520);

  auto* sizes = new QHBoxLayout;
  auto* group = new QButtonGroup(this);
  for (const EnvelopeSize& size : EnvelopeLayout::sizes()) {
    auto* choice = new QRadioButton(QString::fromUtf8(size.caption), this);
    choice->setObjectName(u"opt"_s + QString::fromLatin1(size.name));
    choice->setAccessibleName(u"Busta formato "_s + QString::fromUtf8(size.caption));
    group->addButton(choice);
    sizes->addWidget(choice);
    sizeChoices_ << choice;
  }
  sizes->addStretch();

  auto* windows = new QHBoxLayout;
  auto* sides = new QButtonGroup(this);
  windowRight_ = new QRadioButton(u"A destra"_s, this);
  windowRight_->setObjectName(u"optFinestraDestra"_s);
  windowRight_->setAccessibleName(u"Finestra a destra"_s);
  windowLeft_ = new QRadioButton(u"A sinistra (ISO 269)"_s, this);
  windowLeft_->setObjectName(u"optFinestraSinistra"_s);
  windowLeft_->setAccessibleName(u"Finestra a sinistra (ISO 269)"_s);
  windowRight_->setChecked(true);
  for (QRadioButton* side : {windowRight_, windowLeft_}) {
    sides->addButton(side);
    windows->addWidget(side);
  }
  windows->addStretch();

  sender_ = new QCheckBox(u"Stampa il mittente in alto a sinistra"_s, this);
  sender_->setObjectName(u"chkMittente"_s);
  sender_->setChecked(EnvelopeAddresses::hasSender(from_));
  sender_->setEnabled(EnvelopeAddresses::hasSender(from_));
  // Envelopes from the address book take their sender from a card chosen
  // here, remembered for the next time.
  QHBoxLayout* senderCard = nullptr;
  if (!EnvelopeAddresses::hasSender(from_)) {
    senderCardLabel_ = Controls::label(u"lblSchedaMittente"_s, kNoSenderCard, this);
    senderCardLabel_->setWordWrap(true);
    auto* choose = Controls::button(
        u"btnScegliMittente"_s, u"Scegli il mittente..."_s, this,
        {.purpose = u"Sceglie la scheda della rubrica da stampare come mittente"_s});
    connect(choose, &QPushButton::clicked, this, guarded(this, &EnvelopeScreen::chooseSenderCard));
    senderCard = new QHBoxLayout;
    senderCard->addWidget(senderCardLabel_, 1);
    senderCard->addWidget(choose);
  }

  auto* grid = new QGridLayout;
  offsets_ = new OffsetControls(grid, this, [this](const QString& key, const QString& value) {
    PrintSettings::writeOrTell(this, {{EnvelopeLayout::marginSection(chosenSize()), key, value}});
  });

  column()->addWidget(explanation);
  column()->addWidget(Controls::label({}, u"Formato della busta:"_s, this));
  column()->addLayout(sizes);
  column()->addWidget(Controls::label({}, u"Finestra della busta:"_s, this));
  column()->addLayout(windows);
  column()->addWidget(sender_);
  if (senderCard) column()->addLayout(senderCard);
  column()->addLayout(grid);
  print_ = addPrintButtons(
      u"la busta"_s, [this] { preview(); }, [this] { print(); });
}

const EnvelopeSize& EnvelopeScreen::chosenSize() const {
  const auto all = EnvelopeLayout::sizes();
  for (qsizetype i = 0; i < sizeChoices_.size(); ++i)
    if (sizeChoices_[i]->isChecked()) return all[i];
  return all.front();
}

void EnvelopeScreen::chooseSize(const EnvelopeSize& size) {
  const auto all = EnvelopeLayout::sizes();
  sizeChoices_[&size - all.data()]->setChecked(true);
  showStoredOffsets();
}

void EnvelopeScreen::sizeChosen(const EnvelopeSize& size) {
  showStoredOffsets();
  PrintSettings::writeOrTell(
      this, {{QString::fromLatin1(EnvelopeLayout::kFormatSection),
              QString::fromLatin1(EnvelopeLayout::kFormatKey), QString::fromLatin1(size.name)}});
}

WindowSide EnvelopeScreen::windowSide() const {
  return windowLeft_->isChecked() ? WindowSide::Left : WindowSide::Right;
}

void EnvelopeScreen::chooseSenderCard() {
  SenderCardChooser chooser(senderCard_, this);
  if (chooser.exec() != QDialog::Accepted) return;
  senderCard_ = chooser.chosen();
  PrintSettings::writeOrTell(this,
                             {{QString::fromLatin1(EnvelopeLayout::kFormatSection),
                               QString::fromLatin1(kSenderCardKey), QString::number(senderCard_)}});
  showSenderCard();
}

QStringList EnvelopeScreen::senderCardLines() const {
  if (senderCard_ <= 0) return {};
  TArchivio archive(addressBookArchive());
  archive.Open();
  QStringList lines;
  if (senderCard_ <= archive.Count()) {
    TScheda card(addressBookLayout());
    archive.ReadAt(senderCard_, card);
    lines = EnvelopeAddresses::card(card);
  }
  archive.Close();
  return lines;
}

void EnvelopeScreen::showSenderCard() {
  QStringList lines;
  try {
    lines = senderCardLines();
  } catch (const ArchiveError&) {
    // Said when printing; here the card is only shown.
  }
  senderCardLabel_->setText(lines.isEmpty() ? kNoSenderCard
                                            : u"Mittente: "_s + lines.join(u", "_s));
  sender_->setEnabled(!lines.isEmpty());
  sender_->setChecked(!lines.isEmpty());
}

void EnvelopeScreen::showStoredOffsets() {
  const PrintSettings::Stored stored =
      PrintSettings::stored(EnvelopeLayout::marginSection(chosenSize()));
  offsets_->top()->setText(stored.top);
  offsets_->left()->setText(stored.left);
  // The window's side of this size, shown without storing it again.
  const QSignalBlocker quiet(windowLeft_);
  const WindowSide side = EnvelopeLayout::sideFromWord(
      PrintSettings::read(EnvelopeLayout::settingsSection(chosenSize()),
                          QString::fromLatin1(EnvelopeLayout::kWindowKey)));
  (side == WindowSide::Left ? windowLeft_ : windowRight_)->setChecked(true);
}

Page EnvelopeScreen::preparedPage() const {
  QStringList sender;
  if (sender_->isChecked())
    sender = EnvelopeAddresses::hasSender(from_) ? EnvelopeAddresses::sender(from_, texts_)
                                                 : senderCardLines();
  Page page = EnvelopeLayout::page(chosenSize(), EnvelopeAddresses::recipient(from_, texts_),
                                   sender, windowSide());
  page.setMargins(offsets_->topOffset(), offsets_->leftOffset());
  return page;
}

std::optional<Page> EnvelopeScreen::pageToPrint() {
  if (EnvelopeAddresses::recipient(from_, texts_).isEmpty()) {
    Services::messages().show(this, MessageKind::Warning, kNoRecipient);
    return std::nullopt;
  }
  try {
    Page page = preparedPage();
    // Never a cut address: the user shortens it first.
    const QStringList tooLong = EnvelopeLayout::overflowing(page);
    if (!tooLong.isEmpty()) {
      Services::messages().show(
          this, MessageKind::Warning,
          tooLong.contains(u"txtDestinatario"_s) ? kRecipientTooLong : kSenderTooLong);
      return std::nullopt;
    }
    return page;
  } catch (const OffsetConversionError& error) {
    Services::messages().show(this, MessageKind::Error, error.message());
  } catch (const ArchiveBusy& busy) {
    Services::messages().plain(this, busy.userMessage());
  } catch (const ArchiveError& error) {
    Services::messages().show(this, MessageKind::Error, error.userMessage());
  }
  return std::nullopt;
}

void EnvelopeScreen::preview() {
  if (const std::optional<Page> page = pageToPrint())
    if (PagePreview::askToPrint(this, {*page}, kDocumentName, {.boxOutlines = true})) print();
}

void EnvelopeScreen::print() {
  const std::optional<Page> page = pageToPrint();
  if (!page) return;
  try {
    const PrintOutcome outcome = PrintServices::printer().print(this, {*page}, kDocumentName);
    if (outcome == PrintOutcome::Printed)
      accept();
    else
      reject();
  } catch (const PaperNotSupported& error) {
    Services::messages().show(this, MessageKind::Warning, error.message());
  } catch (const std::exception&) {
    // The screen stays open, to try again or to change the settings.
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
}

}  // namespace velinda
