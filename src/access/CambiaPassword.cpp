#include "CambiaPassword.h"

#include <QPushButton>

TfrmCambiaPassword::TfrmCambiaPassword()
    : TFinestraCatena(QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"), false) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QWidget* p = sfondo()->pannello(QSize(420, 260));
    setFixedSize(420, 260);
    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), p);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setAccessibleName(cmdChiudi->text());
    cmdChiudi->setGeometry(290, 210, 110, 30);
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);
}
