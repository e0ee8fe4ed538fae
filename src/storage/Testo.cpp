#include "Testo.h"

#include <QList>

#include <array>

namespace {

constexpr const auto& alto = Testo::Cp1252Alto;

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
    if (lunghezza <= 0)
        return {};
    QString out(lunghezza, Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    for (int i = 0; i < lunghezza; ++i)
        o[i] = carattereCp1252(static_cast<unsigned char>(dati[i]));
    return out;
}

int byteCp1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    if (c <= 0x9F) // only the unassigned bytes read as C1 controls
        return alto[std::size_t(c - 0x80)] == 0 ? c : -1;
    for (int i = 0; i < 32; ++i)
        if (alto[std::size_t(i)] == c)
            return 0x80 + i;
    return -1;
}

} // namespace Testo
