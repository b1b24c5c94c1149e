#include "printjobs/batchprintscreen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include "archive/archiveerror.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/offsettext.h"
#include "printaids/keyboardorder.h"
#include "printaids/pagepreview.h"
#include "report/printservice.h"
#include "widgets/controls.h"
#include "widgets/palette.h"
#include "widgets/progressstrip.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u" Stampa dei moduli in elenco"_s;

const QString kNote =
    u"Ogni modulo si stampa con i margini e l'orientamento memorizzati per il suo modulo con "
    "i pulsanti \"Applica\" della finestra di stampa. Le schede in archivio non cambiano."_s;

const QString kOutOfDate = u"Attenzione: l'archivio è cambiato dopo l'apertura dell'elenco."_s +
                           u"\r\n\r\n"_s +
                           u"Chiudere l'elenco e riaprirlo prima di stampare i moduli."_s;

// Above this many pages the user is asked before printing starts.
constexpr int kAskAbove = 300;
// The pages the preview of a batch shows at most.
constexpr int kPreviewPages = 30;

const QString kEmptyList = u"Stampa non applicabile: la lista non contiene nessuna voce."_s;

const QString kPrintFailure = u"Attenzione: la stampa dei moduli non è andata a buon fine."_s +
                              u"\n\r\n\r"_s +
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

QRadioButton* choice(const char* name, const QString& text, QButtonGroup* group, QWidget* parent) {
  auto* option = new QRadioButton(text, parent);
  option->setObjectName(QString::fromLatin1(name));
  group->addButton(option);
  return option;
}

}  // namespace

BatchPrintScreen::BatchPrintScreen(const FormBatch& batch, QStringList lines, QList<int> selected,
                                   QWidget* parent)
    : AidScreen(u"BatchPrintScreen"_s, kCaption, parent),
      batch_(batch),
      lines_(std::move(lines)),
      selected_(std::move(selected)) {
  buildControls();
}

void BatchPrintScreen::buildControls() {
  QVBoxLayout* page = column();

  page->addWidget(Controls::label({}, u"Moduli da stampare:"_s, this));
  auto* which = new QButtonGroup(this);
  auto* all =
      choice("optTutte", u"Tutte le schede in elenco (%1)"_s.arg(lines_.size()), which, this);
  onlySelected_ =
      choice("optSelezionate",
             u"Solo le schede selezionate nell'elenco (%1)"_s.arg(selected_.size()), which, this);
  onlySelected_->setEnabled(!selected_.isEmpty());
  // Lines the user selected say which forms are meant.
  (selected_.isEmpty() ? all : onlySelected_)->setChecked(true);
  page->addWidget(all);
  page->addWidget(onlySelected_);

  if (batch_.senderSide) {
    page->addSpacing(8);
    page->addWidget(Controls::label({}, u"Lati dell'avviso di ricevimento da stampare:"_s, this));
    auto* sides = new QButtonGroup(this);
    for (const OrderChoice& order : kOrders) {
      orders_ << choice(order.name, QString::fromUtf8(order.text), sides, this);
      page->addWidget(orders_.last());
    }
    orders_.first()->setChecked(true);
  }

  auto* note = Controls::label(u"lblNota"_s, kNote, this);
  note->setWordWrap(true);
  note->setFixedWidth(480);
  page->addSpacing(8);
  page->addWidget(note);
  // A long batch shows how far it has got where the note was.
  progress_ = new ProgressStrip(u"prgStampa"_s, note, note->font(), Palette::kDarkCyan,
                                Palette::kSteelBlue);

  QPushButton* print = addPrintButtons(
      u"i moduli"_s, [this] { preview(); }, [this] { this->print(); });
  KeyboardOrder::apply(this, print, onlySelected_->isChecked() ? onlySelected_ : all);
}

SideOrder BatchPrintScreen::sideOrder() const {
  for (qsizetype i = 0; i < orders_.size(); ++i)
    if (orders_[i]->isChecked()) return kOrders[i].order;
  return SideOrder::EachInTurn;
}

std::unique_ptr<FormPages> BatchPrintScreen::preparedPages() {
  if (lines_.isEmpty()) {
    Services::messages().plain(this, kEmptyList);
    return nullptr;
  }
  try {
    const QList<int> rows = onlySelected_->isChecked() ? selected_ : QList<int>();
    return std::make_unique<FormPages>(batch_, FormBatches::positions(batch_, lines_, rows),
                                       sideOrder());
  } catch (const ListOutOfDate&) {
    Services::messages().show(this, MessageKind::Warning, kOutOfDate);
  } catch (const ArchiveBusy& busy) {
    Services::messages().plain(this, busy.userMessage());
  } catch (const ArchiveError& error) {
    Services::messages().show(this, MessageKind::Error, error.userMessage());
  } catch (const OffsetConversionError&) {
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
  return nullptr;
}

void BatchPrintScreen::preview() {
  std::unique_ptr<FormPages> pages = preparedPages();
  if (!pages) return;
  // A long batch shows its first pages only: enough to check the forms,
  // without making every page first.
  std::vector<Page> first;
  for (int i = 0; i < std::min(pages->count(), kPreviewPages); ++i) first.push_back(pages->page(i));
  if (PagePreview::askToPrint(this, std::move(first), QString::fromUtf8(batch_.documentName),
                              {.boxOutlines = true}, pages->count()))
    print();
}

void BatchPrintScreen::print() {
  std::unique_ptr<FormPages> pages = preparedPages();
  if (!pages) return;
  const int count = pages->count();
  if (count > kAskAbove &&
      !Services::messages().confirm(
          this,
          u"Attenzione: si stanno per stampare %1 moduli. La stampa può richiedere molto "
          "tempo e molta carta."_s.arg(QLocale(QLocale::Italian).toString(count)) +
              u"\r\n\r\n"_s + u"Procedere con la stampa?"_s))
    return;

  PrintService& printer = PrintServices::printer();
  bool busy = false;
  // Counted from the first page on, not from the print dialog.
  printer.setProgress([this, &busy](int printed, int total) {
    if (printed == 0) {
      QApplication::setOverrideCursor(Qt::BusyCursor);
      busy = true;
      progress_->start(u"Moduli stampati:"_s, total);
    } else {
      progress_->advance(printed);
    }
  });
  const auto done = qScopeGuard([&] {
    printer.setProgress({});
    progress_->finish();
    if (busy) QApplication::restoreOverrideCursor();
  });
  try {
    if (printer.print(this, *pages, QString::fromUtf8(batch_.documentName)) ==
        PrintOutcome::Printed)
      accept();
  } catch (const PaperNotSupported& error) {
    Services::messages().show(this, MessageKind::Warning, error.message());
  } catch (const ArchiveBusy& archiveBusy) {
    Services::messages().plain(this, archiveBusy.userMessage());
  } catch (const ArchiveError& error) {
    Services::messages().show(this, MessageKind::Error, error.userMessage());
  } catch (const std::exception&) {
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
}

}  // namespace velinda
