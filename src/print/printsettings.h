#pragma once

#include <QString>
#include <optional>

#include "report/page.h"

// Impostazioni.ini in the program folder: per form, the print offsets and,
// for the return receipt, the orientation. Every call opens the file, reads
// or writes, and lets it go.
namespace PrintSettings {

inline constexpr char kFileName[] = "Impostazioni.ini";
inline constexpr char kTopKey[] = "Superiore";
inline constexpr char kLeftKey[] = "Sinistro";
inline constexpr char kOrientationKey[] = "Orientamento";

// Empty when the file, section or key is missing.
QString read(const QString& section, const QString& key);

// Throws IniWriteError when the file cannot be written.
void write(const QString& section, const QString& key, const QString& value);
void write(const QString& section, const QString& key, const QString& value,
           const QString& section2, const QString& key2, const QString& value2);

// "Verticale" and "Orizzontale", letter for letter; anything else is no choice.
std::optional<Orientation> orientationFromWord(const QString& word);
QString wordFor(Orientation orientation);

}  // namespace PrintSettings
