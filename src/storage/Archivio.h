#pragma once

#include "Scheda.h"

#include <QFile>
#include <QString>

#include <exception>
#include <vector>

// The archive access error: every failing archive operation throws it, the user action catches it.
class EArchivio : public std::exception {
public:
    const char* what() const noexcept override { return "archive access error"; }
};

// The text of the archive access error.
QString MessaggioErroreArchivio();

// An archive file of TScheda records, opened for one user action and closed at its end.
//
// Several copies of the program may append to one archive at the same time (two computers on a shared
// folder). Every write holds an advisory lock on the file while it counts the records and writes, so an
// append always lands on the first free whole-record slot of the file as it is at that moment, and a
// failed append cuts the file back to its whole records. Readers take no lock.
class TArchivio {
public:
    TArchivio() = default;
    ~TArchivio();
    TArchivio(const TArchivio&) = delete;
    TArchivio& operator=(const TArchivio&) = delete;

    void ApriOCrea(const QString& percorso);
    qint64 NumeroSchede() const;
    void Posiziona(qint64 k);
    void Leggi(TScheda& s);
    // Reads the next record without copying it: the reference stays valid until the next call on the
    // archive. For scans of the whole archive.
    const TScheda& LeggiVista();
    // At a position inside the archive: overwrites that record. At the end (Posiziona(NumeroSchede())):
    // appends, after whatever other programs appended since the archive was opened; the position and
    // NumeroSchede then say where the card really landed.
    void Scrivi(const TScheda& s);
    // Appends the card at the end of the file as it is now; returns its 1-based card number.
    qint64 Accoda(const TScheda& s);
    qint64 Posizione() const { return posizione; }
    bool FineArchivio() const { return posizione >= numero; }
    void Chiudi();

private:
    void verificaAperto() const;
    void svuotaLettura();
    void accoda(const TScheda& s); // with the lock held
    qint64 lunghezzaFile() const;

    QFile file;
    qint64 numero = 0; // whole records; a trailing partial record is never counted
    qint64 posizione = 0;

    // Read-ahead: scans of the whole archive read large blocks instead of one record per call.
    std::vector<TScheda> blocco;
    qint64 primoInBlocco = 0;
    qint64 schedeInBlocco = 0;
};
