#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Archive fixtures written from the byte layout of a card, independently of the code under test:
// 3646 bytes per record, each field a length byte followed by its Windows-1252 text.
namespace fixture {

enum Offset : int {
    Titolo = 0,
    Tipologia = 121,
    Editore = 172,
    Serie = 423,
    Descrizione = 544,
    Anno = 795,
    Valore = 800,
    Carta = 864,
    Mittente = 1036,
    Destinatario = 1208,
    Luogo = 1835,
    Note = 1886,
    InVendita = 2137,
};
constexpr int Dimensione = 3646;

struct ValoreCampo {
    Offset offset;
    QByteArray testo; // Windows-1252 bytes: "\xE0" is à, "\xEC" is ì, "\x80" is €
};

inline QByteArray record(const QList<ValoreCampo>& valori) {
    QByteArray r(Dimensione, '\0');
    for (const auto& v : valori) {
        r[v.offset] = char(v.testo.size());
        r.replace(v.offset + 1, v.testo.size(), v.testo);
    }
    return r;
}

// A card as the editor stores it: name, group, locality, year, value and the for-sale flag.
inline QByteArray card(const QByteArray& nome, const QByteArray& gruppo, const QByteArray& luogo = "Elba",
                       const QByteArray& anno = "1990", const QByteArray& valore = "10,00",
                       const QByteArray& vendita = "No") {
    return record({{Titolo, nome},
                   {Tipologia, gruppo},
                   {Editore, luogo},
                   {Anno, anno},
                   {Valore, valore},
                   {InVendita, vendita}});
}

inline bool scrivi(const QString& percorso, const QList<QByteArray>& records) {
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const auto& r : records)
        if (f.write(r) != r.size())
            return false;
    return true;
}

} // namespace fixture
