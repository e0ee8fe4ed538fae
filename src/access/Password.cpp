#include "Password.h"

#include "ComuneAccesso.h"
#include "PasswordStore.h"
#include "storage/Testo.h"
#include "ui/Messaggi.h"
#include "ui/Stile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmPassword::TfrmPassword()
    : TFinestraCatena(QStringLiteral("frmPassword"), QStringLiteral(" Geodario - Accesso"), false) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const QSize area(388, 405);
    setFixedSize(area);
    QWidget* p = sfondo()->pannello(area);

    shpSfondo = new TRettangolo(p, Stile::Colore::AccessoAlto, Stile::Colore::AccessoBasso,
                                Stile::Colore::AccessoBordo, 8);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setGeometry(8, 8, 372, 389);
    shpTitolo = new TRettangolo(p, Stile::Colore::TitoloAlto, Stile::Colore::TitoloBasso,
                                Stile::Colore::TitoloBordo, 8);
    shpTitolo->setObjectName(QStringLiteral("shpTitolo"));
    shpTitolo->setGeometry(8, 8, 372, 168);

    imgLogo = new TLogoAccesso(
        p, QStringLiteral("Password"),
        {QStringLiteral("Proteggi l'accesso all'applicazione con una password a tua scelta."),
         QStringLiteral(
             "Per il primo accesso utilizza la password \"ghiandolaverde\" (senza le virgolette).")},
        Qt::white);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(14, 18, 360, 150);

    lblRigo05 =
        Accesso::etichetta(p, QStringLiteral("lblRigo05"), QStringLiteral("Immetti la password e premi OK."),
                           QRect(24, 204, 340, 22));
    txtPassword = Accesso::campoPassword(p, QStringLiteral("txtPassword"), QStringLiteral("Password"),
                                         QRect(24, 232, 262, 36));
    effPassword = new TCorniceFuoco(txtPassword, QStringLiteral("effPassword"));

    cmdOK = Accesso::pulsante(p, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(298, 232, 66, 36));
    cmdOK->setEnabled(false);
    cmdEsci =
        Accesso::pulsante(p, QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QRect(24, 345, 110, 34));
    btnCambiaPassword = Accesso::pulsante(p, QStringLiteral("btnCambiaPassword"),
                                          QStringLiteral("Cambia password"), QRect(214, 345, 150, 34));

    lblMemory = new QLabel(p);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(txtPassword, &QLineEdit::returnPressed, this, &TfrmPassword::txtPasswordKeyPress);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::FormShow() {
    Stile::centraSulloSchermo(this);
    txtPassword->setFocus();
}

void TfrmPassword::azzeraDopoCambio() {
    txtPassword->clear();
    lblMemory->clear();
    txtPassword->setFocus();
}

void TfrmPassword::txtPasswordChange() {
    cmdOK->setEnabled(!Testo::taglia(txtPassword->text()).isEmpty());
}

void TfrmPassword::txtPasswordKeyPress() {
    if (!Testo::taglia(txtPassword->text()).isEmpty())
        cmdOKClick();
}

void TfrmPassword::cmdOKClick() {
    const std::optional<QString> memorizzata = LeggiPassword();
    if (!memorizzata) {
        Messaggi::plain(this,
                        QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                       "lettura della password. Si consiglia di reinstallare il software."));
        return;
    }
    const bool giusta = FormaNormalePassword(txtPassword->text()) == *memorizzata;
    if (giusta) {
        // The typed password is not kept in a window that stays alive for the whole run.
        txtPassword->clear();
        emit accessoConsentito();
        return;
    }
    Messaggi::plain(this, QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick() {
    uscita = true;
    close();
    uscita = false;
    emit esci();
}

void TfrmPassword::btnCambiaPasswordClick() {
    emit cambiaPassword();
}
