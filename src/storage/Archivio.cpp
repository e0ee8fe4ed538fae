#include "Archivio.h"

#include <QFileInfo>

#include <cstring>

namespace {
constexpr qint64 SchedePerBlocco = 256;
}

QString MessaggioErroreArchivio() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

TArchivio::~TArchivio() {
    Chiudi();
}

void TArchivio::ApriOCrea(const QString& percorso) {
    Chiudi();
    file.setFileName(percorso);
    if (QFileInfo::exists(percorso) || QFileInfo(percorso).isSymLink()) {
        // An existing archive that cannot be opened fails; it is never recreated (that would empty it).
        if (!file.open(QIODevice::ReadWrite))
            throw EArchivio();
    } else if (!file.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
        throw EArchivio();
    }
    if (QFileInfo(file).isDir()) {
        file.close();
        throw EArchivio();
    }
    numero = file.size() / DimensioneScheda;
    posizione = 0;
    svuotaLettura();
}

void TArchivio::verificaAperto() const {
    if (!file.isOpen())
        throw EArchivio();
}

qint64 TArchivio::NumeroSchede() const {
    verificaAperto();
    return numero;
}

void TArchivio::Posiziona(qint64 k) {
    verificaAperto();
    // Beyond the end would leave a gap of empty records: refuse it.
    if (k < 0 || k > numero)
        throw EArchivio();
    posizione = k;
}

void TArchivio::svuotaLettura() {
    primoInBlocco = 0;
    schedeInBlocco = 0;
}

void TArchivio::Leggi(TScheda& s) {
    verificaAperto();
    if (posizione >= numero)
        throw EArchivio();
    if (posizione < primoInBlocco || posizione >= primoInBlocco + schedeInBlocco) {
        const qint64 n = std::min(SchedePerBlocco, numero - posizione);
        blocco.resize(std::size_t(n * DimensioneScheda));
        if (!file.seek(posizione * DimensioneScheda))
            throw EArchivio();
        const qint64 letti = file.read(blocco.data(), n * DimensioneScheda);
        if (letti < DimensioneScheda) {
            svuotaLettura();
            throw EArchivio();
        }
        primoInBlocco = posizione;
        schedeInBlocco = letti / DimensioneScheda;
    }
    std::memcpy(s.byte.data(), blocco.data() + (posizione - primoInBlocco) * DimensioneScheda,
                DimensioneScheda);
    ++posizione;
}

void TArchivio::Scrivi(const TScheda& s) {
    verificaAperto();
    svuotaLettura();
    // Always at a whole-record offset: an append writes over any partial trailing record.
    if (!file.seek(posizione * DimensioneScheda))
        throw EArchivio();
    if (file.write(s.byte.data(), DimensioneScheda) != DimensioneScheda || !file.flush())
        throw EArchivio();
    ++posizione;
    if (posizione > numero)
        numero = posizione;
}

void TArchivio::Chiudi() {
    if (file.isOpen())
        file.close();
    svuotaLettura();
    blocco.clear();
    blocco.shrink_to_fit();
}
