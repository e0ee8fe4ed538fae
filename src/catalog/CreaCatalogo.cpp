#include "CreaCatalogo.h"

#include <QPushButton>

TfrmCreaCatalogo::TfrmCreaCatalogo()
    : TFinestraCatena(QStringLiteral("frmCreaCatalogo"), QStringLiteral(" Geodario - Creazione archivio minerali"),
                      true) {
    QWidget* p = sfondo()->pannello(QSize(995, 692));
    cmdAnnulla = new QPushButton(QStringLiteral("Annulla"), p);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla->setAccessibleName(cmdAnnulla->text());
    cmdAnnulla->setGeometry(800, 600, 120, 32);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QWidget::close);
}
