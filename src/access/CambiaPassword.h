#pragma once

#include "ui/FinestraCatena.h"

class QPushButton;

// Password change, reached only from the login window and always returning to it.
class TfrmCambiaPassword : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmCambiaPassword();
    QPushButton* cmdChiudi;
};
