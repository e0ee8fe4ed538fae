#include "Avvio.h"

#include "Info.h"
#include "Splash.h"
#include "storage/Formato.h"
#include "ui/Guida.h"
#include "ui/Indirizzi.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Stile.h"

#include <QSvgWidget>

QString TfrmAvvio::indirizzoSito() {
    return Indirizzi::sitoWeb();
}

TfrmAvvio::TfrmAvvio() : TFinestraCatena(QStringLiteral("frmAvvio"), QStringLiteral(" Geodario"), true) {
    Formato::fissa();
    QWidget* p = sfondo()->pannello(Stile::PannelloCatena);
    shpTop = creaBanda(p, QStringLiteral("shpTop"), QRect(10, 10, 975, 162));
    shpApp01 = creaBanda(p, QStringLiteral("shpApp01"), QRect(10, 184, 481, 416));
    shpApp02 = creaBanda(p, QStringLiteral("shpApp02"), QRect(504, 184, 481, 416));
    shpBottom = creaBanda(p, QStringLiteral("shpBottom"), QRect(10, 612, 975, 70));

    imgInfo = new TPulsanteImmagine(p, QStringLiteral("imgInfo"), QStringLiteral(":/avvio/info.svg"),
                                    QRect(24, 24, 44, 44), QStringLiteral("Informazioni su Geodario"));
    icoIcona = creaImmagine(p, QStringLiteral("icoIcona"), QStringLiteral(":/avvio/gemma.svg"),
                            QRect(80, 22, 130, 130));
    icoTitolo01 = creaImmagine(p, QStringLiteral("icoTitolo01"), QStringLiteral(":/avvio/titolo.svg"),
                               QRect(222, 14, 550, 92));
    imgGuida = new TPulsanteImmagine(p, QStringLiteral("imgGuida"), QStringLiteral(":/avvio/guida.svg"),
                                     QRect(927, 24, 44, 44), QStringLiteral("Guida: uno sguardo a Geodario"));
    imgSottotitolo = creaImmagine(p, QStringLiteral("imgSottotitolo"),
                                  QStringLiteral(":/avvio/sottotitolo.svg"), QRect(222, 106, 550, 56));

    imgApp01 = new TPulsanteImmagine(p, QStringLiteral("imgApp01"), QStringLiteral(":/avvio/persona.svg"),
                                     QRect(80, 200, 341, 310), QStringLiteral("Crea nuovo archivio"));
    btnApp01 = new TPulsanteImmagine(p, QStringLiteral("btnApp01"), QStringLiteral(":/avvio/crea.svg"),
                                     QRect(70, 522, 361, 66), QStringLiteral("CREA NUOVO ARCHIVIO"));
    btnApp01->impostaTesto(QStringLiteral("CREA NUOVO ARCHIVIO"), 62);
    imgApp02 = new TPulsanteImmagine(p, QStringLiteral("imgApp02"), QStringLiteral(":/avvio/pila.svg"),
                                     QRect(574, 200, 341, 310), QStringLiteral("Apri archivio esistente"));
    btnApp02 = new TPulsanteImmagine(p, QStringLiteral("btnApp02"), QStringLiteral(":/avvio/apri.svg"),
                                     QRect(564, 522, 361, 66), QStringLiteral("APRI ARCHIVIO ESISTENTE"));
    btnApp02->impostaTesto(QStringLiteral("APRI ARCHIVIO ESISTENTE"), 62);

    imgCopyright =
        new TPulsanteImmagine(p, QStringLiteral("imgCopyright"), QStringLiteral(":/avvio/copyright.svg"),
                              QRect(24, 625, 44, 44), QStringLiteral("Crediti di Geodario"));
    imgSito =
        new TPulsanteImmagine(p, QStringLiteral("imgSito"), QStringLiteral(":/avvio/sito.svg"),
                              QRect(212, 618, 570, 58), QStringLiteral("Sito web: ") + Indirizzi::sitoWeb());
    imgEsci = new TPulsanteImmagine(p, QStringLiteral("imgEsci"), QStringLiteral(":/avvio/esci.svg"),
                                    QRect(927, 625, 44, 44), QStringLiteral("Esci dal programma"));

    connect(imgApp01, &QAbstractButton::clicked, this, &TfrmAvvio::creaCatalogo);
    connect(btnApp01, &QAbstractButton::clicked, this, &TfrmAvvio::creaCatalogo);
    connect(imgApp02, &QAbstractButton::clicked, this, &TfrmAvvio::apriCatalogo);
    connect(btnApp02, &QAbstractButton::clicked, this, &TfrmAvvio::apriCatalogo);
    connect(imgInfo, &QAbstractButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCopyright, &QAbstractButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgGuida, &QAbstractButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgSito, &QAbstractButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &QAbstractButton::clicked, this, &TfrmAvvio::esci);
    connect(this, &TFinestraCatena::chiusa, this, &TfrmAvvio::esci);
}

// The about, splash and help windows are not part of the program yet; their icons are already in place.
void TfrmAvvio::imgInfoClick() {
    TfrmInfo::mostra(this);
}

void TfrmAvvio::imgCopyrightClick() {
    TfrmSplash::mostra(this);
}

void TfrmAvvio::imgGuidaClick() {
    TfrmGuida::mostra(this, Argomento::UnoSguardo);
}

void TfrmAvvio::imgSitoClick() {
    TMisc::Open(Indirizzi::apriSito());
}
