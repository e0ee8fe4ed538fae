#pragma once

#include "ui/FinestraCatena.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TCorniceFuoco;
class TLogoAccesso;
class TRettangolo;

// Password change, reached only from the login window and always returning to it (chiusa()).
class TfrmCambiaPassword : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmCambiaPassword();

    TRettangolo* shpSfondo;
    TLogoAccesso* imgLogo;
    QLabel* lblRigo05;
    QLineEdit* txtPasswordOld;
    TCorniceFuoco* effPasswordOld;
    QLabel* lblRigo06;
    QLineEdit* txtPasswordNew;
    TCorniceFuoco* effPasswordNew;
    QLabel* lblRigo07;
    QLineEdit* txtConferma;
    TCorniceFuoco* effConferma;
    QPushButton* cmdEsci;
    QPushButton* cmdOK;
    QLabel* lblMemory;

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void txtChange();
    void cmdOKClick();
    void subSvuotaNuove();
};
