#include "Info.h"

#include "ui/Guida.h"
#include "ui/Indirizzi.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Sfondo.h"

#include <QPointer>
#include <QPushButton>
#include <QSvgWidget>

TfrmInfo::TfrmInfo(QWidget* owner) : QDialog(owner) {
    QWidget* p = FinestraInformativa::prepara(this, QStringLiteral("frmInfo"),
                                              QStringLiteral(" Informazioni su Geodario"), QSize(473, 579));
    creaBanda(p, QStringLiteral("shpTop"), QRect(10, 10, 453, 92));
    imgLogo = creaImmagine(p, QStringLiteral("imgLogo"), QStringLiteral(":/guida/logo_info.svg"),
                           QRect(16, 15, 441, 82));
    imgLogo->setAccessibleName(QStringLiteral("Informazioni sul programma"));
    icoProgramma = creaImmagine(p, QStringLiteral("icoProgramma"), QStringLiteral(":/guida/programma.svg"),
                                QRect(10, 112, 453, 380));
    icoProgramma->setAccessibleName(QStringLiteral("Geodario, versione 1.0"));
    icoProgramma->setAccessibleDescription(
        QStringLiteral("Il software per geologi e collezionisti di minerali che cataloga le collezioni in "
                       "formato digitale, con le foto dei campioni. © Geodario. Tutti i diritti riservati."));

    const QString scrivi = QStringLiteral("Scrivi all'assistenza tecnica");
    imgEmail = new TPulsanteImmagine(p, QStringLiteral("imgEmail"), QStringLiteral(":/guida/email.svg"),
                                     QRect(14, 510, 44, 44), scrivi);
    lnkWeb =
        new TCollegamento(p, QStringLiteral("lnkWeb"), Indirizzi::emailAssistenza(), QRect(64, 517, 292, 30));
    lnkWeb->setAccessibleDescription(scrivi);
    lnkWeb->aggiungiIcona(imgEmail);
    btnChiudi = FinestraInformativa::pulsanteChiudi(p, QRect(364, 512, 94, 40));

    connect(imgEmail, &QAbstractButton::clicked, this, &TfrmInfo::lnkWebClick);
    connect(lnkWeb, &TCollegamento::cliccato, this, &TfrmInfo::lnkWebClick);
    connect(btnChiudi, &QAbstractButton::clicked, this, &QDialog::accept);
    setTabOrder(imgEmail, lnkWeb);
    setTabOrder(lnkWeb, btnChiudi);
}

void TfrmInfo::mostra(QWidget* owner) {
    QPointer<TfrmInfo> f = new TfrmInfo(owner);
    f->exec();
    delete f;
}

void TfrmInfo::showEvent(QShowEvent* e) {
    FinestraInformativa::centra(this);
    btnChiudi->setFocus();
    QDialog::showEvent(e);
}

void TfrmInfo::lnkWebClick() {
    lnkWeb->impostaColore(ColoreCollegamento::Normale);
    TMisc::Open(Indirizzi::apriEmail());
}
