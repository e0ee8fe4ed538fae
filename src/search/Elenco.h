#pragma once

#include "storage/Scheda.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

class TArchivio;

// The result lists of the search window and of the for-sale list: the fixed-width line of a card, the
// filter match, the order of the lines, the find step and the scans over an archive.

// The list line of one card: name, group, locality and year in fixed columns, then the value.
QString subRigaElenco(const TScheda& r);

// Whether lowered (A-Z folded to a-z only) text holds termine, which is already lowered. An empty
// term is never found.
bool contieneAZ(QStringView testo, QStringView termine);

// One filter of the search window: the card field it tests and its text exactly as typed.
struct FiltroRicerca {
    Campo campo;
    QString testo;
};

// The filled filters of one search, prepared for testing many records.
class TRicerca {
public:
    explicit TRicerca(const QList<FiltroRicerca>& filtri);
    int filtriCompilati() const { return compilati; }
    // Every filled filter occurs in its field; with no filled filter every record is a hit.
    bool corrisponde(const TScheda& r) const;

private:
    struct FiltroByte {
        Campo campo;
        QByteArray byte; // the text lowered, untrimmed, as the bytes a field stores it in
    };
    std::vector<FiltroByte> cercati;
    int compilati = 0;
    bool impossibile = false; // a filter holds a character no stored byte reads as
};

// The for-sale rule: anything but "No" once trimmed, the empty text included.
bool eInVendita(const TScheda& r);

// Sorts once in list order: UTF-16 code units after folding a-z to A-Z, nothing else; lines that
// compare equal keep their file order.
void ordinaElenco(QStringList& righe);

// The find step over a list. selezione is the selected line (-1 for none); testoTrova is the find
// field's text. Returns the line to select, or -1 for an empty list, which leaves ultimoTermine as it
// was. A new term searches from the top, the same term again from the line after the selection,
// wrapping round; without a match the selection stays (the first line when nothing was selected).
int subTrovaInElenco(const QStringList& righe, int selezione, const QString& testoTrova,
                     QString& ultimoTermine);

// Reads the archive from its position to the end and appends the line of every record accepted.
// An archive error propagates; the lines appended before it stay in righe.
void raccogliRighe(TArchivio& archivio, const std::function<bool(const TScheda&)>& accetta,
                   QStringList& righe);

// Reads the archive from its position to the end and hands over, in file order, every record whose
// line equals riga (both trimmed), with its 1-based card number.
void schedeConRiga(TArchivio& archivio, const QString& riga,
                   const std::function<void(const TScheda&, qint64)>& consegna);
