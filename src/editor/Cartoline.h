#pragma once

#include "ui/FinestraCatena.h"

class QLabel;

// The record editor: one specimen card of the open catalogue.
class TfrmCartoline : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmCartoline();
    QLabel* lblFile;      // full path of the open archive (hidden)
    QLabel* lblNome;      // catalogue name, shown as the card's title
    QLabel* lblPosizione; // 1-based number of the card shown; empty for a new card
};
