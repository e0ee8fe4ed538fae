#include "Stampa.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

namespace Stampa {
namespace {

struct StatoTest {
    bool attivo = false;
    QList<bool> risposte;
    QList<Test::Richiesta> richieste;
};
StatoTest& stato() {
    static StatoTest s;
    return s;
}

// Paints the pages in the order given (0-based) on a device that takes a new layout before each page.
template <class Dispositivo> bool dipingiPagine(Dispositivo& d, const Lavoro& l, const QList<int>& ordine) {
    if (ordine.isEmpty() || !l.dipingi)
        return false;
    d.setPageLayout(l.pagine[ordine.constFirst()]);
    QPainter p;
    if (!p.begin(&d))
        return false;
    for (qsizetype k = 0; k < ordine.size(); ++k) {
        const int i = ordine[k];
        if (k > 0) {
            d.setPageLayout(l.pagine[i]);
            if (!d.newPage())
                return false;
        }
        l.dipingi(p, i, d.pageLayout().fullRectPixels(d.resolution()));
    }
    return p.end();
}

QList<int> tutte(const Lavoro& l) {
    QList<int> o;
    for (int i = 0; i < l.numeroPagine(); ++i)
        o.append(i);
    return o;
}

} // namespace

bool stampa(QWidget* parent, const Lavoro& l) {
    auto& s = stato();
    if (s.attivo) {
        const bool si = s.risposte.isEmpty() ? true : s.risposte.takeFirst();
        s.richieste.append({Test::Tipo::Stampa, l, si});
        return si;
    }
    if (l.pagine.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(l.titolo);
    printer.setFullPage(true); // the pages carry their own margins
    printer.setPageLayout(l.pagine.constFirst());
    QPrintDialog dialogo(&printer, parent);
    dialogo.setMinMax(1, l.numeroPagine());
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialogo.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    int da = 0, a = l.numeroPagine() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        da = std::clamp(printer.fromPage() - 1, 0, a);
        a = std::clamp(printer.toPage() - 1, da, a);
    }
    // Where the printer cannot make copies itself (printing to a file), the pages are repeated here.
    const int copie = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    QList<int> ordine;
    if (printer.collateCopies()) {
        for (int c = 0; c < copie; ++c)
            for (int i = da; i <= a; ++i)
                ordine.append(i);
    } else {
        for (int i = da; i <= a; ++i)
            for (int c = 0; c < copie; ++c)
                ordine.append(i);
    }
    dipingiPagine(printer, l, ordine);
    return true;
}

bool scriviPdf(QIODevice* uscita, const Lavoro& l) {
    QPdfWriter w(uscita);
    w.setTitle(l.titolo);
    w.setCreator(QStringLiteral("Geodario"));
    w.setResolution(600);
    return dipingiPagine(w, l, tutte(l));
}

bool salvaPdf(const QString& percorso, const Lavoro& l) {
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (!scriviPdf(&f, l)) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QByteArray pdf(const Lavoro& l) {
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    if (!scriviPdf(&b, l))
        return {};
    b.close();
    return dati;
}

QImage immagine(const Lavoro& l, int pagina, qreal puntiPerPollice) {
    if (pagina < 0 || pagina >= l.numeroPagine() || !l.dipingi)
        return {};
    const QRect carta = l.pagine[pagina].fullRectPixels(qRound(puntiPerPollice));
    QImage img(carta.size(), QImage::Format_RGB32);
    if (img.isNull())
        return {};
    img.fill(Qt::white);
    const int pm = qRound(puntiPerPollice / 0.0254);
    img.setDotsPerMeterX(pm);
    img.setDotsPerMeterY(pm);
    QPainter p(&img);
    l.dipingi(p, pagina, QRectF(QPointF(0, 0), QSizeF(carta.size())));
    return img;
}

bool anteprimaSimulata(const Lavoro& l) {
    auto& s = stato();
    if (!s.attivo)
        return false;
    s.richieste.append({Test::Tipo::Anteprima, l, true});
    return true;
}

namespace Test {
void attiva() {
    stato().attivo = true;
}
bool attivo() {
    return stato().attivo;
}
void accoda(bool accetta) {
    stato().risposte.append(accetta);
}
QList<Richiesta> prendi() {
    return std::exchange(stato().richieste, {});
}
int risposteNonUsate() {
    return int(stato().risposte.size());
}
void azzera() {
    stato().risposte.clear();
    stato().richieste.clear();
}
} // namespace Test

} // namespace Stampa
