#include "Sfondo.h"

#include "Stile.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

TSfondo::TSfondo(QWidget* parent, QColor alto, QColor basso)
    : QWidget(parent), coloreAlto(alto.isValid() ? alto : Stile::Colore::BluAcciaio), coloreBasso(basso) {}

QWidget* TSfondo::pannello(QSize dimensione, const QString& nome) {
    if (!contenuto) {
        contenuto = new QWidget(this);
        contenuto->setObjectName(nome);
    }
    contenuto->setFixedSize(dimensione);
    centra();
    return contenuto;
}

void TSfondo::centra() {
    if (contenuto)
        contenuto->move(std::max(0, (width() - contenuto->width()) / 2),
                        std::max(0, (height() - contenuto->height()) / 2));
}

void TSfondo::resizeEvent(QResizeEvent*) {
    centra();
}

void TSfondo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, coloreAlto);
    g.setColorAt(1, coloreBasso);
    p.fillRect(rect(), g);
}

TRettangolo::TRettangolo(QWidget* parent, QColor alto, QColor basso, QColor bordo, int r)
    : QWidget(parent), coloreAlto(alto), coloreBasso(basso), coloreBordo(bordo), raggio(r) {}

void TRettangolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, coloreAlto);
    g.setColorAt(1, coloreBasso);
    p.setBrush(g);
    p.setPen(coloreBordo.alpha() ? QPen(coloreBordo, 1) : Qt::NoPen);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), raggio, raggio);
}

TRettangolo* creaBanda(QWidget* parent, const QString& nome, const QRect& posizione) {
    auto* b = new TRettangolo(parent, Qt::white, Stile::Colore::BandaFondo, Stile::Colore::BandaBordo, 14);
    b->setObjectName(nome);
    b->setGeometry(posizione);
    return b;
}

TCorniceFuoco::TCorniceFuoco(QWidget* c, const QString& nome, int m)
    : QWidget(c->parentWidget()), campo(c), margine(m) {
    setObjectName(nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    campo->installEventFilter(this);
    segui();
    stackUnder(campo);
    setVisible(campo->hasFocus());
}

void TCorniceFuoco::segui() {
    setGeometry(campo->geometry().adjusted(-margine, -margine, margine, margine));
}

bool TCorniceFuoco::eventFilter(QObject* o, QEvent* e) {
    if (o == campo) {
        switch (e->type()) {
        case QEvent::FocusIn:
            segui();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            segui();
            break;
        default:
            break;
        }
    }
    return false;
}

void TCorniceFuoco::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Stile::Colore::CampoFuoco);
}
