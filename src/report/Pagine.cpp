#include "Pagine.h"

#include "Caratteri.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Report {
namespace {

constexpr qreal Tolleranza = 1e-6;

// The line slots of a text box, in the coordinates of its box's parent.
QList<QRectF> posti(const Testo& t) {
    const QRectF box = t.posizione();
    const qreal passo = t.passo();
    const qreal blocco = passo * qreal(t.righe().size());
    qreal alto = box.top();
    if (t.allineamento & Qt::AlignVCenter)
        alto = box.top() + (box.height() - blocco) / 2;
    else if (t.allineamento & Qt::AlignBottom)
        alto = box.bottom() - blocco;
    QList<QRectF> r;
    r.reserve(t.righe().size());
    for (qsizetype i = 0; i < t.righe().size(); ++i)
        r.append(QRectF(box.left(), alto + passo * qreal(i), box.width(), passo));
    return r;
}

QRectF adatta(QSizeF immagine, const QRectF& box) {
    if (immagine.isEmpty() || box.isEmpty())
        return {};
    const QSizeF s = immagine.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.left() + (box.width() - s.width()) / 2, box.top() + (box.height() - s.height()) / 2,
                  s.width(), s.height());
}

// The picture at the resolution it is printed at; never enlarged, since enlarging adds nothing.
QImage riduci(const QImage& img, const QRectF& destinazione) {
    if (img.isNull())
        return img;
    if (qint64(img.width()) * img.height() > TReport::limitePixel())
        throw Errore(QStringLiteral("L'immagine (%1 x %2 pixel) è troppo grande per la stampa.")
                         .arg(img.width())
                         .arg(img.height()));
    const QSize voluta(std::max(1, int(std::ceil(destinazione.width() * PuntiPerPolliceImmagini / 96))),
                       std::max(1, int(std::ceil(destinazione.height() * PuntiPerPolliceImmagini / 96))));
    if (img.width() <= voluta.width() && img.height() <= voluta.height())
        return img;
    QImage r = img.scaled(voluta, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (r.isNull())
        throw Errore(QStringLiteral("Memoria insufficiente per preparare l'immagine."));
    return r;
}

Elemento elemento(const Oggetto& o, QPointF origine, const QRectF& striscia) {
    Elemento e;
    e.nome = o.nome();
    e.area = o.posizione().translated(origine);
    e.visibile = e.area.intersected(striscia);
    if (auto* r = dynamic_cast<const Rettangolo*>(&o)) {
        e.tipo = Elemento::Tipo::Rettangolo;
        e.riempimento = r->riempimento;
        e.bordo = r->bordo;
        e.spessoreBordo = r->spessoreBordo;
    } else if (auto* t = dynamic_cast<const Testo*>(&o)) {
        e.tipo = Elemento::Tipo::Testo;
        e.riempimento = t->riempimento;
        e.carattere = t->carattere;
        e.allineamento = t->allineamento;
        const QList<QRectF> slot = posti(*t);
        for (qsizetype i = 0; i < slot.size(); ++i) {
            const QRectF s = slot[i].translated(origine);
            // A line belongs to the page its slot starts on; lines past the box's edge are cut anyway.
            if (s.top() >= e.visibile.top() - Tolleranza && s.top() < e.visibile.bottom() - Tolleranza)
                e.righe.append({t->righe()[i], s});
        }
    } else if (auto* im = dynamic_cast<const Immagine*>(&o)) {
        e.tipo = Elemento::Tipo::Immagine;
        e.riempimento = im->sfondo;
        e.destinazione = adatta(im->immagine().size(), e.area);
        e.immagine = riduci(im->immagine(), e.destinazione);
    }
    return e;
}

// Where a band can be cut at or above limite (band coordinates) without cutting a line of text.
qreal puntoDiTaglio(const Banda& b, qreal limite) {
    QList<QRectF> righe;
    for (const auto& o : b.oggetti())
        if (auto* t = dynamic_cast<const Testo*>(o.get()))
            for (const QRectF& r : posti(*t))
                if (r.top() < t->posizione().bottom())
                    righe.append(r);
    qreal taglio = limite;
    for (bool mosso = true; mosso;) {
        mosso = false;
        for (const QRectF& r : righe)
            if (r.top() < taglio - Tolleranza && r.bottom() > taglio + Tolleranza) {
                taglio = r.top();
                mosso = true;
            }
    }
    return taglio;
}

class Impaginatore {
public:
    Impaginatore(const Pagina& p, PagineReport& out) : pagina(p), uscita(out) { nuovaPagina(); }

    void bande() {
        const QRectF area = pagina.areaStampabile();
        qreal y = area.top();
        for (const Banda* b : pagina.bande()) {
            const qreal h = b->altezza();
            qreal fatto = 0; // how much of the band is already printed
            for (;;) {
                const qreal resta = area.bottom() - y;
                if (h - fatto <= resta + Tolleranza) {
                    striscia(*b, y, fatto, h);
                    y += h - fatto;
                    break;
                }
                const bool inCima = y <= area.top() + Tolleranza;
                qreal taglio = b->divisibile ? puntoDiTaglio(*b, fatto + resta) : fatto;
                if (taglio <= fatto + Tolleranza) {
                    if (!inCima) { // try it on a fresh page
                        nuovaPagina();
                        y = area.top();
                        continue;
                    }
                    taglio = fatto + resta; // taller than a page: what does not fit is cut
                }
                striscia(*b, y, fatto, taglio);
                fatto = taglio;
                if (!b->divisibile) {
                    y = area.bottom();
                    break;
                }
                nuovaPagina();
                y = area.top();
            }
        }
    }

private:
    void nuovaPagina() {
        PaginaPreparata p;
        p.formato = pagina.formato();
        p.orientamento = pagina.orientamento();
        p.dimensione = pagina.dimensione();
        const QRectF carta(QPointF(0, 0), p.dimensione);
        // Objects lying on the page itself are on every page it makes.
        for (const auto& o : pagina.oggetti())
            if (!dynamic_cast<const Banda*>(o.get()))
                p.elementi.append(elemento(*o, pagina.areaStampabile().topLeft(), carta));
        uscita.append(std::move(p));
    }

    // The part [da, a) of band b, placed so that da lands at y.
    void striscia(const Banda& b, qreal y, qreal da, qreal a) {
        const QRectF area = pagina.areaStampabile();
        const QRectF visibile(0, y, pagina.dimensione().width(), a - da);
        const QPointF origine(area.left(), y - da);
        for (const auto& o : b.oggetti()) {
            Elemento e = elemento(*o, origine, visibile);
            if (!e.visibile.isEmpty())
                uscita.last().elementi.append(std::move(e));
        }
    }

    const Pagina& pagina;
    PagineReport& uscita;
};

} // namespace

