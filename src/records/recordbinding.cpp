#include "records/recordbinding.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "archive/tscheda.h"
#include "widgets/boxtext.h"

namespace velinda {

namespace RecordBinding {

namespace {
const char* const kLoadedTexts = "loadedTexts";
}  // namespace

void load(QWidget* screen, const TScheda& record) {
  rememberLoaded(screen, record);
  const RecordLayout& layout = record.layout();
  for (int i = 0; i < layout.fieldCount(); ++i) {
    const QString name = layout.controlName(i);
    switch (layout.field(i).kind) {
      case FieldKind::Text:
        if (auto* box = control<QLineEdit>(screen, name)) BoxText::put(box, record.text(i));
        break;
      case FieldKind::Flag:
        if (auto* check = control<QCheckBox>(screen, name)) {
          if (const auto value = record.flag(i)) check->setChecked(*value);
        }
        break;
      case FieldKind::Attachment:
        if (auto* label = control<QLabel>(screen, name)) label->setText(record.text(i));
        break;
    }
  }
}

void store(const QWidget* screen, TScheda& record) {
  const RecordLayout& layout = record.layout();
  for (int i = 0; i < layout.fieldCount(); ++i) {
    const QString name = layout.controlName(i);
    switch (layout.field(i).kind) {
      case FieldKind::Text:
        if (auto* box = control<QLineEdit>(screen, name)) record.field(i).FromText(box->text());
        break;
      case FieldKind::Flag:
        if (auto* check = control<QCheckBox>(screen, name))
          record.field(i).FromFlag(check->isChecked());
        break;
      case FieldKind::Attachment:
        if (auto* label = control<QLabel>(screen, name)) record.field(i).FromText(label->text());
        break;
    }
  }
}

QStringList loadedTexts(const QWidget* screen) {
  return screen->property(kLoadedTexts).toStringList();
}

void rememberLoaded(QWidget* screen, const TScheda& record) {
  screen->setProperty(kLoadedTexts, record.texts());
}

void forgetLoaded(QWidget* screen) { screen->setProperty(kLoadedTexts, QVariant()); }

}  // namespace RecordBinding

}  // namespace velinda
