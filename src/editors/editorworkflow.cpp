#include "editors/editorworkflow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "core/text.h"
#include "core/unknownname.h"
#include "editors/editormessages.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "records/recordbinding.h"

namespace velinda {

using namespace Qt::StringLiterals;

template <typename T>
T* EditorWorkflow::required(const QString& name) const {
  return NameLookup::require(RecordBinding::control<T>(screen_, name),
                             QString::fromLatin1(screen_->metaObject()->className()), name);
}

EditorWorkflow::EditorWorkflow(QWidget* screen, EditorConfig config)
    : QObject(screen),
      screen_(screen),
      config_(std::move(config)),
      position_(required<QLabel>(u"lblPosizione"_s)),
      firstField_(required<QLineEdit>(config_.firstField)) {
  for (const MandatoryField& field : config_.mandatory)
    mandatory_.append({required<QLineEdit>(field.control), field.warning});
}

template <typename Action>
void EditorWorkflow::run(Action action) {
  try {
    action();
  } catch (const ArchiveError& error) {
    Services::messages().show(screen_, MessageKind::Error, error.userMessage());
  }
}

void EditorWorkflow::inform(const QString& text) {
  Services::messages().show(screen_, MessageKind::Information, text);
}

int EditorWorkflow::shownPosition() const {
  const QString text = Text::trimmed(position_->text());
  if (text.isEmpty()) return 0;
  bool ok = false;
  const int position = text.toInt(&ok);
  if (!ok || position < 1)
    throw ArchiveError(u"the position label holds no record number: "_s + text);
  return position;
}

void EditorWorkflow::focusFirstField() { firstField_->setFocus(); }

void EditorWorkflow::clearAttachments() {
  const RecordLayout& layout = config_.archive.layout;
  for (int i = 0; i < layout.fieldCount(); ++i) {
    if (layout.field(i).kind != FieldKind::Attachment) continue;
    if (auto* label = RecordBinding::control<QLabel>(screen_, layout.controlName(i)))
      label->clear();
  }
}

void EditorWorkflow::readInto(TArchivio& archive, int position) {
  TScheda record(config_.archive.layout);
  archive.ReadAt(position, record);
  RecordBinding::load(screen_, record);
  position_->setText(QString::number(archive.Position()));
}

void EditorWorkflow::clear() {
  const RecordLayout& layout = config_.archive.layout;
  for (int i = 0; i < layout.fieldCount(); ++i) {
    const QString name = layout.controlName(i);
    if (auto* box = RecordBinding::control<QLineEdit>(screen_, name)) box->clear();
    if (auto* check = RecordBinding::control<QCheckBox>(screen_, name)) check->setChecked(false);
  }
  clearAttachments();
  position_->clear();
  RecordBinding::forgetLoaded(screen_);
  focusFirstField();
}

void EditorWorkflow::save() {
  for (const auto& [box, warning] : mandatory_) {
    if (Text::trimmed(box->text()).isEmpty()) {
      Services::messages().show(screen_, MessageKind::Warning, warning);
      box->setFocus();
      return;
    }
  }
  run([this] {
    const int shown = shownPosition();
    TScheda record(config_.archive.layout);
    RecordBinding::store(screen_, record);
    QStringList expected = shown > 0 ? RecordBinding::loadedTexts(screen_) : QStringList();
    for (;;) {
      TArchivio archive(config_.archive);
      archive.Open();
      if (const auto other = changeElsewhere(archive, shown, record, expected)) {
        // Never ask while other stations are kept out of the archive.
        archive.Close();
        if (!Services::messages().confirm(screen_, EditorMessages::kChangedElsewhere)) return;
        expected = *other;
        continue;
      }
      if (shown > 0)
        archive.WriteAt(shown, record);
      else
        archive.Append(record);
      position_->setText(QString::number(archive.Position()));
      archive.Close();
      RecordBinding::rememberLoaded(screen_, record);
      inform(shown > 0 ? EditorMessages::kOverwritten : EditorMessages::kAppended);
      return;
    }
  });
}

std::optional<QStringList> EditorWorkflow::changeElsewhere(TArchivio& archive, int position,
                                                           const TScheda& record,
                                                           const QStringList& expected) {
  if (expected.isEmpty()) return std::nullopt;
  TScheda stored(config_.archive.layout);
  archive.ReadAt(position, stored);
  const QStringList now = stored.texts();
  if (now == expected || now == record.texts()) return std::nullopt;
  return now;
}

void EditorWorkflow::duplicate() {
  if (Text::trimmed(position_->text()).isEmpty()) {
    Services::messages().show(screen_, MessageKind::Warning, EditorMessages::kDuplicateNotArchived);
    return;
  }
  clearAttachments();
  position_->clear();
  RecordBinding::forgetLoaded(screen_);
  focusFirstField();
  inform(EditorMessages::kDuplicated);
}

void EditorWorkflow::first() {
  run([this] {
    TArchivio archive(config_.archive);
    archive.Open();
    if (archive.Count() == 0) {
      archive.Close();
      inform(EditorMessages::kEmptyArchive);
      return;
    }
    readInto(archive, 1);
    archive.Close();
  });
}

void EditorWorkflow::last() {
  run([this] {
    TArchivio archive(config_.archive);
    archive.Open();
    const int count = archive.Count();
    if (count == 0) {
      archive.Close();
      inform(EditorMessages::kEmptyArchive);
      return;
    }
    readInto(archive, count);
    archive.Close();
  });
}

void EditorWorkflow::next() {
  run([this] {
    TArchivio archive(config_.archive);
    archive.Open();
    const int shown = shownPosition();
    const int count = archive.Count();
    if (count == 0) {
      position_->clear();
      archive.Close();
      inform(EditorMessages::kEmptyArchive);
      return;
    }
    if (shown < count) readInto(archive, shown + 1);
    archive.Close();
  });
}

void EditorWorkflow::previous() {
  run([this] {
    TArchivio archive(config_.archive);
    archive.Open();
    if (Text::trimmed(position_->text()) == u"1"_s) {
      archive.Close();
      return;
    }
    if (archive.Count() == 0) {
      archive.Close();
      inform(EditorMessages::kEmptyArchive);
      return;
    }
    const int shown = shownPosition();
    readInto(archive, shown == 0 ? 1 : shown - 1);
    archive.Close();
  });
}

}  // namespace velinda
