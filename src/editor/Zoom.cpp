#include "Zoom.h"

#include "storage/Formato.h"
#include "ui/RiquadroFoto.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

TfrmZoom::TfrmZoom(QWidget* owner, const Foto& foto) : QDialog(owner) {
    Formato::fissa();
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    resize(Stile::FinestraCatena);
    Stile::massimizza(this);
    fondo = new TSfondo(this);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(fondo);
    panContainer = fondo->pannello(QSize(956, 623));
    imgFoto = new TRiquadroFoto(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setAccessibleName(QStringLiteral("Foto ingrandita: fare clic per chiudere"));
    imgFoto->impostaFoto(foto);
    imgFoto->setCursor(Qt::PointingHandCursor);
    connect(imgFoto, &TRiquadroFoto::cliccato, this, &QDialog::accept);
    panContainer->installEventFilter(this);
    fondo->installEventFilter(this);
}

void TfrmZoom::FormShow() {
    const QScreen* s = screen();
    const QSize schermo = s ? s->size() : QSize(1280, 1024);
    const QSize area(std::max(1, schermo.width() - 60), std::max(1, schermo.height() - 90));
    fondo->pannello(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
}

void TfrmZoom::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

bool TfrmZoom::eventFilter(QObject* o, QEvent* e) {
    if ((o == panContainer || o == fondo) && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(o, e);
}
