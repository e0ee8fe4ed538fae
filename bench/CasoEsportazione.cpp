// The export window on the whole catalogue: the grid filled from the archive when the window is shown,
// then the spreadsheet file written by its button (both questions answered Yes).
#include "Casi.h"

#include "output/Esportazione.h"
#include "output/ExpCartoline.h"
#include "output/ModelloEsportazione.h"
#include "ui/Messaggi.h"
#include "ui/PulsanteImmagine.h"

#include <QElapsedTimer>
#include <QFile>

void casoEsportazione(const Contesto& c) {
    const QString xls = Esportazione::percorsoFile();
    double megabyte = 0;
    Misura scrittura;
    const Misura tutto = misura(c.volte, [&] {
        TfrmExpCartoline w(nullptr, c.archivio);
        w.show();
        if (w.modello()->rowCount() != c.schede)
            qFatal("the grid has %d rows", w.modello()->rowCount());
        Messaggi::Test::accoda(Messaggi::Risposta::Si);
        Messaggi::Test::accoda(Messaggi::Risposta::Si);
        QElapsedTimer t;
        t.start();
        w.cmdEsporta->click();
        scrittura.ms.push_back(double(t.nsecsElapsed()) / 1e6);
        if (Messaggi::Test::prendi().size() != 2)
            qFatal("the export failed");
        megabyte = double(QFile(xls).size()) / 1e6;
    });
    scrittura.ms.erase(scrittura.ms.begin()); // the untimed warm-up run
    scrittura.piccoMB = tutto.piccoMB;
    stampaRiga(QStringLiteral("6. export: window shown, grid filled, file written"), tutto, c.schede,
               obiettivo(tutto.mediana() / 1000, 1.5 * double(c.schede) / 100000, "s"));
    const double velocita = megabyte / (scrittura.mediana() / 1000);
    stampaRiga(QStringLiteral("   of which the export button (%1 MB file)").arg(megabyte, 0, 'f', 0),
               scrittura, c.schede,
               QStringLiteral("%1 MB/s (≥ 200 MB/s) %2")
                   .arg(velocita, 0, 'f', 0)
                   .arg(velocita >= 200 ? "ok" : "MISSED"));
}
