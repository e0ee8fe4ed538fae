#pragma once

#include "ui/FinestraCatena.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The login window, the application's main window.
class TfrmPassword : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmPassword();
    // Back from the password change: empty field and scratch slot, focus in the field.
    void azzeraDopoCambio();

    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCambia;
    QPushButton* cmdEsci;
    QLabel* lblMemory;

signals:
    void accessoConsentito();
    void cambiaPassword();
    void esci();

protected:
    void FormShow() override;
    bool puoChiudere() override { return false; }
};
