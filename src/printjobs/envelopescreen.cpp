#include "printjobs/envelopescreen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/offsetcontrols.h"
#include "print/offsettext.h"
#include "print/printsettings.h"
#include "printaids/pagepreview.h"
#include "report/printservice.h"

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u" Stampa busta"_s;
const QString kDocumentName = u"Busta"_s;

const QString kExplanation =
    u"La busta si stampa in orizzontale: il destinatario cade nella finestra a destra "
    "(90 × 45 mm, a 20 mm dal bordo destro e a 15 mm dal bordo inferiore), il mittente in "
    "alto a sinistra. Se la stampa non cade nella finestra, correggere i margini del formato "
    "scelto e memorizzarli con \"Applica\"."_s;

const QString kNoRecipient =
    u"Attenzione: per stampare la busta è necessario indicare il destinatario."_s;

const QString kPrintFailure =
    u"Attenzione: la stampa della busta non è andata a buon fine."_s + u"\n\r\n\r"_s +
    u"Si consiglia di controllare le impostazioni della stampante."_s;

}  // namespace

EnvelopeScreen::EnvelopeScreen(EnvelopeFrom from, QWidget* source, QWidget* parent)
    : AidScreen(u"EnvelopeScreen"_s, kCaption, parent), from_(from), source_(source) {
  buildControls();
  chooseSize(EnvelopeLayout::size(PrintSettings::read(
      QString::fromLatin1(EnvelopeLayout::kFormatSection),
      QString::fromLatin1(EnvelopeLayout::kFormatKey))));
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
}

void EnvelopeScreen::buildControls() {
  auto* explanation = new QLabel(kExplanation, this);
  explanation->setObjectName(u"lblSpiegazione"_s);
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

  sender_ = new QCheckBox(u"Stampa il mittente in alto a sinistra"_s, this);
  sender_->setObjectName(u"chkMittente"_s);
  sender_->setChecked(EnvelopeAddresses::hasSender(from_));
  sender_->setEnabled(EnvelopeAddresses::hasSender(from_));

  auto* grid = new QGridLayout;
  offsets_ = new OffsetControls(grid, this, [this](const QString& key, const QString& value) {
    PrintSettings::writeOrTell(this, {{EnvelopeLayout::marginSection(chosenSize()), key, value}});
  });

  column()->addWidget(explanation);
  column()->addWidget(new QLabel(u"Formato della busta:"_s, this));
  column()->addLayout(sizes);
  column()->addWidget(sender_);
  column()->addLayout(grid);
  addPrintButtons(u"la busta"_s, [this] { preview(); }, [this] { print(); });
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
  PrintSettings::writeOrTell(this, {{QString::fromLatin1(EnvelopeLayout::kFormatSection),
                                     QString::fromLatin1(EnvelopeLayout::kFormatKey),
                                     QString::fromLatin1(size.name)}});
}

void EnvelopeScreen::showStoredOffsets() {
  const PrintSettings::Stored stored =
      PrintSettings::stored(EnvelopeLayout::marginSection(chosenSize()));
  offsets_->top()->setText(stored.top);
  offsets_->left()->setText(stored.left);
}

Page EnvelopeScreen::preparedPage() const {
  Page page = EnvelopeLayout::page(
      chosenSize(), EnvelopeAddresses::recipient(from_, *source_),
      sender_->isChecked() ? EnvelopeAddresses::sender(from_, *source_) : QStringList());
  page.setMargins(offsets_->topOffset(), offsets_->leftOffset());
  return page;
}

std::optional<Page> EnvelopeScreen::pageToPrint() {
  if (EnvelopeAddresses::recipient(from_, *source_).isEmpty()) {
    Services::messages().show(this, MessageKind::Warning, kNoRecipient);
    return std::nullopt;
  }
  try {
    return preparedPage();
  } catch (const OffsetConversionError& error) {
    Services::messages().show(this, MessageKind::Error, error.message());
    return std::nullopt;
  }
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
