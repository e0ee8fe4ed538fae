// Writes the help document "Guida.pdf" from the help topics the help window shows: a title page, then one
// section per topic, each on a page of its own.
#include "ui/ArgomentiGuida.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

QTextCharFormat carattere(qreal punti, bool grassetto, QColor colore = Qt::black) {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Verdana")});
    f.setFontPointSize(punti);
    f.setFontWeight(grassetto ? QFont::Bold : QFont::Normal);
    f.setForeground(colore);
    return f;
}

QTextBlockFormat blocco(Qt::Alignment allineamento, qreal sopra, qreal sotto, bool nuovaPagina = false) {
    QTextBlockFormat b;
    b.setAlignment(allineamento);
    b.setTopMargin(sopra);
    b.setBottomMargin(sotto);
    if (nuovaPagina)
        b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return b;
}

void componi(QTextDocument& doc) {
    const QColor rosso(0xB0, 0x1A, 0x1A), blu(0x1F, 0x3F, 0x73);
    QTextCursor c(&doc);
    c.setBlockFormat(blocco(Qt::AlignHCenter, 220, 24));
    c.insertText(QStringLiteral("Geodario"), carattere(40, true, rosso));
    c.insertBlock(blocco(Qt::AlignHCenter, 0, 12), carattere(20, true, blu));
    c.insertText(QStringLiteral("Guida all'utilizzo del software"));
    c.insertBlock(blocco(Qt::AlignHCenter, 0, 0), carattere(13, false, blu));
    c.insertText(QStringLiteral("Catalogazione di collezioni mineralogiche"));

    for (Argomento a : ArgomentiGuida::tutti()) {
        c.insertBlock(blocco(Qt::AlignLeft, 0, 18, true), carattere(20, true, rosso));
        c.insertText(ArgomentiGuida::titolo(a));
        for (const QString& paragrafo : ArgomentiGuida::paragrafi(a)) {
            c.insertBlock(blocco(Qt::AlignJustify, 0, 10), carattere(12, false));
            c.insertText(paragrafo);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // Text layout needs fonts, hence a GUI application; it needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Guida.pdf>\n", argv[0]);
        return 2;
    }
    const QString percorso = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(QFileInfo(percorso).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", argv[1]);
        return 1;
    }

    QPdfWriter pdf(percorso);
    pdf.setTitle(QStringLiteral("Geodario - Guida all'utilizzo del software"));
    pdf.setCreator(QStringLiteral("Geodario"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                  QPageLayout::Millimeter));
    pdf.setResolution(300);

    // Printing an unpaginated document gives it margins of its own and numbers the pages.
    QTextDocument doc;
    componi(doc);
    doc.print(&pdf);
    if (!QFileInfo(percorso).size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
