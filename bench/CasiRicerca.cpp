// The windows that read a whole catalogue for a list: the search window with two filters and with none,
// the for-sale list, the scan behind a double-click and the find step; beside them a plain sequential
// read of the file and the same queries in SQLite.
#include "Casi.h"
#include "Catalogo.h"
#include "Sqlite.h"

#include "search/EditorElenco.h"
#include "search/Elenco.h"
#include "search/InVendita.h"
#include "search/ModelloElenco.h"
#include "search/TrovaCartoline.h"
#include "storage/Archivio.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>

#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The editor as the list windows see it: the open archive, and nothing done with a chosen card.
class EditorFinto : public IEditorElenco {
public:
    explicit EditorFinto(QString archivio) : percorso(std::move(archivio)) {}
    QString archivioAperto() const override { return percorso; }
    QString nomeCatalogo() const override { return QStringLiteral("Bench"); }
    void subMostraScheda(const TScheda&, qint64) override { ++consegnate; }
    int consegnate = 0;

private:
    QString percorso;
};

// Baseline (a): the file read from start to end in large blocks into one buffer, as fast as the
// system gives it.
void letturaSequenziale(const QString& percorso) {
    static std::vector<char> buffer(std::size_t(1) << 20);
    const int fd = ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        qFatal("cannot read %s", qPrintable(percorso));
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::close(fd);
}

// A search as the user starts it: filters typed, Cerca clicked, the list painted.
void cerca(TfrmTrovaCartoline& w, const QString& gruppo, const QString& anno) {
    w.txtTipologia->setText(gruppo);
    w.txtAnno->setText(anno);
    w.btnCerca->click();
    w.lstRecords->repaint();
}

QString rapporto(const char* nome, double valore, double base, double limite = 0) {
    QString s = QStringLiteral("%1 %2 ×").arg(QLatin1String(nome)).arg(valore / base, 0, 'f', 2);
    if (limite > 0)
        s += valore / base <= limite ? QStringLiteral(" (≤ %1 ok)").arg(limite)
                                     : QStringLiteral(" (≤ %1 MISSED)").arg(limite);
    return s;
}

// The first search with no filter in a fresh process: the window shown, Cerca clicked, the list
// painted. Prints "<ms> <peak MB> <lines>".
int primaRicerca(const QString& archivio) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char nome[] = "bench_geodario";
    char* argv[] = {nome, nullptr};
    QApplication app(argc, argv);
    EditorFinto editor(archivio);
    TfrmTrovaCartoline w(nullptr, &editor);
    w.show();
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    cerca(w, QString(), QString());
    const double ms = double(t.nsecsElapsed()) / 1e6;
    std::printf("%.3f %.1f %d\n", ms, piccoMemoriaMB(), int(w.modello()->rowCount()));
    return 0;
}

// The parts of a search apart: the scan that makes the lines, then the sort alone. The sort is timed
// inside the loop, on a copy made outside it, so that no line shared with the copy is touched.
void scomposizione(const Contesto& c, const char* caso, const TRicerca& ricerca, double a) {
    QStringList righe;
    const Misura scansione = misura(c.volte, [&] {
        TArchivio archivio;
        archivio.ApriOCrea(c.archivio);
        righe.clear();
        raccogliRighe(
            archivio, [&](const TScheda& r) { return ricerca.corrisponde(r); }, righe);
    });
    stampaRiga(QStringLiteral("   %1 of which scan and lines").arg(QLatin1String(caso)), scansione, c.schede,
               QStringLiteral("%1 lines, ").arg(righe.size()) + rapporto("(a)", scansione.mediana(), a));
    Misura ordine;
    for (int i = 0; i <= c.volte; ++i) {
        QStringList copia = righe;
        copia.detach();
        QElapsedTimer t;
        t.start();
        ordinaElenco(copia);
        if (i > 0)
            ordine.ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    ordine.piccoMB = piccoMemoriaMB();
    stampaRiga(QStringLiteral("   %1 of which the sort").arg(QLatin1String(caso)), ordine, c.schede,
               QStringLiteral("%1 lines").arg(righe.size()));
}

} // namespace

int eseguiFiglio(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[2], "prima-ricerca") == 0)
        return primaRicerca(QString::fromLocal8Bit(argv[3]));
    std::fprintf(stderr, "unknown child run\n");
    return 2;
}

