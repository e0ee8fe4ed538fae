#include "Testo.h"

#include <QList>

#include <array>

namespace {

// 0x80-0x9F of Windows-1252; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> alto = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteDi(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i)
        if (alto[i] != 0 && alto[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace Testo {

bool eSpazio(QChar c) {
    return c.unicode() <= 0x20;
}

QString taglia(const QString& s) {
    qsizetype inizio = 0, fine = s.size();
    while (inizio < fine && eSpazio(s[inizio]))
        ++inizio;
    while (fine > inizio && eSpazio(s[fine - 1]))
        --fine;
    return s.mid(inizio, fine - inizio);
}

QString minuscoleAZ(QString s) {
    for (QChar& c : s)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return s;
}

QString maiuscoleAZ(QString s) {
    for (QChar& c : s)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return s;
}

QByteArray aCp1252(const QString& s) {
    QByteArray out;
    out.reserve(s.size());
    for (uint u : s.toUcs4()) {
        const char32_t c = u;
        int b = byteDi(c);
        if (b < 0) {
            // Closest Windows-1252 character: the base letter of a decomposable one (e.g. Ā -> A).
            const QString scomposto = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
            b = scomposto.isEmpty() ? -1 : byteDi(scomposto.at(0).unicode());
            if (b < 0 || scomposto.at(0) == QChar(c))
                b = '?';
        }
        out.append(char(b));
    }
    return out;
}

QString daCp1252(const char* dati, int lunghezza) {
    QString out;
    out.reserve(lunghezza);
    for (int i = 0; i < lunghezza; ++i) {
        const auto b = static_cast<unsigned char>(dati[i]);
        if (b >= 0x80 && b <= 0x9F && alto[b - 0x80] != 0)
            out.append(QChar(alto[b - 0x80]));
        else
            out.append(QChar(b)); // unassigned bytes map to the C1 control of the same code
    }
    return out;
}

} // namespace Testo
