#pragma once

#include "ui/FinestraCatena.h"

class QPushButton;

// The start window: the hub between the catalogue windows; closing it ends the application.
class TfrmAvvio : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmAvvio();
    QPushButton* btnApp01;
    QPushButton* btnApp02;
    QPushButton* imgEsci;

signals:
    void creaCatalogo();
    void apriCatalogo();
    void esci();
};
