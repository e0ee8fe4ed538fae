// The measuring instrument: generated catalogues of 10,000 and 100,000 cards (or the count or the
// archive given on the command line), every case through the code the windows use, the baselines of the
// hardware and of a database peer, and how each case grows with the catalogue.
//
//   bench_geodario [--schede N] [--archivio FILE] [--volte K] [--solo ricerca,esportazione,...]
#include "Banco.h"
#include "Casi.h"
#include "Catalogo.h"

#include "storage/CartellaProgramma.h"
#include "ui/Messaggi.h"
#include "ui/OpenURL.h"
#include "ui/Stampa.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

void uso() {
    std::fprintf(stderr, "usage: bench_geodario [--schede N] [--archivio FILE] [--volte K] "
                         "[--solo ricerca,esportazione,navigazione,foto,avvio]\n");
    std::exit(2);
}

QString processore() {
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& riga : f.readAll().split('\n'))
            if (riga.startsWith("model name"))
                return QString::fromUtf8(riga.mid(riga.indexOf(':') + 1).trimmed());
    return QSysInfo::currentCpuArchitecture();
}

} // namespace

int main(int argc, char** argv) {
    // A child run of a case (a fresh process) has its own entry.
    if (argc >= 2 && std::strcmp(argv[1], "--figlio") == 0)
        return eseguiFiglio(argc, argv);

    QList<qint64> dimensioni{10000, 100000};
    QString esterno;
    int volte = 7;
    QStringList solo;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        if (i + 1 >= argc)
            uso();
        const QString v = QString::fromLocal8Bit(argv[++i]);
        bool ok = true;
        if (a == "--schede")
            dimensioni = {v.toLongLong(&ok)};
        else if (a == "--archivio")
            esterno = QFileInfo(v).absoluteFilePath();
        else if (a == "--volte")
            volte = v.toInt(&ok);
        else if (a == "--solo")
            solo = v.split(u',');
        else
            uso();
        if (!ok || volte < 1 || dimensioni.first() < 1)
            uso();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    ImpostaCartellaProgramma(dir.path());
    Messaggi::Test::attiva();
    Stampa::Test::attiva();
    TMisc::modoTest(true);

    std::printf("Geodario benchmark — %s\n%s, %d cores, %s\n",
                qPrintable(QDateTime::currentDateTime().toString(Qt::ISODate)), qPrintable(processore()),
                QThread::idealThreadCount(), qPrintable(QSysInfo::prettyProductName()));
    auto vuole = [&](const char* gruppo) { return solo.isEmpty() || solo.contains(QLatin1String(gruppo)); };

    if (!esterno.isEmpty())
        dimensioni = {QFileInfo(esterno).size() / 3646};
    for (qint64 n : dimensioni) {
        Contesto c;
        c.cartella = dir.path();
        c.archivio = esterno.isEmpty() ? dir.filePath(QStringLiteral("Bench.ima")) : esterno;
        c.schede = n;
        c.volte = volte;
        if (esterno.isEmpty())
            creaCatalogo(c.archivio, n);
        impostaCatalogo(n);
        std::printf("\n== %lld cards, %.0f MB: %s\n", n, QFileInfo(c.archivio).size() / 1e6,
                    qPrintable(c.archivio));
        if (vuole("ricerca"))
            casiRicerca(c);
        if (vuole("esportazione"))
            casoEsportazione(c);
        if (vuole("navigazione"))
            casoNavigazione(c);
        if (vuole("foto") && n == dimensioni.last())
            casiFoto(c);
        if (vuole("avvio") && n == dimensioni.last())
            casoAvvio(c);
    }
    stampaCrescita();
    return 0;
}
