#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velinda {

// The guide's pages on the screens opened from the workspaces and lists:
// preview, test sheet, form batches, envelopes, contact import and saving
// an archive as a spreadsheet. The user guide prints them after the
// workspaces.
namespace FeatureGuide {

struct Section {
  QString title;
  QStringList paragraphs;
};

QList<Section> sections();

}  // namespace FeatureGuide

}  // namespace velinda
