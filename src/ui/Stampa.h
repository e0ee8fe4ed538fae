#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>

class QIODevice;
class QPainter;
class QRectF;
class QWidget;

// Printing, the print preview and PDF output, scriptable by tests. Whoever prints hands over a job: its
// pages' layouts and a function that paints page i with the paper filling a rectangle of the device.
namespace Stampa {

struct Lavoro {
    QString titolo; // the print job's title, and the PDF's
    QList<QPageLayout> pagine;
    std::function<void(QPainter& p, int pagina, const QRectF& carta)> dipingi;
    int numeroPagine() const { return int(pagine.size()); }
};

// Shows the print dialog (system printers, the default one preselected; pages and copies) and prints.
// False when the user cancels the dialog: nothing is printed.
bool stampa(QWidget* parent, const Lavoro& l);

// The pages as a PDF document. False when the file cannot be written; an existing file is replaced
// only when the new one is complete.
bool salvaPdf(const QString& percorso, const Lavoro& l);
bool scriviPdf(QIODevice* uscita, const Lavoro& l);
QByteArray pdf(const Lavoro& l);
// One page as a picture at the given resolution, on white.
QImage immagine(const Lavoro& l, int pagina, qreal puntiPerPollice);

// The preview: in test mode it is recorded and true is returned, so the caller shows no window.
bool anteprimaSimulata(const Lavoro& l);

namespace Test {
enum class Tipo { Stampa, Anteprima };
struct Richiesta {
    Tipo tipo;
    Lavoro lavoro;
    bool accettata; // the print dialog was accepted (always true for a preview)
};
void attiva();
bool attivo();
void accoda(bool accetta); // the answer of the next print dialog; accepted when none is queued
QList<Richiesta> prendi(); // every print dialog and preview since the last call, emptied
int risposteNonUsate();
void azzera();
} // namespace Test

} // namespace Stampa
