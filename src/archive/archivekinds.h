#pragma once

#include <QString>
#include <optional>
#include <span>

#include "archive/layouts.h"

namespace velinda {

// The program's archives, in the main menu's order. Every screen that needs
// to know which archive it serves names it by this, not by a word.
enum class ArchiveKind { AddressBook, Acceptance, ReturnReceipt };

// The two blocks of a receipt that an address-book card can fill.
enum class CardBlock { Recipient, Sender };

// One archive: its file and layout, the word a search or attachments
// screen keeps for the workspace that opened it (the hidden label
// lblMemory, as the screens have always shown it), and whether its cards
// have attachments.
struct ArchiveEntry {
  ArchiveKind kind;
  const ArchiveDefinition& (*definition)();
  const char* tag;
  bool keepsAttachments;
};

namespace Archives {

std::span<const ArchiveEntry> all();
const ArchiveEntry& entry(ArchiveKind kind);

// "anagrafica", "accettazione", "ricevimento".
QString tagOf(ArchiveKind kind);
// The archive whose tag this is, compared exactly; none for any other text.
std::optional<ArchiveKind> tagged(const QString& tag);

// The tag of an import into a receipt's block: "accettazione_des",
// "ricevimento_mit".
QString importTagOf(ArchiveKind receipt, CardBlock block);

}  // namespace Archives

}  // namespace velinda
