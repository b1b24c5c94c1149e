#include "printaids/aidscreen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/guardedaction.h"
#include "widgets/controls.h"
#include "widgets/fixedwindow.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

AidScreen::AidScreen(const QString& objectName, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | FixedWindow::kTitleBar), column_(new QVBoxLayout(this)) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Palette::kWhite);
  setPalette(white);
  column_->setContentsMargins(18, 18, 18, 14);
  column_->setSpacing(12);
  column_->setSizeConstraint(QLayout::SetFixedSize);
}

void AidScreen::addButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* button : buttons) row->addWidget(button);
  column_->addSpacing(4);
  column_->addLayout(row);
}

QPushButton* AidScreen::addPrintButtons(const QString& what, std::function<void()> preview,
                                        std::function<void()> print) {
  auto* cancel = Controls::button(u"btnAnnulla"_s, u"Annulla"_s, this,
                                  {.purpose = u"Chiudi senza stampare"_s});
  auto* show = Controls::button(
      u"btnAnteprima"_s, u"Anteprima"_s, this,
      {.purpose = u"Mostra l'anteprima di stampa"_s, .key = QKeySequence(Qt::CTRL | Qt::Key_F2)});
  auto* start =
      Controls::button(u"btnStampa"_s, u"Stampa"_s, this, {.purpose = u"Stampa "_s + what});
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(show, &QPushButton::clicked, this, guarded(this, std::move(preview)));
  connect(start, &QPushButton::clicked, this, guarded(this, std::move(print)));
  addButtonRow({cancel, show, start});
  return start;
}

}  // namespace velinda
