#include "CambiaPassword.h"

#include "ComuneAccesso.h"
#include "PasswordStore.h"
#include "storage/Testo.h"
#include "ui/Messaggi.h"
#include "ui/Stile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString erroreModifica = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si consiglia di "
    "reinstallare il software.");
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword()
    : TFinestraCatena(QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"), false) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const QSize area(411, 418);
    setFixedSize(area);
    QWidget* p = sfondo()->pannello(area);

    shpSfondo = new TRettangolo(p, Stile::Colore::AccessoAlto, Stile::Colore::AccessoBasso,
                                Stile::Colore::AccessoBordo, 8);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setGeometry(8, 8, 395, 402);

    imgLogo =
        new TLogoAccesso(p, QStringLiteral("Cambia password"),
                         {QStringLiteral("Per modificare la password compila i campi qui sotto e premi OK.")},
                         Stile::Colore::TitoloTesto);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(14, 14, 383, 100);

    lblRigo05 = Accesso::etichetta(p, QStringLiteral("lblRigo05"), QStringLiteral("Vecchia password:"),
                                   QRect(24, 124, 363, 22));
    txtPasswordOld = Accesso::campoPassword(p, QStringLiteral("txtPasswordOld"),
                                            QStringLiteral("Vecchia password"), QRect(24, 148, 363, 36));
    lblRigo06 = Accesso::etichetta(p, QStringLiteral("lblRigo06"), QStringLiteral("Nuova password:"),
                                   QRect(24, 194, 363, 22));
    txtPasswordNew = Accesso::campoPassword(p, QStringLiteral("txtPasswordNew"),
                                            QStringLiteral("Nuova password"), QRect(24, 218, 363, 36));
    lblRigo07 = Accesso::etichetta(p, QStringLiteral("lblRigo07"), QStringLiteral("Conferma nuova password:"),
                                   QRect(24, 264, 363, 22));
    txtConferma = Accesso::campoPassword(p, QStringLiteral("txtConferma"),
                                         QStringLiteral("Conferma nuova password"), QRect(24, 288, 363, 36));
    effPasswordOld = new TCorniceFuoco(txtPasswordOld, QStringLiteral("effPasswordOld"));
    effPasswordNew = new TCorniceFuoco(txtPasswordNew, QStringLiteral("effPasswordNew"));
    effConferma = new TCorniceFuoco(txtConferma, QStringLiteral("effConferma"));

    cmdEsci =
        Accesso::pulsante(p, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), QRect(24, 358, 120, 34));
    cmdOK = Accesso::pulsante(p, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(267, 358, 120, 34));
    cmdOK->setEnabled(false);

    lblMemory = new QLabel(p);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);

    for (QLineEdit* t : {txtPasswordOld, txtPasswordNew, txtConferma})
        connect(t, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
    // Enter walks the ring of fields and never confirms the change.
    connect(txtPasswordOld, &QLineEdit::returnPressed, txtPasswordNew, qOverload<>(&QWidget::setFocus));
    connect(txtPasswordNew, &QLineEdit::returnPressed, txtConferma, qOverload<>(&QWidget::setFocus));
    connect(txtConferma, &QLineEdit::returnPressed, txtPasswordOld, qOverload<>(&QWidget::setFocus));
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::FormShow() {
    Stile::centraSulloSchermo(this);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* e) {
    // Typed passwords do not stay behind in a hidden window.
    txtPasswordOld->clear();
    subSvuotaNuove();
    lblMemory->clear();
    TFinestraCatena::closeEvent(e);
}

void TfrmCambiaPassword::txtChange() {
    bool tutti = true;
    for (const QLineEdit* t : {txtPasswordOld, txtPasswordNew, txtConferma})
        tutti = tutti && !Testo::taglia(t->text()).isEmpty();
    cmdOK->setEnabled(tutti);
}

void TfrmCambiaPassword::subSvuotaNuove() {
    txtPasswordNew->clear();
    txtConferma->clear();
}

void TfrmCambiaPassword::cmdOKClick() {
    const std::optional<QString> memorizzata = LeggiPassword();
    if (!memorizzata) {
        Messaggi::plain(this, erroreModifica);
        return;
    }
    if (FormaNormalePassword(txtPasswordOld->text()) != *memorizzata) {
        Messaggi::plain(this, QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    const QString nuova = txtPasswordNew->text();
    if (Testo::taglia(nuova) != Testo::taglia(txtConferma->text())) {
        Messaggi::plain(this,
                        QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                       "E' necessario reinserire entrambi i valori."));
        subSvuotaNuove();
        txtPasswordNew->setFocus();
        return;
    }
    // A password the store cannot give back unchanged would lock the user out at the next login.
    if (!PasswordMemorizzabile(nuova)) {
        Messaggi::plain(this,
                        QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi oppure "
                                       "è troppo lunga."));
        subSvuotaNuove();
        txtPasswordNew->setFocus();
        return;
    }
    if (!ScriviPassword(nuova)) {
        Messaggi::plain(this, erroreModifica);
        return;
    }
    Messaggi::plain(this, QStringLiteral("Modifica della password completata con successo."));
    close();
}
