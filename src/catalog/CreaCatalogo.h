#pragma once

#include "ui/FinestraCatena.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QSvgWidget;
class TPulsanteImmagine;
class TRettangolo;

// Creation of a new, empty catalogue in the program folder. Closing it, by any means, returns to the
// start window.
class TfrmCreaCatalogo : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmCreaCatalogo();

    QLineEdit* txtFile;
    TPulsanteImmagine* btnApplica;
    TPulsanteImmagine* btnAnnulla;
    TPulsanteImmagine* imgGuida;
    QLabel* lblNomeArchivio; // caption of the name field
    QLabel* lblFile;         // path of the archive being created
    QSvgWidget* icoIstruzioni;
    QSvgWidget* icoIcona02;
    QSvgWidget* icoIcona04;
    QSvgWidget* icoMano;
    TRettangolo* shpTop;
    TRettangolo* shpNome;
    TRettangolo* shpBottom;

protected:
    void FormShow() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void btnApplicaClick();
    void imgGuidaClick();
    bool txtFileKeyPress(const QKeyEvent* e);
};
