#pragma once

#include "Record.h"

// The two cards of the export tests, written from the card's byte layout (tests/common/Record.h).
namespace schede {

using namespace Fixture;

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

} // namespace schede
