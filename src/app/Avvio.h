#pragma once

#include "ui/FinestraCatena.h"

class QSvgWidget;
class TPulsanteImmagine;
class TRettangolo;

// The start window: the hub between the catalogue windows; closing it ends the application.
class TfrmAvvio : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmAvvio();

    // The maker's web site, as drawn in the bottom banner.
    static QString indirizzoSito();

    TPulsanteImmagine* imgInfo;
    QSvgWidget* icoIcona;
    QSvgWidget* icoTitolo01;
    TPulsanteImmagine* imgGuida;
    QSvgWidget* imgSottotitolo;
    TPulsanteImmagine* imgApp01;
    TPulsanteImmagine* btnApp01;
    TPulsanteImmagine* imgApp02;
    TPulsanteImmagine* btnApp02;
    TPulsanteImmagine* imgSito;
    TPulsanteImmagine* imgCopyright;
    TPulsanteImmagine* imgEsci;
    TRettangolo* shpTop;
    TRettangolo* shpBottom;
    TRettangolo* shpApp01;
    TRettangolo* shpApp02;

signals:
    void creaCatalogo();
    void apriCatalogo();
    void esci();

private:
    void imgInfoClick();
    void imgCopyrightClick();
    void imgGuidaClick();
    void imgSitoClick();
};
