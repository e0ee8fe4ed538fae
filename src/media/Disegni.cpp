#include "Disegni.h"

#include <QPainter>
#include <QSvgRenderer>

QImage disegnaSvg(const QString& risorsa, QSize dimensione, const QColor& fondo) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(fondo);
    QSvgRenderer svg(risorsa);
    if (svg.isValid()) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        svg.render(&p, QRectF(QPointF(0, 0), dimensione));
    }
    return img;
}
