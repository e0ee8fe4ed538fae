#pragma once

#include <QString>

#include <optional>

// The installation's one password, kept scrambled in an INI file beside the program (section "Accesso",
// key "Valore"). Nothing here talks to the user: failures go back to the caller.

// What is stored and compared: blanks (U+0020 and below) trimmed at the ends, a-z as A-Z.
QString FormaNormalePassword(const QString& password);

// Only the low byte of each character is stored, so a character above U+00FF could never match again;
// the length bound keeps a new password well inside what the store is ever expected to give back.
constexpr qsizetype LunghezzaMassimaPassword = 1000;
bool PasswordMemorizzabile(const QString& password);

QString PercorsoArchivioPassword();

// The stored password in normal form; empty when the file, the section or the key is missing; nothing
// when the file cannot be read or the value is not hexadecimal.
std::optional<QString> LeggiPassword();

// Stores the normal form of the password, keeping the rest of the file. The file is replaced as a whole
// through a temporary file, so a failure leaves the old password readable. False when it cannot be
// written or the password is not storable.
bool ScriviPassword(const QString& nuova);
