#pragma once

#include "ui/FinestraCatena.h"

#include "storage/Scheda.h"

class QLabel;

// The record editor: one specimen card of the open catalogue.
class TfrmCartoline : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmCartoline();
    void subNuovaScheda();
    // Puts record r into the controls as card number n (1-based) and loads the card's photos.
    void subMostraScheda(const TScheda& r, qint64 n);
    QLabel* lblFile;      // full path of the open archive (hidden)
    QLabel* lblNome;      // catalogue name, shown as the card's title
    QLabel* lblPosizione; // 1-based number of the card shown; empty for a new card
};
