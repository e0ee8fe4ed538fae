#include "search/InVendita.h"

#include "search/Elenco.h"
#include "search/StampaElenco.h"
#include "storage/Archivio.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "ui/Sfondo.h"

TfrmInVendita::TfrmInVendita(QWidget* proprietario, IEditorElenco* editor)
    : TFinestraElenco(proprietario, editor, QStringLiteral("frmInVendita"),
                      QStringLiteral(" Riepilogo campioni mineralogici in vendita")) {
    panContainer = creaPannello(sfondo, QStringLiteral("panContainer"));
    costruisciElenco(panContainer);
    setTabOrder(txtTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnEtichette);
    setTabOrder(btnEtichette, btnTrova);
    setTabOrder(btnTrova, btnChiudi);
}

void TfrmInVendita::FormShow() {
    svuotaRicerca();
    QStringList righe;
    // A failing archive ends the list silently; the lines read before the failure are shown.
    try {
        TArchivio archivio;
        archivio.ApriOCrea(percorsoArchivio());
        raccogliRighe(archivio, eInVendita, righe);
        archivio.Chiudi();
    } catch (const EArchivio&) {
    }
    mostraRighe(std::move(righe));
    txtTrova->setFocus(Qt::OtherFocusReason);
}

QString TfrmInVendita::titoloStampa() const {
    return QString::fromUtf8(StampaElenco::TitoloInVendita);
}
