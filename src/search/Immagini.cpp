#include "search/Immagini.h"

#include <QPainter>
#include <QPainterPath>

TImmagineSvg::TImmagineSvg(QWidget* parent, const QString& nome, const QString& svg,
                           const QString& descrizione)
    : QWidget(parent), disegno(svg) {
    setObjectName(nome);
    setAccessibleName(descrizione);
    setFocusPolicy(Qt::NoFocus);
}

void TImmagineSvg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Proportions kept, centred: a box larger than the drawing does not stretch it.
    QSizeF d = disegno.defaultSize();
    d.scale(size(), Qt::KeepAspectRatio);
    const QRectF r((width() - d.width()) / 2, (height() - d.height()) / 2, d.width(), d.height());
    disegno.render(&p, r);
}

TIstruzioni::TIstruzioni(QWidget* parent, const QString& nome, const QString& testo)
    : QWidget(parent), contenuto(testo) {
    setObjectName(nome);
    setAccessibleName(QStringLiteral("Istruzioni"));
    setAccessibleDescription(testo);
    setToolTip(QString());
    setFocusPolicy(Qt::NoFocus);
}

void TIstruzioni::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(255, 253, 231));
    g.setColorAt(1, QColor(250, 240, 200));
    p.setPen(QPen(QColor(205, 180, 110), 1));
    p.setBrush(g);
    p.drawRoundedRect(box, 6, 6);

    const qreal d = std::min<qreal>(28, height() - 12);
    const QRectF segno(10, (height() - d) / 2, d, d);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 180));
    p.drawEllipse(segno);
    QFont f(QStringLiteral("Georgia"));
    f.setBold(true);
    f.setItalic(true);
    f.setPixelSize(int(d * 0.7));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(segno, Qt::AlignCenter, QStringLiteral("i"));

    QFont t(QStringLiteral("Verdana"));
    t.setPixelSize(12);
    p.setFont(t);
    p.setPen(QColor(60, 50, 20));
    const QRectF area(segno.right() + 10, 4, width() - segno.right() - 20, height() - 8);
    p.drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, contenuto);
}
