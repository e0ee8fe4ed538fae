#pragma once

#include "output/FinestraScheda.h"

// " Stampa documento": prints the specimen sheet of the editor's card through the print dialog.
class TfrmStampaCartolina : public TFinestraScheda {
    Q_OBJECT
public:
    TfrmStampaCartolina(QWidget* owner, const ISchedaInStampa& scheda);

    TInformazione* icoInf01;

protected:
    void consegna(Report::TReport& r) override;
};
