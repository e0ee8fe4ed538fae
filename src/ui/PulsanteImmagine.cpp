#include "PulsanteImmagine.h"

#include "Stile.h"

#include <QFocusEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QSvgWidget>

TPulsanteImmagine::TPulsanteImmagine(QWidget* parent, const QString& nome, const QString& svg,
                                     const QRect& posizione, const QString& nomeAccessibile)
    : QAbstractButton(parent), disegno(new QSvgRenderer(svg, this)) {
    setObjectName(nome);
    setAccessibleName(nomeAccessibile);
    setToolTip(nomeAccessibile);
    setGeometry(posizione);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab, but a click does not leave a focus mark on the picture.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    disegno->setAspectRatioMode(Qt::KeepAspectRatio);
}

void TPulsanteImmagine::impostaTesto(const QString& testo, int r, int punti) {
    setText(testo);
    rientro = r;
    setFont(Stile::verdana(punti, true));
}

bool TPulsanteImmagine::immagineValida() const {
    return disegno->isValid();
}

void TPulsanteImmagine::focusInEvent(QFocusEvent* e) {
    fuocoDaTastiera = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(e);
}

bool TPulsanteImmagine::event(QEvent* e) {
    if (e->type() == QEvent::HoverEnter || e->type() == QEvent::HoverLeave)
        update();
    return QAbstractButton::event(e);
}

void TPulsanteImmagine::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    QImage img(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    {
        QPainter q(&img);
        q.setRenderHint(QPainter::Antialiasing);
        q.setRenderHint(QPainter::TextAntialiasing);
        disegno->render(&q, QRectF(rect()));
        if (!text().isEmpty()) {
            const QRectF area = QRectF(rect()).adjusted(rientro, 0, 0, 0);
            q.setFont(font());
            q.setPen(QColor(0, 0, 0, 90));
            q.drawText(area.translated(1, 1.5), Qt::AlignCenter, text());
            q.setPen(Qt::white);
            q.drawText(area, Qt::AlignCenter, text());
        }
        if (underMouse() && isEnabled()) {
            // Lighten only what the picture covers, not the transparent corners.
            q.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            q.fillRect(rect(), QColor(255, 255, 255, isDown() ? 20 : 45));
        }
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(isDown() ? QPointF(1, 1) : QPointF(0, 0), img);
    if (hasFocus() && fuocoDaTastiera) {
        QPen pen(Stile::Colore::SegnoFuoco, 1.5, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    }
}

QSvgWidget* creaImmagine(QWidget* parent, const QString& nome, const QString& svg, const QRect& posizione,
                         const QString& nomeAccessibile) {
    auto* w = new QSvgWidget(svg, parent);
    w->setObjectName(nome);
    w->setAccessibleName(nomeAccessibile);
    w->setGeometry(posizione);
    w->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return w;
}
