#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class TArchivio;

// The spreadsheet export apart from its window: the grid's columns, filling the grid from an archive,
// and the bytes of "Archivio_Minerali.xls" written from the grid's cells.
namespace Esportazione {

inline constexpr int NumeroColonne = 23; // the card number, then the 21 texts and the for-sale flag
inline constexpr int RigheIniziali = 10;

struct Colonna {
    const char* nome;             // object name of the column, colNum ... colInVendita
    const char* intestazione;     // grid header (UTF-8)
    int larghezza;                // grid width in pixels
    bool solaLettura;             // not editable in place
    const char* intestazioneFile; // header in the exported file (UTF-8); column 0 is not exported
    int larghezzaFile;            // HTML width attribute of that header cell
};

const Colonna& colonna(int i);

// One grid row: column 0 the 1-based card number, 1..22 the fields in record order.
using RigaGriglia = std::array<QString, NumeroColonne>;
using Griglia = std::vector<RigaGriglia>;

// The grid as the window opens: ten empty rows.
Griglia grigliaIniziale();

// Fills the grid from an open archive: nothing for an empty one, otherwise one row per card, read from
// the first record on. An archive failure throws EArchivio and leaves the rows read so far filled and the
// others empty.
void riempiGriglia(TArchivio& archivio, Griglia& righe);

QString nomeFile();     // "Archivio_Minerali.xls"
QString percorsoFile(); // in the program folder

// Progress of a long export: rows written so far and rows in all.
using Avanzamento = std::function<void(qsizetype fatte, qsizetype totale)>;

// The whole file for these rows.
QByteArray contenuto(const Griglia& righe);

// Writes the file whole: into a temporary file beside it, renamed over the old one only when complete,
// so that a failure leaves an earlier export as it was. False on any failure.
bool scrivi(const QString& percorso, const Griglia& righe, const Avanzamento& avanzamento = {});

// A cell as it appears in the file: trimmed, Windows-1252, with "&", "<" and ">" escaped so that the
// spreadsheet shows the text itself and not markup made of it.
void aggiungiCella(QByteArray& out, const QString& valore);

} // namespace Esportazione
