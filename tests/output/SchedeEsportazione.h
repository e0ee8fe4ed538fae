#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Archive records for the export tests, written from the card's byte layout: 3646 bytes, each field a
// length byte followed by its Windows-1252 text, at the offsets below.
namespace schede {

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
    Desc01 = 2893,
};
constexpr int Dimensione = 3646;

struct ValoreCampo {
    Offset offset;
    QByteArray testo; // Windows-1252: "\xE0" is à, "\xEC" is ì, "\xF9" is ù, "\x80" is €, "\xB0" is °
};

inline QByteArray record(const QList<ValoreCampo>& valori) {
    QByteArray r(Dimensione, '\0');
    for (const auto& v : valori) {
        r[v.offset] = char(v.testo.size());
        r.replace(v.offset + 1, v.testo.size(), v.testo);
    }
    return r;
}

// A card with every text field, accents and an attachment (which the export leaves out).
inline QByteArray conAccenti() {
    return record({{Titolo, "Quarzo ialino"},
                   {Tipologia, "Silicati"},
                   {Editore, "Localit\xE0 Rio Marina, Isola d'Elba"},
                   {Serie, "42\xB0"
                           "49'N 10\xB0"
                           "25'E"},
                   {Descrizione, "Ematite, pirite"},
                   {Anno, "1987"},
                   {Valore, "120,00"},
                   {Dimensioni, "5 x 3 cm"},
                   {Carta, "4.DA.05"},
                   {Rarita, "Comune"},
                   {Mittente, "SiO2"},
                   {IndirizzoMit, "Prismatico"},
                   {Destinatario, "Granito"},
                   {IndirizzoDes, "Trigonale"},
                   {Testo, "Nessuno"},
                   {Data, "Incolore"},
                   {Francobollo, "45 g"},
                   {Timbro, "7"},
                   {Stato, "Ottimo"},
                   {Luogo, "Vetrina 2"},
                   {Note, "Dono di un amico; pi\xF9 di 10 \x80"},
                   {InVendita, "No"},
                   {File01, "certificato.pdf"},
                   {Desc01, "Certificato di autenticit\xE0"}});
}

// A card for sale, with markup characters and blanks and control characters around its values.
inline QByteArray inVendita() {
    return record({{Titolo, "  Pirite & marcasite \t"},
                   {Tipologia, "\x01Solfuri  "},
                   {Editore, " Rio  Marina "},
                   {Descrizione, "<quarzo>, calcite"},
                   {Anno, "2001"},
                   {Valore, "35,50"},
                   {Dimensioni, "2 < x < 4 cm"},
                   {Rarita, "Rara"},
                   {Mittente, "FeS2"},
                   {IndirizzoDes, "\r\nCubico\r\n"},
                   {Data, "Giallo ottone"},
                   {Timbro, "6"},
                   {Note, "</td><td>finto"},
                   {InVendita, "S\xEC"}});
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

} // namespace schede
