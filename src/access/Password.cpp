#include "Password.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmPassword::TfrmPassword()
    : TFinestraCatena(QStringLiteral("frmPassword"), QStringLiteral(" Geodario - Accesso"), false) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QWidget* p = sfondo()->pannello(QSize(420, 200));
    setFixedSize(420, 200);
    txtPassword = new QLineEdit(p);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setGeometry(40, 60, 340, 28);
    txtPassword->setAccessibleName(QStringLiteral("Password"));
    cmdOK = new QPushButton(QStringLiteral("OK"), p);
    cmdCambia = new QPushButton(QStringLiteral("Cambia password"), p);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), p);
    lblMemory = new QLabel(p);
    lblMemory->hide();
    int x = 40;
    for (auto [b, nome] : {std::pair{cmdOK, "cmdOK"}, {cmdCambia, "cmdCambia"}, {cmdEsci, "cmdEsci"}}) {
        b->setObjectName(QLatin1String(nome));
        b->setAccessibleName(b->text());
        b->setGeometry(x, 130, 110, 30);
        x += 115;
    }
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::accessoConsentito);
    connect(cmdCambia, &QPushButton::clicked, this, &TfrmPassword::cambiaPassword);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::esci);
}

void TfrmPassword::azzeraDopoCambio() {
    txtPassword->clear();
    lblMemory->clear();
    txtPassword->setFocus();
}

void TfrmPassword::FormShow() { txtPassword->setFocus(); }
