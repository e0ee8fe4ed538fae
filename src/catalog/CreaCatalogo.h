#pragma once

#include "ui/FinestraCatena.h"

class QPushButton;

// Creation of a new, empty catalogue in the program folder.
class TfrmCreaCatalogo : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmCreaCatalogo();
    QPushButton* cmdAnnulla;
};
