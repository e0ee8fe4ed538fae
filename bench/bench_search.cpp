// Search and for-sale list on a catalogue of 100,000 cards: the archive scan, the list lines, the one
// sort and the model reset, the find step and the scan behind a double-click.
#include "search/Elenco.h"
#include "search/ModelloElenco.h"
#include "storage/Archivio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Schede = 100000;

void creaArchivio(const QString& percorso) {
    const char* nomi[] = {"Quarzo",  "Calcite",   "Fluorite",  "Pirite",
                          "Ematite", "Malachite", "Azzurrite", "Barite"};
    const char* gruppi[] = {"Ossidi", "Carbonati", "Alogenuri", "Solfuri", "Solfati"};
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(percorso));
    QByteArray blocco;
    for (int i = 0; i < Schede; ++i) {
        TScheda s;
        s.impostaTesto(Campo::Titolo,
                       QStringLiteral("%1 %2").arg(QLatin1String(nomi[i % 8])).arg(i * 7919 % Schede));
        s.impostaTesto(Campo::Tipologia, QLatin1String(gruppi[i % 5]));
        s.impostaTesto(Campo::Editore, QStringLiteral("Località %1, Isola d'Elba").arg(i % 300));
        s.impostaTesto(Campo::Anno, QString::number(1950 + i % 70));
        s.impostaTesto(Campo::Valore, QStringLiteral("%1,00").arg(i % 1000));
        s.impostaTesto(Campo::Note, QStringLiteral("Campione numero %1 della collezione").arg(i));
        s.impostaInVendita(i % 4 == 0);
        blocco.append(s.byte.data(), DimensioneScheda);
        if (blocco.size() > (1 << 22)) {
            f.write(blocco);
            blocco.clear();
        }
    }
    f.write(blocco);
}

double migliore(const char* nome, const std::function<void()>& passo) {
    double meglio = 1e30;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        passo();
        meglio = std::min(meglio, t.nsecsElapsed() / 1e6);
    }
    std::printf("%-52s %9.1f ms\n", nome, meglio);
    return meglio;
}

QStringList cerca(const QString& percorso, const TRicerca& ricerca) {
    TArchivio a;
    a.ApriOCrea(percorso);
    QStringList righe;
    raccogliRighe(
        a, [&](const TScheda& r) { return ricerca.corrisponde(r); }, righe);
    a.Chiudi();
    return righe;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("Bench.ima"));
    creaArchivio(percorso);
    std::printf("search benchmark, %d cards (%lld MB)\n", Schede, QFile(percorso).size() >> 20);

    const TRicerca tutte({});
    const TRicerca nome({{Campo::Titolo, QStringLiteral("QUARZO")}});
    const TRicerca tre({{Campo::Titolo, QStringLiteral("ite")},
                        {Campo::Editore, QStringLiteral("elba")},
                        {Campo::Anno, QStringLiteral("19")}});
    QStringList righe;
    migliore("scan, no filter: 100,000 lines", [&] { righe = cerca(percorso, tutte); });
    migliore("scan, name filter", [&] { cerca(percorso, nome); });
    migliore("scan, three filters", [&] { cerca(percorso, tre); });
    migliore("for-sale scan", [&] {
        TArchivio a;
        a.ApriOCrea(percorso);
        QStringList v;
        raccogliRighe(a, eInVendita, v);
    });
    TModelloElenco modello;
    migliore("sort once + model reset, 100,000 lines", [&] {
        modello.impostaRighe(righe);
        modello.impostaLarghezza(1600);
    });
    migliore("search as the window does it (scan + sort + model)", [&] {
        modello.impostaRighe(cerca(percorso, tutte));
        modello.impostaLarghezza(1600);
    });
    QString ultimo;
    migliore("find step without a match over 100,000 lines", [&] {
        ultimo.clear();
        subTrovaInElenco(modello.righe(), 0, QStringLiteral("zircone"), ultimo);
    });
    const QString scelta = modello.righe().at(Schede / 2);
    migliore("double-click: scan for the chosen line", [&] {
        TArchivio a;
        a.ApriOCrea(percorso);
        int trovate = 0;
        schedeConRiga(a, scelta, [&](const TScheda&, qint64) { ++trovate; });
        if (trovate != 1)
            qFatal("expected one card for the chosen line, found %d", trovate);
    });
    return 0;
}
