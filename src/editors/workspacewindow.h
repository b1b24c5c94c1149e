#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

#include "archive/archivekinds.h"
#include "records/screentexts.h"
#include "widgets/gradientwidget.h"

class QLabel;

namespace velinda {

class EditorWorkflow;
class HelpLine;
class EnterFocusChain;
class PictureButton;
class WindowShortcuts;

// A button of a workspace: its keyboard shortcut, if any, comes from the
// workspaces' shortcut table by the button's name.
struct ToolButton {
  const char* name;
  const char* picture;
  const char* purpose;  // accessible name and tooltip
  const char* hint;     // the help line's text
};

struct WorkspaceLook {
  ArchiveKind archive;  // the archive its cards are kept in
  const char* caption;
  ToolButton wideButtons[2];  // toolbar groups 2 and 3
  ToolButton listButton;      // the list of cards still waiting
  const char* guideTitle;
  QString (*guideText)();
};

// The frame the three workspaces share: a maximized window with a gradient,
// the centred 994 x 692 panel, the six toolbar groups with the position
// label, and the blue help bar. Showing it starts a new card; closing it in
// any way hides it and emits closed(), so that the main menu comes back.
class WorkspaceWindow : public GradientWidget {
  Q_OBJECT
 public:
  explicit WorkspaceWindow(const WorkspaceLook& def, QWidget* parent = nullptr);

  ArchiveKind archive() const { return look_.archive; }
  QWidget* panel() const { return panel_; }
  HelpLine* helpLine() const { return help_; }
  EnterFocusChain* keys() const { return keys_; }
  EditorWorkflow* workflow() const { return workflow_; }
  // A button on the panel; a name it does not have raises UnknownName.
  PictureButton* button(const QString& name) const;

  void openGuide();

  // The button opens a fresh `Screen(args...)` over this workspace, shown
  // modally and destroyed when it closes.
  template <typename Screen, typename... Args>
  void opens(const QString& buttonName, Args... args) {
    connectClick(buttonName, [args...] {
      Screen screen(args...);
      screen.exec();
    });
  }

  // The button opens a print screen over this workspace,
  // `Screen(args..., texts, this)`, with the texts of the controls it reads
  // (`Screen::reads(args...)`) taken from the card on the workspace as the
  // screen opens. The print screen is modal, so the card cannot change while
  // it is open; a control it reads that the workspace lacks raises
  // UnknownName on the click, before anything is printed.
  template <typename Screen, typename... Args>
  void prints(const QString& buttonName, Args... args) {
    connectClick(buttonName, [this, args...] {
      Screen screen(args..., ScreenTexts::take(*this, Screen::reads(args...)), this);
      screen.exec();
    });
  }

  // The same for a screen that learns who opened it from its tag.
  template <typename Screen>
  void opensTagged(const QString& buttonName, const QString& tag) {
    connectClick(buttonName, [this, tag] {
      Screen screen(this, this);
      screen.setTag(tag);
      screen.exec();
    });
  }

 signals:
  void closed();

 protected:
  // Called once the fields exist: wires the workflow to the toolbar.
  void setWorkflow(EditorWorkflow* workflow);
  // A decorative area of the panel; pointing at it empties the help line.
  // Sheets lie under every control, each one over the sheets added before.
  QWidget* addSheet(const QRect& geometry, QColor fill, QColor border = {}, int borderWidth = 1);
  // A small picture button beside a box, with its hint.
  PictureButton* addFieldButton(const ToolButton& def, QPoint at);
  // A wide picture button on the card, like the toolbar's wide buttons, with
  // its hint and its keyboard shortcut from the workspaces' table.
  PictureButton* addWideButton(const ToolButton& def, QPoint at);
  // The receipts' buttons beside the two name boxes (import a block from the
  // address book, with the receipt's import tags) and beside the date
  // (today's date).
  template <typename ImportScreen>
  void addReceiptFieldButtons(ArchiveKind receipt, QPoint recipient, QPoint sender, QPoint date) {
    addFieldButton(kImportRecipient, recipient);
    addFieldButton(kImportSender, sender);
    opensTagged<ImportScreen>(QString::fromLatin1(kImportRecipient.name),
                              Archives::importTagOf(receipt, CardBlock::Recipient));
    opensTagged<ImportScreen>(QString::fromLatin1(kImportSender.name),
                              Archives::importTagOf(receipt, CardBlock::Sender));
    addTodayButton(date);
  }

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 protected:
  // The button runs the action; a failure it does not handle is shown as
  // unexpected and the workspace carries on.
  void connectClick(const QString& buttonName, std::function<void()> action);

 private:
  static const ToolButton kImportRecipient;
  static const ToolButton kImportSender;
  void addTodayButton(QPoint at);
  PictureButton* addToolButton(const ToolButton& def, QWidget* group, QPoint at, QSize size);
  void buildToolbar();
  void buildHelpBar();

  const WorkspaceLook& look_;
  QWidget* panel_;
  HelpLine* help_ = nullptr;
  EnterFocusChain* keys_;
  WindowShortcuts* shortcuts_;
  EditorWorkflow* workflow_ = nullptr;
  QList<QWidget*> sheets_;
};

}  // namespace velinda
