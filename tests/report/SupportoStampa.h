#pragma once

// Helpers of the printing tests: the printing seam in test mode, and reading the PDF and pictures it
// produces.

#include "ui/Stampa.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace SupportoStampa {

// The text of a PDF, one entry per page, as pdftotext -layout lays it out.
inline QStringList testoPdf(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("documento.pdf"));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        return {};
    f.close();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty())
        pagine.removeLast();
    return pagine;
}

// The lines of a page's text that hold something.
inline QStringList righePiene(const QString& pagina) {
    QStringList r;
    for (const QString& l : pagina.split(u'\n'))
        if (!l.trimmed().isEmpty())
            r.append(l);
    return r;
}

// The bounding box of the pixels close to colore.
inline QRect areaColore(const QImage& img, QColor colore, int tolleranza = 40) {
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = riga[x];
            if (std::abs(qRed(c) - colore.red()) <= tolleranza &&
                std::abs(qGreen(c) - colore.green()) <= tolleranza &&
                std::abs(qBlue(c) - colore.blue()) <= tolleranza) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// Pixels of a region that are not white.
inline int inchiostro(const QImage& img, const QRect& r) {
    int n = 0;
    const QRect area = r.intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 200)
                ++n;
    return n;
}

// Millimetres on the paper to pixels of a picture at dpi.
inline int px(qreal mm, qreal dpi) {
    return qRound(mm / 25.4 * dpi);
}

} // namespace SupportoStampa
