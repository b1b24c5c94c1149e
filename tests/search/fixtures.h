#pragma once

#include <QByteArray>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QWidget>

#include "archive/tscheda.h"

namespace velinda {

using namespace Qt::StringLiterals;

// Records written as the archive files hold them, and an editor that
// stands in for a workspace: a box, check box or label for every field of
// a layout, named as the workspace names them, plus the position label.
namespace Fixture {

using Fields = QList<QPair<QString, QString>>;

template <class Record>
Record record(const Fields& fields) {
  Record r;
  for (const auto& [name, text] : fields) r.setText(name, text);
  return r;
}

template <class Record>
QByteArray bytes(const QList<Record>& records) {
  QByteArray all;
  for (const Record& r : records) all += r.bytes();
  return all;
}

struct Editor : QWidget {
  explicit Editor(const RecordLayout& layout) {
    for (int i = 0; i < layout.fieldCount(); ++i) {
      QWidget* control = nullptr;
      switch (layout.field(i).kind) {
        // clang-format off
        case FieldKind::Text: control = new QLineEdit(this); break;
        case FieldKind::Flag: control = new QCheckBox(this); break;
        case FieldKind::Attachment: control = new QLabel(this); break;
          // clang-format on
      }
      control->setObjectName(layout.controlName(i));
    }
    (new QLabel(this))->setObjectName(u"lblPosizione"_s);
  }
  QString text(const QString& box) const { return findChild<QLineEdit*>(box)->text(); }
  void setText(const QString& box, const QString& text) {
    findChild<QLineEdit*>(box)->setText(text);
  }
  QCheckBox* check(const QString& name) const { return findChild<QCheckBox*>(name); }
  QString label(const QString& name) const { return findChild<QLabel*>(name)->text(); }
  QString position() const { return label(u"lblPosizione"_s); }
};

}  // namespace Fixture

}  // namespace velinda
