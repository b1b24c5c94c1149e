#include "printjobs/batchprintscreen.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "archive/archiveerror.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/offsettext.h"
#include "printaids/pagepreview.h"
#include "report/printservice.h"

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u" Stampa dei moduli in elenco"_s;

const QString kNote =
    u"Ogni modulo si stampa con i margini e l'orientamento memorizzati per il suo modulo con "
    "i pulsanti \"Applica\" della finestra di stampa. Le schede in archivio non cambiano."_s;

const QString kOutOfDate =
    u"Attenzione: l'archivio è cambiato dopo l'apertura dell'elenco."_s + u"\r\n\r\n"_s +
    u"Chiudere l'elenco e riaprirlo prima di stampare i moduli."_s;

const QString kEmptyList =
    u"Stampa non applicabile: la lista non contiene nessuna voce."_s;

const QString kPrintFailure =
    u"Attenzione: la stampa dei moduli non è andata a buon fine."_s + u"\n\r\n\r"_s +
    u"Si consiglia di controllare le impostazioni della stampante."_s;

struct OrderChoice {
  const char* name;
  const char* text;
  SideOrder order;
};

const OrderChoice kOrders[] = {
    {"optLatiAlternati", "Lato destinatario e lato mittente di ogni avviso, uno dopo l'altro",
     SideOrder::EachInTurn},
    {"optLatiRaggruppati", "Prima tutti i lati destinatario, poi tutti i lati mittente",
     SideOrder::RecipientSidesFirst},
    {"optSoloDestinatario", "Solo il lato destinatario", SideOrder::RecipientSideOnly},
    {"optSoloMittente", "Solo il lato mittente", SideOrder::SenderSideOnly},
};

QRadioButton* choice(const char* name, const QString& text, QButtonGroup* group,
                     QWidget* parent) {
  auto* option = new QRadioButton(text, parent);
  option->setObjectName(QString::fromLatin1(name));
  group->addButton(option);
  return option;
}

}  // namespace

BatchPrintScreen::BatchPrintScreen(const FormBatch& batch, QStringList lines,
                                   QList<int> selected, QWidget* parent)
    : AidScreen(u"BatchPrintScreen"_s, kCaption, parent),
      batch_(batch),
      lines_(std::move(lines)),
      selected_(std::move(selected)) {
  buildControls();
}

void BatchPrintScreen::buildControls() {
  QVBoxLayout* page = column();

  page->addWidget(new QLabel(u"Moduli da stampare:"_s, this));
  auto* which = new QButtonGroup(this);
  auto* all = choice("optTutte", u"Tutte le schede in elenco (%1)"_s.arg(lines_.size()),
                     which, this);
  onlySelected_ = choice("optSelezionate",
                         u"Solo le schede selezionate nell'elenco (%1)"_s.arg(selected_.size()),
                         which, this);
  onlySelected_->setEnabled(!selected_.isEmpty());
  // Lines the user selected say which forms are meant.
  (selected_.isEmpty() ? all : onlySelected_)->setChecked(true);
  page->addWidget(all);
  page->addWidget(onlySelected_);

  if (batch_.senderSide) {
    page->addSpacing(8);
    page->addWidget(new QLabel(u"Lati dell'avviso di ricevimento da stampare:"_s, this));
    auto* sides = new QButtonGroup(this);
    for (const OrderChoice& order : kOrders) {
      orders_ << choice(order.name, QString::fromUtf8(order.text), sides, this);
      page->addWidget(orders_.last());
    }
    orders_.first()->setChecked(true);
  }

  auto* note = new QLabel(kNote, this);
  note->setObjectName(u"lblNota"_s);
  note->setWordWrap(true);
  note->setFixedWidth(480);
  page->addSpacing(8);
  page->addWidget(note);

  addPrintButtons(u"i moduli"_s, [this] { preview(); }, [this] { print(); });
}

SideOrder BatchPrintScreen::sideOrder() const {
  for (qsizetype i = 0; i < orders_.size(); ++i)
    if (orders_[i]->isChecked()) return kOrders[i].order;
  return SideOrder::EachInTurn;
}

std::optional<std::vector<Page>> BatchPrintScreen::preparedPages() {
  if (lines_.isEmpty()) {
    Services::messages().plain(this, kEmptyList);
    return std::nullopt;
  }
  try {
    const QList<int> rows = onlySelected_->isChecked() ? selected_ : QList<int>();
    return FormBatches::pages(batch_, FormBatches::records(batch_, lines_, rows), sideOrder());
  } catch (const ListOutOfDate&) {
    Services::messages().show(this, MessageKind::Warning, kOutOfDate);
  } catch (const ArchiveBusy& busy) {
    Services::messages().plain(this, busy.userMessage());
  } catch (const ArchiveError& error) {
    Services::messages().show(this, MessageKind::Error, error.userMessage());
  } catch (const OffsetConversionError&) {
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
  return std::nullopt;
}

void BatchPrintScreen::preview() {
  if (std::optional<std::vector<Page>> pages = preparedPages())
    if (PagePreview::askToPrint(this, std::move(*pages),
                                QString::fromUtf8(batch_.documentName), {.boxOutlines = true}))
      print();
}

void BatchPrintScreen::print() {
  std::optional<std::vector<Page>> pages = preparedPages();
  if (!pages) return;
  try {
    if (PrintServices::printer().print(this, *pages, QString::fromUtf8(batch_.documentName)) ==
        PrintOutcome::Printed)
      accept();
  } catch (const PaperNotSupported& error) {
    Services::messages().show(this, MessageKind::Warning, error.message());
  } catch (const std::exception&) {
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
}