void TReport::prepara() {
    auto nuove = std::make_shared<PagineReport>();
    for (const auto& p : pagine)
        Impaginatore(*p, *nuove).bande();
    pronte = std::move(nuove);
}

QPageLayout PaginaPreparata::impaginazione() const {
    QPageLayout l(formato, orientamento, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    l.setMode(QPageLayout::FullPageMode);
    return l;
}

const Elemento* PaginaPreparata::trova(const QString& nome) const {
    for (const Elemento& e : elementi)
        if (e.nome == nome)
            return &e;
    return nullptr;
}

void dipingi(QPainter& p, const PaginaPreparata& pagina, const QRectF& carta) {
    if (pagina.dimensione.isEmpty())
        return;
    const qreal fx = carta.width() / pagina.dimensione.width();
    const qreal fy = carta.height() / pagina.dimensione.height();
    const auto sulDispositivo = [&](const QRectF& r) {
        return QRectF(carta.left() + r.left() * fx, carta.top() + r.top() * fy, r.width() * fx,
                      r.height() * fy);
    };
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const Elemento& e : pagina.elementi) {
        p.save();
        p.setClipRect(sulDispositivo(e.visibile), Qt::IntersectClip);
        const QRectF area = sulDispositivo(e.area);
        if (e.riempimento.alpha() > 0)
            p.fillRect(area, e.riempimento);
        switch (e.tipo) {
        case Elemento::Tipo::Rettangolo:
            if (e.bordo.alpha() > 0 && e.spessoreBordo > 0) {
                const qreal w = e.spessoreBordo * fx;
                p.setPen(QPen(e.bordo, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                p.setBrush(Qt::NoBrush);
                p.drawRect(area.adjusted(w / 2, w / 2, -w / 2, -w / 2));
            }
            break;
        case Elemento::Tipo::Testo: {
            const QFont font = fontRiferimento(e.carattere);
            // device pixels per reference pixel
            const qreal kx = scalaRiferimento(e.carattere) * fx, ky = scalaRiferimento(e.carattere) * fy;
            const int flag =
                int(e.allineamento & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter | Qt::TextSingleLine;
            p.setFont(font);
            p.setPen(e.carattere.colore);
            for (const RigaPreparata& r : e.righe) {
                const QRectF posto = sulDispositivo(r.area);
                p.save();
                p.translate(posto.topLeft());
                p.scale(kx, ky);
                p.drawText(QRectF(0, 0, posto.width() / kx, posto.height() / ky), flag, r.testo);
                p.restore();
            }
            break;
        }
        case Elemento::Tipo::Immagine:
            if (!e.immagine.isNull())
                p.drawImage(sulDispositivo(e.destinazione), e.immagine);
            break;
        }
        p.restore();
    }
    p.restore();
}

} // namespace Report
