#pragma once

#include "output/FinestraScheda.h"

class QSvgWidget;

// " Anteprima di stampa": shows the specimen sheet of the editor's card in the report preview.
class TfrmAnteprimaCartolina : public TFinestraScheda {
    Q_OBJECT
public:
    TfrmAnteprimaCartolina(QWidget* owner, const ISchedaInStampa& scheda);

    TInformazione* icoInf01;
    TInformazione* icoInf02;
    QSvgWidget* imgLogo01;
    QSvgWidget* imgSezione04;
    QWidget* shpSepara;

protected:
    void consegna(Report::TReport& r) override;
};
