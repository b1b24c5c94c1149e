#include "printaids/calibrationscreen.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "printaids/keyboardorder.h"
#include "report/printservice.h"
#include "widgets/controls.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kSteps =
    u"Per trovare i margini di questo modulo senza sprecare moduli:\n\n"
    "1. stampare il foglio di prova su un foglio bianco A4;\n"
    "2. sovrapporlo al modulo prestampato, con i bordi allineati, e guardarli in controluce;\n"
    "3. scrivere qui sotto di quanti millimetri le caselle del modulo si trovano più in basso "
    "e più a destra delle crocette (valori negativi se più in alto o più a sinistra) e premere "
    "\"Applica\".\n\n"
    "I valori diventano i margini superiore e sinistro di questo modulo e sostituiscono quelli "
    "memorizzati: il foglio di prova è stampato senza margini."_s;

const QString kPrintFailure =
    u"Attenzione: la stampa del foglio di prova non è andata a buon fine."_s + u"\n\r\n\r"_s +
    u"Si consiglia di controllare le impostazioni della stampante."_s;

QSpinBox* shiftBox(const char* name, int value, const QString& accessible, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  // The same range as the print screens' offsets.
  box->setRange(-kLargestOffsetMm, kLargestOffsetMm);
  box->setValue(value);
  box->setAlignment(Qt::AlignCenter);
  box->setAccessibleName(accessible);
  box->setFixedWidth(80);
  return box;
}

}  // namespace

CalibrationScreen::CalibrationScreen(Page sheet, const QString& formName, int top, int left,
                                     QWidget* parent)
    : AidScreen(u"CalibrationScreen"_s, u" Foglio di prova - "_s + formName, parent),
      sheet_(std::move(sheet)),
      formName_(formName) {
  auto* steps = Controls::label(u"lblIstruzioni"_s, kSteps, this);
  steps->setWordWrap(true);
  steps->setFixedWidth(520);

  auto* print = Controls::button(u"btnStampaFoglio"_s, u"Stampa il foglio di prova..."_s, this,
                                 {.purpose = u"Stampa il foglio di prova su carta bianca"_s});
  connect(print, &QPushButton::clicked, this, guarded(this, &CalibrationScreen::printSheet));

  // clang-format off
  down_ = shiftBox("txtBasso", top, u"Millimetri di cui le caselle del modulo sono più in "
                                    "basso delle crocette"_s, this);
  right_ = shiftBox("txtDestra", left, u"Millimetri di cui le caselle del modulo sono più a "
                                       "destra delle crocette"_s, this);
  // clang-format on
  auto* grid = new QGridLayout;
  const std::pair<QString, QSpinBox*> rows[] = {
      {u"Le caselle del modulo sono più in basso delle crocette di:"_s, down_},
      {u"Le caselle del modulo sono più a destra delle crocette di:"_s, right_},
  };
  int line = 0;
  for (const auto& [caption, box] : rows) {
    auto* title = Controls::label({}, caption, this);
    title->setBuddy(box);
    grid->addWidget(title, line, 0);
    grid->addWidget(box, line, 1);
    grid->addWidget(Controls::label({}, u"mm"_s, this), line, 2);
    ++line;
  }

  auto* cancel = Controls::button(u"btnAnnulla"_s, u"Annulla"_s, this,
                                  {.purpose = u"Chiudi senza cambiare i margini"_s});
  auto* apply =
      Controls::button(u"btnApplica"_s, u"Applica"_s, this,
                       {.purpose = u"Usa e memorizza questi valori come margini del modulo"_s});
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(apply, &QPushButton::clicked, this, &QDialog::accept);

  column()->addWidget(steps);
  column()->addWidget(print, 0, Qt::AlignLeft);
  column()->addLayout(grid);
  addButtonRow({cancel, apply});
  // The sheet is printed first; the user then types what it shows.
  KeyboardOrder::apply(this, print, down_);
}

int CalibrationScreen::top() const { return down_->value(); }

int CalibrationScreen::left() const { return right_->value(); }

void CalibrationScreen::printSheet() {
  try {
    PrintServices::printer().print(this, {sheet_}, u"Foglio di prova - "_s + formName_);
  } catch (const PaperNotSupported& error) {
    Services::messages().show(this, MessageKind::Warning, error.message());
  } catch (const std::exception&) {
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
}

}  // namespace velinda
