// An archive file of any content: counted, read to its end, overwritten and appended to.
#include "Fuzz.h"

#include "storage/Archivio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    // In memory where the system offers it: the target is about the reader, not the disk.
    static const QString percorso =
        (QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
        QStringLiteral("/geodario-fuzz-%1.ima").arg(QCoreApplication::applicationPid());
    {
        QFile f(percorso);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(dati), qint64(n));
    }
    const qint64 schede = qint64(n) / DimensioneScheda;
    try {
        TArchivio a;
        a.ApriOCrea(percorso);
        FUZZ_VERIFICA(a.NumeroSchede() == schede);
        TScheda s;
        while (!a.FineArchivio())
            a.Leggi(s);
        FUZZ_VERIFICA(a.Posizione() == schede);
        bool oltre = false;
        try {
            a.Leggi(s);
        } catch (const EArchivio&) {
            oltre = true;
        }
        FUZZ_VERIFICA(oltre);
        if (schede > 0) {
            a.Posiziona(schede - 1);
            a.Scrivi(s);
        }
        // An append lands on the first whole-record slot, over any partial trailing record.
        FUZZ_VERIFICA(a.Accoda(s) == schede + 1);
        a.Chiudi();
    } catch (const EArchivio&) {
        FUZZ_VERIFICA(false);
    }
    FUZZ_VERIFICA(QFile(percorso).size() == (schede + 1) * DimensioneScheda);
    return 0;
}
