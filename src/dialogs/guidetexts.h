#pragma once

#include <QString>
#include <QStringList>

// The help texts of the guide screen, each kept once: the overview of the
// main menu is composed from the three workspaces' texts.
namespace GuideTexts {

// The password the program is delivered with; the overview quotes it.
inline const QString kInitialPassword = QStringLiteral("girasolebianco");

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
