#include "search/statuslistscreen.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>

#include "archive/archiveerror.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "printjobs/batchprintscreen.h"
#include "records/archivelines.h"
#include "records/screenkeys.h"
#include "search/editorfill.h"
#include "search/listpanel.h"
#include "search/listscreenframe.h"
#include "widgets/controls.h"
#include "widgets/shortcuttip.h"

namespace velinda {

using namespace Qt::StringLiterals;

StatusListScreen::StatusListScreen(const StatusListKind& kind, QWidget* editor, QWidget* parent)
    : DialogFrame(QString::fromUtf8(kind.caption), ListScreenFrame::kScreenSize,
                  Placement::CentreOfScreen, parent),
      kind_(kind),
      editor_(editor) {
  QWidget* background = ListScreenFrame::background(this);
  panel_ = new ListPanel(u"panElenco"_s, QString::fromUtf8(kind.summaryTitle), background);
  panel_->move(ListScreenFrame::kPanelAt);
  connect(panel_, &ListPanel::closeRequested, this, &QDialog::reject);
  connect(panel_, &ListPanel::lineOpened, this, guarded(this, &StatusListScreen::openChosenLine));
  if (const FormBatch* batch = FormBatches::forList(kind)) addFormPrinting(*batch);
}

void StatusListScreen::addFormPrinting(const FormBatch& batch) {
  // The forms print for all lines or for those selected, so the list lets
  // the user select several.
  QAbstractItemView* list = panel_->list();
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Controls::ButtonOptions options = ListScreenFrame::kButtons;
  options.accessibleName = u"Stampa i moduli delle schede in elenco"_s;
  auto* forms = Controls::button(u"btnStampaModuli"_s, u"Stampa moduli"_s, {519, 488, 150, 30},
                                 panel_, options);
  giveShortcut(forms, QKeySequence(ScreenKeys::keysFor(forms->objectName())));
  connect(forms, &QPushButton::clicked, this, guarded(this, [this, list, &batch] {
            QList<int> selected;
            for (const QModelIndex& index : list->selectionModel()->selectedRows())
              selected << index.row();
            BatchPrintScreen screen(batch, panel_->lines().toStringList(), selected, this);
            screen.exec();
          }));
}

void StatusListScreen::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  // Restored by the window system, the list keeps its lines and choice.
  if (!event->spontaneous()) loadLines();
}

void StatusListScreen::loadLines() {
  panel_->forgetFind();
  LineList lines;
  try {
    ArchiveLines::collect(
        kind_.archive(), kind_.line,
        [this](const TScheda& r) { return kind_.condition.holdsFor(r); }, lines);
  } catch (const ArchiveError& error) {
    // A list that lacks records would say that they wait for nothing: the
    // user is told, and the screen goes.
    Services::messages().plain(this, error.userMessage());
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  panel_->setLines(std::move(lines));
  panel_->findBox()->setFocus();
}

void StatusListScreen::openChosenLine() {
  const int row = panel_->chosenRow();
  if (row >= 0) {
    const QString line = panel_->lines().at(row).toString();
    try {
      ArchiveLines::forEachWithLine(kind_.archive(), kind_.line, line,
                                    [this](const TScheda& record, int position) {
                                      EditorFill::loadRecord(editor_, record, position);
                                    });
    } catch (const ArchiveError& error) {
      // The screen stays for another try.
      Services::messages().plain(this, error.userMessage());
      return;
    }
  }
  accept();
}

void StatusListScreen::done(int result) {
  panel_->clearLines();
  DialogFrame::done(result);
}

}  // namespace velinda
