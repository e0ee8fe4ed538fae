#include "Avvio.h"

#include "storage/Formato.h"

#include <QPushButton>

TfrmAvvio::TfrmAvvio() : TFinestraCatena(QStringLiteral("frmAvvio"), QStringLiteral(" Geodario"), true) {
    Formato::fissa();
    QWidget* p = sfondo()->pannello(QSize(995, 692));
    btnApp01 = new QPushButton(QStringLiteral("CREA NUOVO ARCHIVIO"), p);
    btnApp02 = new QPushButton(QStringLiteral("APRI ARCHIVIO ESISTENTE"), p);
    imgEsci = new QPushButton(QStringLiteral("×"), p);
    btnApp01->setObjectName(QStringLiteral("btnApp01"));
    btnApp02->setObjectName(QStringLiteral("btnApp02"));
    imgEsci->setObjectName(QStringLiteral("imgEsci"));
    btnApp01->setAccessibleName(btnApp01->text());
    btnApp02->setAccessibleName(btnApp02->text());
    imgEsci->setAccessibleName(QStringLiteral("Esci dal programma"));
    btnApp01->setGeometry(120, 560, 300, 40);
    btnApp02->setGeometry(575, 560, 300, 40);
    imgEsci->setGeometry(940, 640, 40, 40);
    connect(btnApp01, &QPushButton::clicked, this, &TfrmAvvio::creaCatalogo);
    connect(btnApp02, &QPushButton::clicked, this, &TfrmAvvio::apriCatalogo);
    connect(imgEsci, &QPushButton::clicked, this, &TfrmAvvio::esci);
    connect(this, &TFinestraCatena::chiusa, this, &TfrmAvvio::esci);
}
