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
    void Scrivi(const TScheda& s);
    qint64 Posizione() const { return posizione; }
    bool FineArchivio() const { return posizione >= numero; }
    void Chiudi();

private:
    void verificaAperto() const;
    void svuotaLettura();

    QFile file;
    qint64 numero = 0; // whole records; a trailing partial record is never counted
    qint64 posizione = 0;

    // Read-ahead: scans of the whole archive read large blocks instead of one record per call.
    std::vector<char> blocco;
    qint64 primoInBlocco = 0;
    qint64 schedeInBlocco = 0;
};
