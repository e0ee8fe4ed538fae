#include "ApriCatalogo.h"

#include <QLabel>
#include <QPushButton>

TfrmApriCatalogo::TfrmApriCatalogo()
    : TFinestraCatena(QStringLiteral("frmApriCatalogo"), QStringLiteral(" Geodario - Apertura archivio minerali"),
                      true) {
    QWidget* p = sfondo()->pannello(QSize(995, 692));
    lblMemory = new QLabel(p);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    cmdAnnulla = new QPushButton(QStringLiteral("Annulla"), p);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla->setAccessibleName(cmdAnnulla->text());
    cmdAnnulla->setGeometry(800, 600, 120, 32);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmApriCatalogo::FormShow() { lblMemory->setText(QStringLiteral("avvio")); }
