#pragma once

#include "ui/FinestraCatena.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TCorniceFuoco;
class TLogoAccesso;
class TRettangolo;

// The login window, the application's main window: only the stored password leads on.
class TfrmPassword : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmPassword();
    // Back from the password change: empty field and scratch slot, focus in the field.
    void azzeraDopoCambio();

    TRettangolo* shpSfondo;
    TRettangolo* shpTitolo;
    TLogoAccesso* imgLogo;
    QLabel* lblRigo05;
    QLineEdit* txtPassword;
    TCorniceFuoco* effPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;
    QLabel* lblMemory;

signals:
    void accessoConsentito();
    void cambiaPassword();
    void esci();

protected:
    void FormShow() override;
    // The title bar cannot close it; only "Esci" does.
    bool puoChiudere() override { return uscita; }

private:
    void txtPasswordChange();
    void txtPasswordKeyPress();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

    bool uscita = false;
};
