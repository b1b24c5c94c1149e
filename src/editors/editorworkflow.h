#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

#include "archive/layouts.h"

class QLabel;
class QWidget;

class QLineEdit;

namespace velinda {

class TArchivio;
class TScheda;

// A field that must not be empty when saving, with its warning.
struct MandatoryField {
  QString control;
  QString warning;
};

// What makes one editor differ from another.
struct EditorConfig {
  const ArchiveDefinition& archive;
  QString firstField;
  QList<MandatoryField> mandatory;  // in the order they are checked
};

// New, save, duplicate and first/previous/next/last on one archive, for a
// screen whose controls are named after the archive's fields. The editor
// holds no copy of the record: the screen's controls are its state, and the
// position label "lblPosizione" tells which record is shown (empty for a
// new card). Duplica clears the attachment labels when the layout has them.
// Before overwriting a record, Save asks whether to overwrite it when
// another station changed it since this screen loaded or saved it.

class EditorWorkflow : public QObject {
  Q_OBJECT
 public:
  EditorWorkflow(QWidget* screen, EditorConfig config);

  void clear();
  void save();
  void duplicate();
  void first();
  void previous();
  void next();
  void last();

 private:
  // Runs one archive action; any ArchiveError shows its message (the
  // archive-access message, or that another station holds the archive) and
  // leaves the screen as the failure left it.
  template <typename Action>
  void run(Action action);
  // The record number in the position label; 0 for a new card.
  int shownPosition() const;
  void readInto(TArchivio& archive, int position);
  // What another station left in the record at `position`, when it differs
  // both from what this screen expects there and from what it is about to
  // write; nothing when no expectation is known.
  std::optional<QStringList> changeElsewhere(TArchivio& archive, int position,
                                             const TScheda& record, const QStringList& expected);
  void focusFirstField();
  void clearAttachments();
  void inform(const QString& text);

  // The screen's own control of that name; a name the screen lacks raises
  // UnknownName when the screen is built, in every build.
  template <typename T>
  T* required(const QString& name) const;

  QWidget* screen_;
  EditorConfig config_;
  QLabel* position_;
  QLineEdit* firstField_;
  QList<std::pair<QLineEdit*, QString>> mandatory_;  // each box with its warning
};

}  // namespace velinda
