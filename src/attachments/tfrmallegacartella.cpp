#include "attachments/tfrmallegacartella.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "attachments/attachmentfolder.h"
#include "core/text.h"
#include "platform/filechooser.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "widgets/boxtext.h"
#include "widgets/controls.h"
#include "widgets/fieldhighlight.h"
#include "widgets/fonts.h"
#include "widgets/gradientwidget.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kClientSize{634, 534};

constexpr int kSlotLeft = 16;
constexpr QSize kSlotSize{577, 113};
constexpr int kSlotTops[] = {80, 200, 320};

QString number(int index) { return u"0%1"_s.arg(index + 1); }
QString ordinal(int index) { return u"%1°"_s.arg(index + 1); }

QLabel* makeCaption(const QString& objectName, const QString& text, QPoint place, QWidget* buddy,
                    QWidget* parent) {
  QLabel* caption = Controls::label(objectName, text, parent);
  caption->setFont(Fonts::verdana(12));
  caption->adjustSize();
  caption->move(place);
  caption->setBuddy(buddy);
  return caption;
}

// Enter in a box must not press a button the user did not choose.
Controls::ButtonOptions named(const QString& accessibleName) {
  return {.accessibleName = accessibleName, .enter = Controls::Enter::Ignored};
}

// The six hidden labels of a workspace, in the order of the six boxes.
QLabel* editorLabel(QWidget* editor, const QString& name) {
  return editor ? editor->findChild<QLabel*>(name) : nullptr;
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* editor, QWidget* parent)
    : DialogFrame(u" Allega file"_s, kClientSize, Placement::CentreOfScreen, parent),
      editor_(editor) {
  setObjectName(u"TfrmAllegaCartella"_s);
  auto* background = new GradientWidget(Palette::kWhite, Palette::kAttachWindowBottom, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(background);

  auto* sheet = new PanelBox(Palette::kWhite, Palette::kAttachSheetOutline, 1, background);
  sheet->setGeometry(8, 8, 593, 433);
  Controls::picture(u"imgTitolo"_s, u":/art/allega_titolo.svg"_s, QRect(20, 20, 543, 49),
                    background);
  for (int i = 0; i < 3; ++i) buildSlot(i, kSlotTops[i], background);

  btnAnnulla_ = Controls::button(u"btnAnnulla"_s, u"Annulla"_s, QRect(312, 456, 126, 32),
                                 background, named(u"Annulla"_s));
  btnApplica_ = Controls::button(u"btnApplica"_s, u"Applica e chiudi"_s, QRect(447, 456, 154, 32),
                                 background, named(u"Applica e chiudi"_s));
  connect(btnAnnulla_, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnApplica_, &QPushButton::clicked, this,
          guarded(this, &TfrmAllegaCartella::applyAndClose));

  lblMemory_ = Controls::label(u"lblMemory"_s, {}, background);
  lblMemory_->hide();

  QWidget* previous = nullptr;
  auto chain = [&previous](QWidget* next) {
    if (previous) QWidget::setTabOrder(previous, next);
    previous = next;
  };
  for (const SlotControls& slot : slotControls_) {
    chain(slot.file);
    chain(slot.browse);
    chain(slot.open);
    chain(slot.description);
  }
  chain(btnApplica_);
  chain(btnAnnulla_);
}

void TfrmAllegaCartella::buildSlot(int index, int top, QWidget* parent) {
  auto* panel = new GradientWidget(Palette::kAttachSlotTop, Palette::kWhite, parent);
  panel->setGeometry(QRect(QPoint(kSlotLeft, top), kSlotSize));
  auto* frame = new PanelBox(QColor(), Palette::kAttachSlotOutline, 1, panel);
  frame->setGeometry(panel->rect());

  SlotControls& slot = slotControls_[size_t(index)];
  const QString n = number(index);
  const QString nth = ordinal(index);

  slot.file = new QLineEdit(parent);
  slot.file->setObjectName(u"txtFile"_s + n);
  slot.file->setGeometry(28, top + 28, 338, 22);
  slot.file->setReadOnly(true);
  slot.file->setFont(Fonts::verdana(10, true));
  slot.file->setAccessibleName(u"Nome %1 file allegato"_s.arg(nth));
  FieldHighlight::apply(slot.file);
  slot.file->setStyleSheet(slot.file->styleSheet() +
                           u"QLineEdit { color: %1; }"_s.arg(Palette::css(Palette::kGrey)));
  makeCaption(u"lblNome"_s + n, u"Nome %1 file allegato:"_s.arg(nth), QPoint(28, top + 10),
              slot.file, parent);

  auto* clear = new PictureButton(u"imgCancella"_s + n, u":/art/cancella.svg"_s, QSize(22, 22),
                                  u"Togli il %1 file allegato"_s.arg(nth), parent);
  clear->move(370, top + 28);
  connect(clear, &QToolButton::clicked, slot.file, &QLineEdit::clear);

  slot.browse = Controls::button(u"btnSfoglia"_s + n, u"Sfoglia..."_s, QRect(400, top + 24, 86, 28),
                                 parent, named(u"Sfoglia per il %1 file allegato"_s.arg(nth)));
  slot.open = Controls::button(u"btnApri"_s + n, u"Apri"_s, QRect(494, top + 24, 86, 28), parent,
                               named(u"Apri il %1 file allegato"_s.arg(nth)));
  slot.open->setEnabled(false);
  connect(slot.browse, &QPushButton::clicked, this,
          guarded(this, [this, index] { browse(index); }));
  connect(slot.open, &QPushButton::clicked, this,
          guarded(this, [this, index] { openAttachment(index); }));
  QPushButton* open = slot.open;
  connect(slot.file, &QLineEdit::textChanged, open,
          [open](const QString& text) { open->setEnabled(!Text::trimmed(text).isEmpty()); });

  slot.description = new QLineEdit(parent);
  slot.description->setObjectName(u"txtDesc"_s + n);
  slot.description->setGeometry(28, top + 78, 552, 22);
  slot.description->setFont(Fonts::verdana(12, true));
  slot.description->setAccessibleName(u"Descrizione %1 file allegato"_s.arg(nth));
  FieldHighlight::apply(slot.description);
  makeCaption(u"lblDescrizione"_s + n, u"Descrizione %1 file allegato:"_s.arg(nth),
              QPoint(28, top + 60), slot.description, parent);
}

void TfrmAllegaCartella::setTag(const QString& tag) { lblMemory_->setText(tag); }

void TfrmAllegaCartella::loadFromEditor() {
  for (int i = 0; i < 3; ++i) {
    const QString n = number(i);
    SlotControls& slot = slotControls_[size_t(i)];
    if (QLabel* file = editorLabel(editor_, u"lblFile"_s + n))
      BoxText::put(slot.file, Text::trimmed(file->text()));
    if (QLabel* description = editorLabel(editor_, u"lblDesc"_s + n))
      BoxText::put(slot.description, Text::trimmed(description->text()));
  }
}

void TfrmAllegaCartella::openFor(QWidget* editor, ArchiveKind archive) {
  TfrmAllegaCartella screen(editor, editor);
  screen.setTag(Archives::tagOf(archive));
  screen.loadFromEditor();
  screen.exec();
}

bool TfrmAllegaCartella::refusesName(const QString& name) {
  if (AttachmentFolder::isBareName(name)) return false;
  Services::messages().show(this, MessageKind::Warning, AttachmentFolder::kNotBareNameWarning);
  return true;
}

void TfrmAllegaCartella::browse(int index) {
  const QString chosen = FileChoosers::current().chooseFile(this);
  if (chosen.isEmpty()) return;
  const QString name = QFileInfo(chosen).fileName();
  if (refusesName(name)) return;
  QLineEdit* file = slotControls_[size_t(index)].file;
  BoxText::put(file, name);
  AttachmentFolder::store(chosen, file->text(), this);
}

void TfrmAllegaCartella::openAttachment(int index) {
  const QString name = slotControls_[size_t(index)].file->text();
  if (refusesName(name)) return;
  Services::shell().open(ShellTarget::file(AttachmentFolder::filePath(name)));
}

void TfrmAllegaCartella::applyAndClose() {
  const QString tag = Text::trimmed(lblMemory_->text());
  const std::optional<ArchiveKind> archive = Archives::tagged(tag);
  if (!archive || !Archives::entry(*archive).keepsAttachments) return;
  for (int i = 0; i < 3; ++i) {
    const QString n = number(i);
    const SlotControls& slot = slotControls_[size_t(i)];
    if (QLabel* file = editorLabel(editor_, u"lblFile"_s + n))
      file->setText(Text::trimmed(slot.file->text()));
    if (QLabel* description = editorLabel(editor_, u"lblDesc"_s + n))
      description->setText(Text::trimmed(slot.description->text()));
  }
  accept();
}

}  // namespace velinda
