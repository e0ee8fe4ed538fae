#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The text rules every part of the program shares. Trimming and case folding are narrower than Qt's:
// only characters up to U+0020 are blanks, and only A-Z/a-z change case.
namespace Testo {

// 0x80-0x9F of Windows-1252; 0 marks the five unassigned bytes.
inline constexpr std::array<char16_t, 32> Cp1252Alto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Every byte's character (the five unassigned bytes read as the C1 control of the same code).
inline constexpr std::array<char16_t, 256> CaratteriCp1252 = [] {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[std::size_t(b)] = (b >= 0x80 && b <= 0x9F && Cp1252Alto[std::size_t(b - 0x80)] != 0)
                                ? Cp1252Alto[std::size_t(b - 0x80)]
                                : char16_t(b);
    return t;
}();

bool eSpazio(QChar c);
QString taglia(const QString& s);
QString minuscoleAZ(QString s);
QString maiuscoleAZ(QString s);

// Windows-1252: unmappable characters become their base letter where one exists, else "?".
QByteArray aCp1252(const QString& s);
QString daCp1252(const char* dati, int lunghezza);
// The character a stored byte reads as.
constexpr char16_t carattereCp1252(unsigned char b) {
    return CaratteriCp1252[b];
}
// The byte that reads as c, or -1 when no byte does: the exact inverse of carattereCp1252.
int byteCp1252(char16_t c);
inline QString daCp1252(const QByteArray& b) {
    return daCp1252(b.constData(), int(b.size()));
}

} // namespace Testo
