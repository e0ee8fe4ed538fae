// Browsing a large catalogue in the record editor: first, last, next and previous card, each a click
// on the command as the user gives it. The cards have no photos, so the step is the archive and the
// fields alone.
#include "Casi.h"

#include "editor/Cartoline.h"
#include "ui/PulsanteImmagine.h"

#include <QCoreApplication>
#include <QLabel>

void casoNavigazione(const Contesto& c) {
    TfrmCartoline ed;
    ed.lblFile->setText(QStringLiteral(" ") + c.archivio + QStringLiteral(" "));
    ed.lblNome->setText(QStringLiteral("Bench"));
    ed.show();
    QCoreApplication::processEvents();
    ed.cmdPrimo->click();
    ed.lblPosizione->setText(QString::number(c.schede / 2));

    struct Passo {
        const char* nome;
        TPulsanteImmagine* comando;
    };
    for (const Passo& p : {Passo{"first", ed.cmdPrimo}, Passo{"last", ed.cmdUltimo},
                           Passo{"next", ed.cmdAvanti}, Passo{"previous", ed.cmdIndietro}}) {
        if (p.comando == ed.cmdAvanti || p.comando == ed.cmdIndietro)
            ed.lblPosizione->setText(QString::number(c.schede / 2));
        const Misura m = misura(c.volte * 4, [&] { p.comando->click(); });
        const Misura dipinto = misura(c.volte, [&] {
            p.comando->click();
            ed.repaint();
        });
        stampaRiga(QStringLiteral("7. navigation: %1 card").arg(QLatin1String(p.nome)), m, 0,
                   obiettivo(m.mediana(), 2, "ms") +
                       QStringLiteral(", with the window repainted %1 ms").arg(dipinto.mediana(), 0, 'f', 2));
    }
}
