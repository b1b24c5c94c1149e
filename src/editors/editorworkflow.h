#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "archive/layouts.h"

class QLabel;
class QWidget;
class TArchivio;

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
  // Runs one archive action; any ArchiveError shows the archive-access
  // message and leaves the screen as the failure left it.
  template <typename Action>
  void run(Action action);
  // The record number in the position label; 0 for a new card.
  int shownPosition() const;
  void readInto(TArchivio& archive, int position);
  void focusFirstField();
  void clearAttachments();
  void inform(const QString& text);

  QWidget* screen_;
  EditorConfig config_;
  QLabel* position_;
};
