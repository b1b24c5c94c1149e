#include "printjobs/sendercardchooser.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "archive/layouts.h"
#include "archive/tarchivio.h"
#include "printaids/keyboardorder.h"
#include "widgets/controls.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Row 0 is "no sender"; row n the n-th card.
QStringList cardLines() {
  QStringList lines{u"(nessun mittente)"_s};
  TArchivio archive(addressBookArchive());
  archive.Open();
  TScheda card(addressBookLayout());
  while (!archive.AtEnd()) {
    archive.ReadNext(card);
    const QString town = card.text(u"Localita");
    lines << card.text(u"Nome") + (town.isEmpty() ? QString() : u" - "_s + town);
  }
  archive.Close();
  return lines;
}

}  // namespace

SenderCardChooser::SenderCardChooser(int current, QWidget* parent)
    : AidScreen(u"SenderCardChooser"_s, u" Mittente delle buste"_s, parent),
      cards_(new QListView(this)),
      lines_(new QStringListModel(cardLines(), this)) {
  auto* caption =
      Controls::label({}, u"Scheda della rubrica da stampare come mittente sulle buste:"_s, this);
  caption->setBuddy(cards_);
  cards_->setObjectName(u"lstSchede"_s);
  cards_->setAccessibleName(u"Schede della rubrica"_s);
  cards_->setModel(lines_);
  cards_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cards_->setUniformItemSizes(true);
  cards_->setFixedSize(480, 300);
  cards_->setCurrentIndex(lines_->index(current < lines_->rowCount() ? current : 0));

  auto* cancel = Controls::button(u"btnAnnulla"_s, u"Annulla"_s, this,
                                  {.purpose = u"Chiudi senza cambiare il mittente"_s});
  auto* choose = Controls::button(u"btnScegli"_s, u"Scegli"_s, this,
                                  {.purpose = u"Usa la scheda selezionata come mittente"_s});
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(choose, &QPushButton::clicked, this, &QDialog::accept);
  connect(cards_, &QListView::doubleClicked, this, &QDialog::accept);
  column()->addWidget(caption);
  column()->addWidget(cards_);
  addButtonRow({cancel, choose});
  KeyboardOrder::followReading(this);
  choose->setDefault(true);
  cards_->setFocus();
}

int SenderCardChooser::chosen() const {
  const QModelIndex current = cards_->currentIndex();
  return current.isValid() ? current.row() : 0;
}

}  // namespace velinda
