#pragma once

#include <QByteArray>
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

// Stores the normal form of the password. Only the "Valore" line of [Accesso] changes (or is added, with
// the section if missing); every other byte of the file stays as it was. The file is replaced as a whole
// through a temporary file, so a failure leaves the old password readable. False when it cannot be
// written or the password is not storable.
bool ScriviPassword(const QString& nuova);

// The store's text, without the file. Names of sections and keys match in any letter case and blanks
// around them and the value are ignored; the first "Valore" of the first [Accesso] that has one counts,
// and it is the line a change rewrites.
QByteArray ValoreInArchivio(const QByteArray& contenuto); // the raw value, empty when missing
QByteArray ArchivioConValore(const QByteArray& contenuto, const QByteArray& valore);
// The stored password of a store's text, as LeggiPassword gives it; nothing when not hexadecimal.
std::optional<QString> PasswordDaContenuto(const QByteArray& contenuto);

// A store larger than this is no store anyone wrote (it holds one short line): reading it fails.
constexpr qint64 DimensioneMassimaArchivioPassword = qint64(1) << 20;
