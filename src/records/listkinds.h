#pragma once

#include <array>
#include <optional>

#include "archive/archivekinds.h"
#include "archive/layouts.h"
#include "records/listlines.h"

namespace velinda {

class TScheda;

// What sets one list screen apart from the others: these tables are the
// only place where the seven list screens differ.

// Which records a status list shows.
struct ListCondition {
  enum class Test {
    ReadsNo,   // the flag's text is exactly "No"
    NotEmpty,  // the field, trimmed, is not empty
  };
  Test test;
  const char16_t* field;

  bool holdsFor(const TScheda& record) const;
};

struct StatusListKind {
  const char* caption;  // UTF-8
  const ArchiveDefinition& (*archive)();
  ListCondition condition;
  ListLines::LineKind line;
  const char* summaryTitle;  // UTF-8
};

const StatusListKind& unsentList();          // TfrmInviate
const StatusListKind& undeliveredList();     // TfrmConsegnate
const StatusListKind& pendingMattersList();  // TfrmQuestioni

// One filter box of a search screen and the field it looks in.
struct FilterBox {
  const char* box;
  const char* label;  // UTF-8
  const char* field;
};

struct SearchKind {
  const char* caption;  // UTF-8
  const ArchiveDefinition& (*archive)();
  // The workspace a double click fills, when the screen was opened from it;
  // none for a screen that fills by its own tags.
  std::optional<ArchiveKind> fills;
  const char* summaryTitle;
  ListLines::LineKind line;
  std::array<FilterBox, 10> filters;  // table order: two columns, row by row
};

const SearchKind& acceptanceSearch();     // TfrmTrovaAccettazione
const SearchKind& returnReceiptSearch();  // TfrmTrovaRicevimento
const SearchKind& addressBookSearch();    // TfrmTrovaAnagrafica
const SearchKind& addressBookImport();    // TfrmImportaAnagrafica

}  // namespace velinda
