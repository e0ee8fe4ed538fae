// A second program on the same files, for the tests that need two processes or process-wide limits.
//   sonda_storage accoda <archive> <count> <label>   appends <count> cards as the editor's save does and
//                                                     prints each card's number
//   sonda_storage foto <file> <megabytes>            loads a photo with only that much address space
//                                                     left; prints "null" or its size, "skip" if it
//                                                     cannot limit memory here
#include "storage/Archivio.h"
#include "storage/Foto.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

int accoda(const QString& percorso, int quante, const QString& etichetta) {
    for (int i = 0; i < quante; ++i) {
        TScheda s;
        s.impostaTesto(Campo::Titolo, etichetta + QString::number(i));
        try {
            // The editor's save of a new card, call for call.
            TArchivio a;
            a.ApriOCrea(percorso);
            a.Posiziona(a.NumeroSchede());
            a.Scrivi(s);
            const qint64 numero = a.NumeroSchede();
            a.Chiudi();
            std::printf("%s%d %lld\n", qPrintable(etichetta), i, static_cast<long long>(numero));
        } catch (const EArchivio&) {
            std::printf("%s%d errore\n", qPrintable(etichetta), i);
        }
    }
    return 0;
}

qint64 memoriaVirtuale() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("VmSize:"))
            return riga.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

int foto(const QString& percorso, qint64 megabyte) {
#if defined(__SANITIZE_ADDRESS__)
    std::puts("skip"); // the sanitizer reserves terabytes of address space: no limit can be set
    return 0;
#endif
    const qint64 usata = memoriaVirtuale();
    if (usata < 0) {
        std::puts("skip");
        return 0;
    }
    const rlimit r{rlim_t(usata + megabyte * 1024 * 1024), rlim_t(usata + megabyte * 1024 * 1024)};
    if (setrlimit(RLIMIT_AS, &r) != 0) {
        std::puts("skip");
        return 0;
    }
    const Foto f = Foto::daFile(percorso);
    if (f.isNull())
        std::puts("null");
    else
        std::printf("%dx%d\n", f.immagine().width(), f.immagine().height());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc == 5 && std::strcmp(argv[1], "accoda") == 0)
        return accoda(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), QString::fromLocal8Bit(argv[4]));
    if (argc == 4 && std::strcmp(argv[1], "foto") == 0)
        return foto(QString::fromLocal8Bit(argv[2]), std::atoll(argv[3]));
    std::fprintf(stderr, "usage: sonda_storage accoda <archive> <count> <label> | foto <file> <MB>\n");
    return 2;
}