void casiRicerca(const Contesto& c) {
    const Misura lettura = misura(c.volte, [&] { letturaSequenziale(c.archivio); });
    const double a = lettura.mediana();
    stampaRiga(QStringLiteral("(a) sequential read of the file"), lettura, c.schede,
               QStringLiteral("%1 MB/s").arg(double(QFile(c.archivio).size()) / 1e3 / a, 0, 'f', 0));

    TSqlite db(c.cartella + QStringLiteral("/Bench.sqlite"), c.archivio);
    const Misura sqlDue = misura(c.volte, [&] { db.cercaGruppoAnno(GruppoCercato, AnnoCercato); });
    stampaRiga(QStringLiteral("(d) SQLite: group and year, LIKE + ORDER BY"), sqlDue, c.schede,
               QStringLiteral("%1 rows").arg(db.cercaGruppoAnno(GruppoCercato, AnnoCercato)));
    const Misura sqlTutte = misura(c.volte, [&] { db.cercaTutte(); });
    stampaRiga(QStringLiteral("(d) SQLite: every card, ORDER BY"), sqlTutte, c.schede);
    const Misura sqlVendita = misura(c.volte, [&] { db.inVendita(); });
    stampaRiga(QStringLiteral("(d) SQLite: for sale, ORDER BY"), sqlVendita, c.schede);

    EditorFinto editor(c.archivio);
    TfrmTrovaCartoline w(nullptr, &editor);
    w.show();
    QCoreApplication::processEvents();

    // 1. Two filters: the scan, the lines, the sort and the list.
    const Misura due = misura(
        c.volte, [&] { cerca(w, QString::fromLatin1(GruppoCercato), QString::fromLatin1(AnnoCercato)); });
    const int trovate = w.modello()->rowCount();
    stampaRiga(QStringLiteral("1. search, group and year (click to list painted)"), due, c.schede,
               QStringLiteral("%1 lines (%2 %), ").arg(trovate).arg(100.0 * trovate / c.schede, 0, 'f', 1) +
                   rapporto("(a)", due.mediana(), a, 1.5) + QStringLiteral(", ") +
                   rapporto("SQLite", due.mediana(), sqlDue.mediana(), 0.8));

    // Where the time goes, without the window.
    scomposizione(c, "1.",
                  TRicerca({{Campo::Tipologia, QString::fromLatin1(GruppoCercato)},
                            {Campo::Anno, QString::fromLatin1(AnnoCercato)}}),
                  a);

    // The floor of every scan: each record read and tested, no line made.
    const TRicerca nessuna({{Campo::Tipologia, QStringLiteral("nessun gruppo")}});
    const Misura vuota = misura(c.volte, [&] {
        TArchivio archivio;
        archivio.ApriOCrea(c.archivio);
        QStringList righe;
        raccogliRighe(
            archivio, [&](const TScheda& r) { return nessuna.corrisponde(r); }, righe);
    });
    stampaRiga(QStringLiteral("   scan alone, a filter no card matches"), vuota, c.schede,
               rapporto("(a)", vuota.mediana(), a));

    // 2. No filter: every card is a line.
    const Misura tutte = misura(c.volte, [&] { cerca(w, QString(), QString()); });
    stampaRiga(QStringLiteral("2. search, no filter (click to list painted)"), tutte, c.schede,
               QStringLiteral("%1 lines, ").arg(w.modello()->rowCount()) +
                   rapporto("(a)", tutte.mediana(), a, 2.5) + QStringLiteral(", ") +
                   rapporto("SQLite", tutte.mediana(), sqlTutte.mediana()));

    scomposizione(c, "2.", TRicerca({}), a);

    // 2b. The same as the first search of a fresh process, heap growth included.
    Misura prima;
    double piccoPrima = 0;
    for (int i = 0; i < c.volte; ++i) {
        QProcess figlio;
        figlio.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--figlio"), QStringLiteral("prima-ricerca"), c.archivio});
        if (!figlio.waitForFinished(120000) || figlio.exitCode() != 0)
            qFatal("the child run failed: %s", figlio.readAllStandardError().constData());
        const QList<QByteArray> v = figlio.readAllStandardOutput().trimmed().split(' ');
        prima.ms.push_back(v.value(0).toDouble());
        piccoPrima = std::max(piccoPrima, v.value(1).toDouble());
    }
    prima.piccoMB = piccoPrima;
    stampaRiga(QStringLiteral("2. first search in a fresh process, no filter"), prima, c.schede,
               obiettivo(prima.mediana(), 250, "ms") + QStringLiteral(", process peak ") +
                   obiettivo(piccoPrima, 100, "MB"));

    // 5. The find step over the whole list, no line matching.
    w.txtTrova->setText(QStringLiteral("nessuna riga lo contiene"));
    const Misura trova = misura(c.volte, [&] { w.btnTrova->click(); });
    stampaRiga(QStringLiteral("5. find step, no match over %1 lines").arg(w.modello()->rowCount()), trova,
               c.schede, obiettivo(trova.mediana(), 20, "ms"));

    // 4. The double-click scan for a chosen line: every record's line built and compared.
    const QString scelta = w.modello()->righe().at(w.modello()->rowCount() / 2);
    const Misura doppio = misura(c.volte, [&] {
        TArchivio archivio;
        archivio.ApriOCrea(c.archivio);
        schedeConRiga(archivio, scelta, [&](const TScheda& r, qint64 n) { editor.subMostraScheda(r, n); });
    });
    if (editor.consegnate == 0)
        qFatal("the chosen line was not found");
    stampaRiga(QStringLiteral("4. double-click scan for the chosen line"), doppio, c.schede,
               rapporto("(a)", doppio.mediana(), a, 1.5));
    w.close();

    // 3. The for-sale list: its window shown, the list filled and painted.
    TfrmInVendita vendita(nullptr, &editor);
    const Misura lista = misura(c.volte, [&] {
        vendita.show();
        vendita.lstRecords->repaint();
        vendita.hide();
    });
    stampaRiga(QStringLiteral("3. for-sale list (window shown, list painted)"), lista, c.schede,
               rapporto("(a)", lista.mediana(), a, 1.5) + QStringLiteral(", ") +
                   rapporto("SQLite", lista.mediana(), sqlVendita.mediana()));
}
