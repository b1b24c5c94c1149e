#pragma once

#include "archive/recordlayout.h"

namespace velinda {

// An archive file beside the executable and the layout of its records.
struct ArchiveDefinition {
  QString fileName;
  const RecordLayout& layout;
};

const RecordLayout& acceptanceLayout();     // TSchedaAccettazione, 3520 bytes
const RecordLayout& returnReceiptLayout();  // TSchedaRicevimento, 1733 bytes
const RecordLayout& addressBookLayout();    // TSchedaAnagrafica, 3831 bytes

const ArchiveDefinition& acceptanceArchive();     // Ricevute_Accettazione.pro
const ArchiveDefinition& returnReceiptArchive();  // Avvisi_Ricevimento.pro
const ArchiveDefinition& addressBookArchive();    // Anagrafica.pro

}  // namespace velinda
