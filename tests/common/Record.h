#pragma once

#include "storage/Scheda.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Archive records written from the byte layout of a card, independently of the code under test:
// 3646 bytes per record, 28 fields, each a length byte followed by its Windows-1252 text.
namespace Fixture {

constexpr int Record = 3646;

enum Offset : int {
    Titolo = 0,
    Tipologia = 121,
    Editore = 172,
    Serie = 423,
    Descrizione = 544,
    Anno = 795,
    Valore = 800,
    Dimensioni = 813,
    Carta = 864,
    Rarita = 985,
    Mittente = 1036,
    IndirizzoMit = 1087,
    Destinatario = 1208,
    IndirizzoDes = 1259,
    Testo = 1380,
    Data = 1631,
    Francobollo = 1682,
    Timbro = 1733,
    Stato = 1784,
    Luogo = 1835,
    Note = 1886,
    InVendita = 2137,
    File01 = 2140,
    File02 = 2391,
    File03 = 2642,
    Desc01 = 2893,
    Desc02 = 3144,
    Desc03 = 3395,
};

struct Voce {
    Campo campo;
    Offset offset;
    int larghezza;
};

// The whole layout, in record order.
inline constexpr Voce Layout[] = {
    {Campo::Titolo, Titolo, 120},
    {Campo::Tipologia, Tipologia, 50},
    {Campo::Editore, Editore, 250},
    {Campo::Serie, Serie, 120},
    {Campo::Descrizione, Descrizione, 250},
    {Campo::Anno, Anno, 4},
    {Campo::Valore, Valore, 12},
    {Campo::Dimensioni, Dimensioni, 50},
    {Campo::Carta, Carta, 120},
    {Campo::Rarita, Rarita, 50},
    {Campo::Mittente, Mittente, 50},
    {Campo::IndirizzoMit, IndirizzoMit, 120},
    {Campo::Destinatario, Destinatario, 50},
    {Campo::IndirizzoDes, IndirizzoDes, 120},
    {Campo::Testo, Testo, 250},
    {Campo::Data, Data, 50},
    {Campo::Francobollo, Francobollo, 50},
    {Campo::Timbro, Timbro, 50},
    {Campo::Stato, Stato, 50},
    {Campo::Luogo, Luogo, 50},
    {Campo::Note, Note, 250},
    {Campo::InVendita, InVendita, 2},
    {Campo::File01, File01, 250},
    {Campo::File02, File02, 250},
    {Campo::File03, File03, 250},
    {Campo::Desc01, Desc01, 250},
    {Campo::Desc02, Desc02, 250},
    {Campo::Desc03, Desc03, 250},
};

// Writes a length byte (given, or the text's own) and the text at a field's offset.
inline void campo(QByteArray& r, int offset, const QByteArray& testo, int lunghezza = -1) {
    r[offset] = char(lunghezza < 0 ? testo.size() : lunghezza);
    for (int i = 0; i < testo.size(); ++i)
        r[offset + 1 + i] = testo[i];
}

struct ValoreCampo {
    Offset offset;
    QByteArray testo; // Windows-1252 bytes: "\xE0" is à, "\xEC" is ì, "\x80" is €
};

inline QByteArray record(const QList<ValoreCampo>& valori) {
    QByteArray r(Record, '\0');
    for (const auto& v : valori)
        campo(r, v.offset, v.testo);
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

// A card with the four required fields; the name tells the cards apart.
inline QByteArray conObbligatori(const QByteArray& nome, const QByteArray& inVendita = "No") {
    return card(nome, "Silicati", "Val Malenco", "1999", "12,50", inVendita);
}

inline QByteArray titoloDi(const QByteArray& archivio, int k) {
    const int n = static_cast<unsigned char>(archivio[k * Record]);
    return archivio.mid(k * Record + 1, n);
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

} // namespace Fixture
