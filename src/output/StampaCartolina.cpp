#include "StampaCartolina.h"

#include "report/Anteprima.h"

TfrmStampaCartolina::TfrmStampaCartolina(QWidget* owner, const ISchedaInStampa& scheda)
    : TFinestraScheda(owner, scheda, QStringLiteral("frmStampaCartolina"),
                      QStringLiteral(" Stampa documento"), QStringLiteral("Stampa"),
                      QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                                     "Si consiglia di ridurre le dimensioni della foto.")) {
    icoInf01 = new TInformazione(
        shpSfondo, QStringLiteral("icoInf01"), QRect(14, 14, 298, 187), QStringLiteral("Stampa documento"),
        {QStringLiteral("Questa operazione stampa il documento con i dati inseriti nei campi di testo della "
                        "scheda."),
         QStringLiteral("Fare clic su \"Stampa\" per avviare la stampa su carta, oppure su \"Annulla\" per "
                        "annullare l'operazione.")});
}

void TfrmStampaCartolina::consegna(Report::TReport& r) {
    // A cancelled dialog is no failure: the window just closes.
    Report::stampa(this, r);
}
