#include "ComuneAccesso.h"
#include "ui/Stile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

// The pictures are compiled into a static library, whose resource object the linker drops unless asked for.
static void caricaRisorseAccesso() {
    static bool caricate = false;
    if (!caricate) {
        Q_INIT_RESOURCE(access);
        caricate = true;
    }
}

namespace {
constexpr int margine = 12;
constexpr QSize lucchetto(64, 72);
} // namespace

TLogoAccesso::TLogoAccesso(QWidget* parent, const QString& t, const QStringList& r, QColor c)
    : QWidget(parent), titolo(t), righe(r), colore(c) {
    caricaRisorseAccesso();
    setAccessibleName(titolo);
    setAccessibleDescription(righe.join(u' '));
}

void TLogoAccesso::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    static QSvgRenderer svg(QStringLiteral(":/access/lucchetto.svg"));
    svg.render(&p, QRectF(QPointF(margine, margine), lucchetto));

    const int x = margine + lucchetto.width() + 14;
    QRect area(x, margine - 2, width() - x - margine, height() - margine);
    p.setPen(colore);
    p.setFont(Stile::verdana(15, true));
    QRect usato;
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop, titolo, &usato);
    area.setTop(usato.bottom() + 8);

    p.setFont(Stile::verdana(9));
    for (const QString& riga : righe) {
        p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, riga, &usato);
        area.setTop(usato.bottom() + 6);
    }
}

namespace Accesso {

QLineEdit* campoPassword(QWidget* parent, const QString& nome, const QString& etichetta, QRect dove) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(nome);
    t->setAccessibleName(etichetta);
    t->setEchoMode(QLineEdit::Password);
    t->setFont(Stile::verdana(14, true));
    t->setGeometry(dove);
    return t;
}

QLabel* etichetta(QWidget* parent, const QString& nome, const QString& testo, QRect dove) {
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setFont(Stile::verdana(10));
    l->setGeometry(dove);
    return l;
}

QPushButton* pulsante(QWidget* parent, const QString& nome, const QString& testo, QRect dove) {
    auto* b = new QPushButton(testo, parent);
    b->setObjectName(nome);
    b->setAccessibleName(testo);
    b->setFont(Stile::verdana(9));
    b->setGeometry(dove);
    return b;
}

} // namespace Accesso
