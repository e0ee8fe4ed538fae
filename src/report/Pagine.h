#pragma once

#include "report/Modello.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// Prepared pages: what the engine paints, already laid out, in units from the paper's top-left corner.
namespace Report {

struct RigaPreparata {
    QString testo;
    QRectF area; // the line's slot: box width, one line spacing high
};

struct Elemento {
    enum class Tipo { Rettangolo, Testo, Immagine };
    Tipo tipo = Tipo::Rettangolo;
    QString nome;    // the template object it comes from
    QRectF area;     // the object's box
    QRectF visibile; // the part of the box on this page (a split band shows a slice of it)
    QColor riempimento = Qt::transparent;
    QColor bordo = Qt::transparent;
    qreal spessoreBordo = 0;
    // Text
    Carattere carattere;
    Qt::Alignment allineamento;
    QList<RigaPreparata> righe;
    // Picture, already reduced to the resolution it is printed at
    QImage immagine;
    QRectF destinazione; // fitted into area, proportions kept, centred
};

struct PaginaPreparata {
    QPageSize formato;
    QPageLayout::Orientation orientamento = QPageLayout::Portrait;
    QSizeF dimensione; // paper in units, as oriented
    QList<Elemento> elementi;

    // The layout a device needs for this page: the engine places everything itself, so no margins.
    QPageLayout impaginazione() const;
    const Elemento* trova(const QString& nome) const; // first element of that object, or null
};

// Paints page onto the painter's device, the paper filling carta (device coordinates).
void dipingi(QPainter& p, const PaginaPreparata& pagina, const QRectF& carta);

// Resolution at which pictures are kept in prepared pages.
inline constexpr qreal PuntiPerPolliceImmagini = 300;

} // namespace Report
