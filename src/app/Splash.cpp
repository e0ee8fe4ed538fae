#include "Splash.h"

#include "ui/Guida.h"
#include "ui/Indirizzi.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"

#include <QPointer>
#include <QPushButton>
#include <QSvgWidget>

TfrmSplash::TfrmSplash(QWidget* owner) : QDialog(owner) {
    QWidget* p = FinestraInformativa::prepara(
        this, QStringLiteral("frmSplash"),
        QStringLiteral(" Geodario - © Geodario, tutti i diritti riservati"), QSize(661, 467));
    imgLogo = creaImmagine(p, QStringLiteral("imgLogo"), QStringLiteral(":/guida/splash.svg"),
                           QRect(10, 10, 641, 380));
    imgLogo->setAccessibleName(
        QStringLiteral("Geodario, catalogazione digitale di collezioni mineralogiche"));
    imgLogo->setAccessibleDescription(QStringLiteral("© Geodario. Tutti i diritti riservati."));

    const QString visita = QStringLiteral("Visita il sito web di Geodario");
    imgWeb = new TPulsanteImmagine(p, QStringLiteral("imgWeb"), QStringLiteral(":/guida/web.svg"),
                                   QRect(16, 405, 44, 44), visita);
    lnkWeb = new TCollegamento(p, QStringLiteral("lnkWeb"), Indirizzi::sitoWeb(), QRect(68, 412, 330, 30));
    lnkWeb->setAccessibleDescription(visita);
    lnkWeb->aggiungiIcona(imgWeb);
    btnChiudi = FinestraInformativa::pulsanteChiudi(p, QRect(545, 407, 100, 40));

    connect(imgWeb, &QAbstractButton::clicked, this, &TfrmSplash::lnkWebClick);
    connect(lnkWeb, &TCollegamento::cliccato, this, &TfrmSplash::lnkWebClick);
    connect(btnChiudi, &QAbstractButton::clicked, this, &QDialog::accept);
    setTabOrder(imgWeb, lnkWeb);
    setTabOrder(lnkWeb, btnChiudi);
}

void TfrmSplash::mostra(QWidget* owner) {
    QPointer<TfrmSplash> f = new TfrmSplash(owner);
    f->exec();
    delete f;
}

void TfrmSplash::showEvent(QShowEvent* e) {
    FinestraInformativa::centra(this, parentWidget());
    btnChiudi->setFocus();
    QDialog::showEvent(e);
}

void TfrmSplash::lnkWebClick() {
    lnkWeb->impostaColore(ColoreCollegamento::Normale);
    TMisc::Open(Indirizzi::apriSito());
}
