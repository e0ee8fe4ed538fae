#include "output/Esportazione.h"

#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/Scheda.h"
#include "storage/Testo.h"

#include <QSaveFile>

#include <cstring>

namespace Esportazione {

namespace {

// clang-format off
const std::array<Colonna, NumeroColonne> colonne = {{
    {"colNum",          "N.",                            60,  true,  nullptr,                         0},
    {"colTitolo",       "Nome del minerale",             280, true,  "Nome del minerale",             300},
    {"colTipologia",    "Gruppo",                        200, false, "Gruppo",                        250},
    {"colEditore",      "Località di ritrovamento",      300, true,  "Località di ritrovamento",      400},
    {"colSerie",        "Coordinate GPS",                250, true,  "Coordinate GPS",                300},
    {"colDescrizione",  "Paragenesi",                    400, true,  "Paragenesi",                    450},
    {"colAnno",         "Anno ritrovamento",             180, true,  "Anno di ritrovamento",          200},
    {"colValore",       "Valore stimato",                180, false, "Valore stimato",                250},
    {"colDimensioni",   "Dimensioni",                    200, true,  "Dimensioni",                    300},
    {"colCarta",        "Classificazione Strunz o Dana", 200, true,  "Classificazione Strunz o Dana", 300},
    {"colRarita",       "Rarità",                        200, false, "Rarità",                        250},
    {"colMittente",     "Formula chimica",               200, true,  "Formula chimica",               300},
    {"colIndirizzoMit", "Forma esterna",                 200, true,  "Forma esterna",                 300},
    {"colDestinatario", "Roccia Madre",                  200, false, "Roccia Madre",                  300},
    {"colIndirizzoDes", "Sistema cristallino",           300, false, "Sistema cristallino",           300},
    {"colTesto",        "Trattamenti",                   400, false, "Trattamenti",                   450},
    {"colData",         "Colore",                        200, false, "Colore",                        300},
    {"colFrancobollo",  "Peso",                          200, false, "Peso",                          300},
    {"colTimbro",       "Durezza",                       200, false, "Durezza",                       300},
    {"colStato",        "Stato conservazione",           200, false, "Stato conservazione",           250},
    {"colLuogo",        "Luogo conservazione",           250, false, "Luogo conservazione",           300},
    {"colNote",         "Note",                          350, false, "Note",                          400},
    {"colInVendita",    "In vendita",                    120, false, "In vendita",                    200},
}};
// clang-format on

// The grid's columns 1..22 are the record's fields from Titolo to InVendita.
static_assert(int(Campo::InVendita) == NumeroColonne - 2);

// Pieces 1 to 27: the document head with the worksheet options, up to the table's start tag.
constexpr char Testa[] = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                         "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                         "xmlns=\"http://www.w3.org/TR/REC-html40\">"
                         "<head>"
                         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                         "<!--[if gte mso 9]><xml>"
                         "<x:ExcelWorkbook>"
                         "<x:ExcelWorksheets>"
                         "<x:ExcelWorksheet>"
                         "<x:Name>Archivio Minerali</x:Name>"
                         "<x:WorksheetOptions>"
                         "<x:Selected/>"
                         "<x:Panes>"
                         "<x:Pane>"
                         "<x:Number>1</x:Number>"
                         "<x:ActiveRow>3</x:ActiveRow>"
                         "</x:Pane>"
                         "</x:Panes>"
                         "<x:ProtectContents>False</x:ProtectContents>"
                         "<x:ProtectObjects>False</x:ProtectObjects>"
                         "<x:ProtectScenarios>False</x:ProtectScenarios>"
                         "</x:WorksheetOptions>"
                         "</x:ExcelWorksheet>"
                         "</x:ExcelWorksheets>"
                         "</x:ExcelWorkbook>"
                         "</xml><![endif]-->"
                         "</head>"
                         "<body>"
                         "<table x:str>";
constexpr char InizioIntestazione[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char InizioCella[] = "<td style=\"text-align: left;\">";
constexpr char FineCella[] = "</td>";
constexpr char Coda[] = "</table></body></html>";

// Written to the file in pieces of about this size, so that a large export never holds it all.
constexpr qsizetype Blocco = 1 << 20;

void aggiungiIntestazione(QByteArray& out) {
    out.append("<tr>");
    for (int i = 1; i < NumeroColonne; ++i) {
        const Colonna& c = colonne[i];
        out.append(InizioIntestazione);
        out.append(QByteArray::number(c.larghezzaFile));
        out.append('>');
        out.append(Testo::aCp1252(QString::fromUtf8(c.intestazioneFile)));
        out.append(FineCella);
    }
    out.append("</tr>");
}

// The read conversion of a field (Windows-1252, trimmed) for a whole archive at a time: trimmed as bytes,
// and a text without bytes from 0x80 to 0x9F reads as Latin-1.
QString testoCampo(const TScheda& scheda, Campo c) {
    const TScheda::Byte b = scheda.byteTagliati(c);
    const char* d = reinterpret_cast<const char*>(b.dati);
    for (int i = 0; i < b.n; ++i)
        if (b.dati[i] >= 0x80 && b.dati[i] <= 0x9F)
            return Testo::daCp1252(d, b.n);
    return QString::fromLatin1(d, b.n);
}

void aggiungiEscape(QByteArray& out, char b) {
    switch (b) {
    case '&':
        out.append("&amp;");
        break;
    case '<':
        out.append("&lt;");
        break;
    case '>':
        out.append("&gt;");
        break;
    default:
        out.append(b);
    }
}

void aggiungiRiga(QByteArray& out, const RigaGriglia& riga) {
    out.append("<tr>");
    for (int i = 1; i < NumeroColonne; ++i)
        aggiungiCella(out, riga[i]);
    out.append("</tr>");
}

} // namespace

const Colonna& colonna(int i) {
    return colonne.at(std::size_t(i));
}

Griglia grigliaIniziale() {
    return Griglia(RigheIniziali);
}

void riempiGriglia(TArchivio& archivio, Griglia& righe) {
    const qint64 n = archivio.NumeroSchede();
    if (n == 0)
        return;
    righe.assign(std::size_t(n), RigaGriglia{});
    std::array<TScheda, 2> letture; // this card and the one before, in turn
    qint64 k = 0;
    while (!archivio.FineArchivio() && k < n) {
        TScheda& scheda = letture[std::size_t(k % 2)];
        const TScheda& precedente = letture[std::size_t((k + 1) % 2)];
        archivio.Leggi(scheda);
        RigaGriglia& riga = righe[std::size_t(k)];
        riga[0] = QString::number(k + 1);
        for (int i = 1; i < NumeroColonne; ++i) {
            // A value equal to the one of the card before shares its text: catalogues repeat groups,
            // places and flags from card to card, and a large one then takes far less memory.
            const Campo c = campo(i - 1);
            const int l = scheda.lunghezza(c);
            if (k > 0 && l == precedente.lunghezza(c) &&
                std::memcmp(scheda.datiCampo(c), precedente.datiCampo(c), std::size_t(l)) == 0)
                riga[i] = righe[std::size_t(k - 1)][i];
            else
                riga[i] = testoCampo(scheda, c);
        }
        ++k;
    }
}

QString nomeFile() {
    return QStringLiteral("Archivio_Minerali.xls");
}

QString percorsoFile() {
    return CartellaProgramma() + nomeFile();
}

void aggiungiCella(QByteArray& out, const QString& valore) {
    out.append(InizioCella);
    qsizetype inizio = 0, fine = valore.size();
    while (inizio < fine && Testo::eSpazio(valore[inizio]))
        ++inizio;
    while (fine > inizio && Testo::eSpazio(valore[fine - 1]))
        --fine;
    const qsizetype base = out.size();
    for (qsizetype i = inizio; i < fine; ++i) {
        const char16_t u = valore[i].unicode();
        if (u >= 0x80 && (u < 0xA0 || u > 0xFF)) {
            // Beyond Latin-1 the codec decides, for the whole cell. Escaped after the conversion: a
            // character without a Windows-1252 form may turn into one of the three.
            out.truncate(base);
            for (const char b : Testo::aCp1252(valore.mid(inizio, fine - inizio)))
                aggiungiEscape(out, b);
            break;
        }
        aggiungiEscape(out, char(u));
    }
    out.append(FineCella);
}

QByteArray contenuto(const Griglia& righe) {
    QByteArray out(Testa);
    aggiungiIntestazione(out);
    for (const RigaGriglia& r : righe)
        aggiungiRiga(out, r);
    out.append(Coda);
    return out;
}

bool scrivi(const QString& percorso, const Griglia& righe, const Avanzamento& avanzamento) {
    QSaveFile file(percorso);
    file.setDirectWriteFallback(false); // never write over the old file in place
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer;
    buffer.reserve(Blocco + 64 * 1024);
    const auto svuota = [&] {
        const bool ok = file.write(buffer) == buffer.size();
        buffer.clear();
        return ok;
    };
    buffer.append(Testa);
    aggiungiIntestazione(buffer);
    const qsizetype totale = qsizetype(righe.size());
    for (qsizetype k = 0; k < totale; ++k) {
        aggiungiRiga(buffer, righe[std::size_t(k)]);
        if (buffer.size() >= Blocco) {
            if (!svuota())
                return false; // the temporary file is removed, the old export stays
            if (avanzamento)
                avanzamento(k + 1, totale);
        }
    }
    buffer.append(Coda);
    if (!svuota())
        return false;
    if (avanzamento)
        avanzamento(totale, totale);
    return file.commit();
}

} // namespace Esportazione
