#include "print/offsetcontrols.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/text.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/offsettext.h"
#include "print/printsettings.h"
#include "widgets/controls.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

QLineEdit* offsetBox(const char* name, const QString& accessible, QWidget* parent) {
  auto* box = new QLineEdit(u"0"_s, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(accessible);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignCenter);
  box->setFixedWidth(60);
  return box;
}

}  // namespace

OffsetControls::OffsetControls(QGridLayout* grid, QWidget* screen, Apply apply)
    : QObject(screen),
      screen_(screen),
      top_(offsetBox("txtTop", u"Margine superiore in millimetri"_s, screen)),
      left_(offsetBox("txtLeft", u"Margine sinistro in millimetri"_s, screen)) {
  struct OffsetRow {
    QString title;
    QLineEdit* box;
    QString minus;
    QString plus;
    QString apply;
    const char* key;
    QString what;
  };
  const OffsetRow rows[] = {
      {u"Margine superiore:"_s, top_, u"btnTopMinus"_s, u"btnTopPlus"_s, u"btnApplicaTop"_s,
       PrintSettings::kTopKey, u"margine superiore"_s},
      {u"Margine sinistro:"_s, left_, u"btnLeftMinus"_s, u"btnLeftPlus"_s, u"btnApplicaLeft"_s,
       PrintSettings::kLeftKey, u"margine sinistro"_s},
  };
  int line = 0;
  for (const OffsetRow& row : rows) {
    auto* title = Controls::label({}, row.title, screen);
    title->setBuddy(row.box);
    auto* minus =
        Controls::button(row.minus, u"-"_s, screen, {.purpose = u"Diminuisci "_s + row.what});
    auto* plus = Controls::button(row.plus, u"+"_s, screen, {.purpose = u"Aumenta "_s + row.what});
    auto* store =
        Controls::button(row.apply, u"Applica"_s, screen, {.purpose = u"Memorizza "_s + row.what});
    for (QPushButton* b : {minus, plus}) b->setFixedWidth(32);
    QLineEdit* box = row.box;
    const QString key = QString::fromLatin1(row.key);
    connect(minus, &QPushButton::clicked, this, guarded(screen, [this, box] { step(box, -1); }));
    connect(plus, &QPushButton::clicked, this, guarded(screen, [this, box] { step(box, +1); }));
    connect(store, &QPushButton::clicked, this,
            guarded(screen, [apply, box, key] { apply(key, Text::trimmed(box->text())); }));
    grid->addWidget(title, line, 0);
    grid->addWidget(minus, line, 1);
    grid->addWidget(box, line, 2);
    grid->addWidget(plus, line, 3);
    grid->addWidget(Controls::label({}, u"mm"_s, screen), line, 4);
    grid->addWidget(store, line, 5);
    ++line;
  }
}

Length OffsetControls::topOffset() const { return OffsetText::toLength(top_->text()); }

Length OffsetControls::leftOffset() const { return OffsetText::toLength(left_->text()); }

void OffsetControls::step(QLineEdit* box, int delta) {
  try {
    box->setText(OffsetText::stepped(box->text(), delta));
  } catch (const OffsetConversionError& error) {
    Services::messages().show(screen_, MessageKind::Error, error.message());
  }
}

}  // namespace velinda
