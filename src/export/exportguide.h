#pragma once

#include <QString>

// The help of an export screen, naming the archive in its first paragraph
// (e.g. "l'archivio anagrafico"). Paragraphs are separated by CR LF CR LF.
QString exportGuideText(const QString& archivePhrase);
