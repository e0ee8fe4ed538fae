#include "Istruzioni.h"

#include "Stile.h"

#include <QPainter>
#include <QPainterPath>

TIstruzioni::TIstruzioni(QWidget* parent, const QString& nome, const QString& testo)
    : QWidget(parent), contenuto(testo) {
    setObjectName(nome);
    setAccessibleName(testo); // the text it shows, as a label would expose it
    setToolTip(QString());
    setFocusPolicy(Qt::NoFocus);
}

void TIstruzioni::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, Stile::Colore::NotaAlto);
    g.setColorAt(1, Stile::Colore::NotaBasso);
    p.setPen(QPen(Stile::Colore::NotaBordo, 1));
    p.setBrush(g);
    p.drawRoundedRect(box, 6, 6);

    const qreal d = std::min<qreal>(28, height() - 12);
    const QRectF segno(10, (height() - d) / 2, d, d);
    p.setPen(Qt::NoPen);
    p.setBrush(Stile::Colore::BluSteel);
    p.drawEllipse(segno);
    QFont f(QStringLiteral("Georgia"));
    f.setBold(true);
    f.setItalic(true);
    f.setPixelSize(int(d * 0.7));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(segno, Qt::AlignCenter, QStringLiteral("i"));

    p.setFont(Stile::verdana(9));
    p.setPen(Stile::Colore::NotaTesto);
    const QRectF area(segno.right() + 10, 4, width() - segno.right() - 20, height() - 8);
    p.drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, contenuto);
}
