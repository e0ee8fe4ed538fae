#include "Crypt.h"

#include <cstdint>

namespace {

constexpr std::uint16_t chiaveIniziale = 9317;

// The key is advanced with the scrambled byte in both directions, so each reproduces the other's keys.
std::uint16_t avanza(std::uint16_t chiave, std::uint8_t cifrato) {
    return std::uint16_t((chiave + cifrato) * 36107u + 40583u);
}

int valoreCifra(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString Codifica(const QString& testo) {
    static constexpr char cifre[] = "0123456789ABCDEF";
    QString risultato;
    risultato.reserve(testo.size() * 2);
    std::uint16_t chiave = chiaveIniziale;
    for (QChar c : testo) {
        const auto s = std::uint8_t((c.unicode() & 0xFF) ^ (chiave >> 8));
        risultato += QLatin1Char(cifre[s >> 4]);
        risultato += QLatin1Char(cifre[s & 0xF]);
        chiave = avanza(chiave, s);
    }
    return risultato;
}

std::optional<QString> Decodifica(const QString& esadecimale) {
    const qsizetype n = esadecimale.size() / 2;
    QString risultato;
    risultato.reserve(n);
    std::uint16_t chiave = chiaveIniziale;
    for (qsizetype i = 0; i < n; ++i) {
        const int alta = valoreCifra(esadecimale[2 * i]);
        const int bassa = valoreCifra(esadecimale[2 * i + 1]);
        if (alta < 0 || bassa < 0)
            return std::nullopt;
        const auto s = std::uint8_t(alta * 16 + bassa);
        risultato += QChar(char16_t(s ^ (chiave >> 8)));
        chiave = avanza(chiave, s);
    }
    return risultato;
}
