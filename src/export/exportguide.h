#pragma once

#include <QString>
#include <QStringList>

namespace velinda {

// The help of an export screen, naming the archive in its first paragraph
// (e.g. "l'archivio anagrafico").
struct ExportGuide {
  QString purpose;
  QString creatingTheFile;
  QString savingTheFile;

  // In the order the guide shows them.
  QStringList paragraphs() const { return {purpose, creatingTheFile, savingTheFile}; }
};

ExportGuide exportGuide(const QString& archivePhrase);

// The paragraphs separated by CR LF CR LF.
QString exportGuideText(const QString& archivePhrase);

}  // namespace velinda
