#include "RiquadroFoto.h"

#include <QMouseEvent>
#include <QPainter>

TRiquadroFoto::TRiquadroFoto(QWidget* parent) : QWidget(parent) {}

QRect TRiquadroFoto::adatta(QSize img, QRect box) {
    if (img.isEmpty())
        return {};
    const QSize s = Foto::adattata(img, box.size());
    return QRect(box.x() + (box.width() - s.width()) / 2, box.y() + (box.height() - s.height()) / 2,
                 s.width(), s.height());
}

QRect TRiquadroFoto::areaImmagine() const {
    return adatta(attuale.dimensione(), rect());
}

void TRiquadroFoto::impostaFoto(const Foto& f) {
    attuale = f;
    ridotta = QImage();
    update();
}

void TRiquadroFoto::resizeEvent(QResizeEvent*) {
    ridotta = QImage();
}

void TRiquadroFoto::paintEvent(QPaintEvent*) {
    const QRect area = areaImmagine();
    if (area.isEmpty())
        return;
    if (ridotta.size() != area.size())
        ridotta = attuale.ridotta(area.size());
    QPainter p(this);
    p.drawImage(area.topLeft(), ridotta);
}

void TRiquadroFoto::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit cliccato();
}
