#pragma once

#include <QString>

#include <optional>

// The scrambling of the stored password: each character's low byte is XORed with the high byte of a
// 16-bit key that moves on with every scrambled byte, and written as two upper-case hex digits.
QString Codifica(const QString& testo);
// The reverse; nothing when a digit pair is not hexadecimal. A last odd digit is ignored.
std::optional<QString> Decodifica(const QString& esadecimale);
