#pragma once

#include <QString>
#include <QStringList>

namespace velinda {

// The help texts of the guide screen, each kept once: the overview of the
// main menu is composed from the three workspaces' texts. Every paragraph has
// a name, so that a paragraph added to a guide cannot shift another one out
// of place; paragraphs() gives them in the order the guide shows them.
namespace GuideTexts {

// The password the program is delivered with; the overview quotes it.
inline const QString kInitialPassword = QStringLiteral("girasolebianco");

struct AcceptanceGuide {
  QString introduction;
  QString newCard;
  QString duplicate;
  QString search;
  QString attachments;
  QString sending;
  QString printing;
  QString spreadsheetExport;

  QStringList paragraphs() const;
};

struct ReturnReceiptGuide {
  QString introduction;
  QString newCard;
  QString duplicate;
  QString search;
  QString delivery;
  QString printing;
  QString spreadsheetExport;

  QStringList paragraphs() const;
};

struct AddressBookGuide {
  QString introduction;
  QString newCard;
  QString contents;
  QString pendingMatters;
  QString duplicate;
  QString search;
  QString attachments;
  QString checks;
  QString printAndExport;

  QStringList paragraphs() const;
};

struct OverviewGuide {
  QString introduction;
  AcceptanceGuide acceptance;
  ReturnReceiptGuide returnReceipt;
  AddressBookGuide addressBook;
  QString network;
  QString password;
  QString usbStick;
  QString conclusion;

  QStringList paragraphs() const;
};

AcceptanceGuide acceptanceGuide();
ReturnReceiptGuide returnReceiptGuide();
AddressBookGuide addressBookGuide();
OverviewGuide overviewGuide();

QStringList acceptanceParagraphs();
QStringList returnReceiptParagraphs();
QStringList addressBookParagraphs();
QStringList overviewParagraphs();

// Paragraphs joined by an empty line (CR LF CR LF).
QString join(const QStringList& paragraphs);

QString acceptance();
QString returnReceipt();
QString addressBook();
QString overview();

}  // namespace GuideTexts

}  // namespace velinda
