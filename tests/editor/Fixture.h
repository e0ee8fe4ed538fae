#pragma once

#include <QByteArray>
#include <QString>

// Archive records written from the byte layout, independently of the code under test.
namespace Fixture {

constexpr int Record = 3646;
constexpr int Titolo = 0, Tipologia = 121, Editore = 172, Anno = 795, Valore = 800, Note = 1886,
              InVendita = 2137, File01 = 2140, Desc03 = 3395;

inline void campo(QByteArray& r, int offset, const QByteArray& testo) {
    r[offset] = char(testo.size());
    for (int i = 0; i < testo.size(); ++i)
        r[offset + 1 + i] = testo[i];
}

// A card with the four required fields; the name tells the cards apart.
inline QByteArray scheda(const QByteArray& nome, const QByteArray& inVendita = "No") {
    QByteArray r(Record, '\0');
    campo(r, Titolo, nome);
    campo(r, Tipologia, "Silicati");
    campo(r, Editore, "Val Malenco");
    campo(r, Anno, "1999");
    campo(r, Valore, "12,50");
    campo(r, InVendita, inVendita);
    return r;
}

inline QByteArray titoloDi(const QByteArray& archivio, int k) {
    const int n = static_cast<unsigned char>(archivio[k * Record]);
    return archivio.mid(k * Record + 1, n);
}

} // namespace Fixture
