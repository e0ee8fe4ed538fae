#include "Cartoline.h"

#include <QLabel>

TfrmCartoline::TfrmCartoline()
    : TFinestraCatena(QStringLiteral("frmCartoline"), QStringLiteral(" Geodario - Gestione Archivio Minerali"),
                      true) {
    QWidget* p = sfondo()->pannello(QSize(995, 692));
    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblNome = new QLabel(p);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setGeometry(20, 20, 600, 30);
    lblPosizione = new QLabel(p);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setGeometry(700, 20, 100, 30);
}

void TfrmCartoline::subNuovaScheda() { lblPosizione->clear(); }

void TfrmCartoline::subMostraScheda(const TScheda&, qint64 n) { lblPosizione->setText(QString::number(n)); }
