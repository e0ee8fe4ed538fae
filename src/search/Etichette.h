#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
namespace Report {
class TReport;
struct Carattere;
} // namespace Report

// Specimen labels printed from a result list: a sheet of 3 x 8 self-adhesive labels of 70 x 36 mm,
// one label per card behind the list's lines, each with a QR code of the catalogue name and the card
// number so that a label finds its card again.
namespace Etichette {

struct Etichetta {
    QString nome, localita, anno, gruppo;
    QString catalogo;
    qint64 numero = 0; // 1-based card number
};

inline constexpr int Colonne = 3;
inline constexpr int Righe = 8;
inline constexpr int PerFoglio = Colonne * Righe;
inline constexpr qreal LarghezzaMm = 70, AltezzaMm = 36, MargineVerticaleMm = 4.5;

// The labels of the list's lines, in list order. Each distinct line gives one label for every record
// whose line equals it, in file order, so equal lines give one label per record. Archive errors
// propagate (EArchivio).
QList<Etichetta> daArchivio(const QString& percorsoArchivio, const QString& catalogo,
                            const QStringList& righe);

// What a label's QR code holds: "<catalogue> N. <number>".
QString testoQr(const QString& catalogo, qint64 numero);
// The QR code as a black-on-white picture with its quiet zone; null when the text cannot be encoded.
QImage codiceQr(const QString& testo);

// Greedy word wrap into at most maxRighe lines of the given width (units); what does not fit in the
// last line is left out. A word longer than a line is cut at the box's edge when printed.
QStringList aCapo(const QString& testo, const Report::Carattere& c, qreal larghezza, int maxRighe);

// The label sheets, made afresh for each print: one page per 24 labels. Names of label k (1-based):
// shpEtichetta_k, txtNome_k, txtLocalita_k, txtAnnoGruppo_k, txtArchivio_k, txtNumero_k, imgQr_k.
std::unique_ptr<Report::TReport> crea(const QList<Etichetta>& etichette);

// The "Etichette" button: the labels of the list's lines in the report preview, from which the user
// prints or saves a PDF. An empty list does nothing; an archive failure shows the archive access error.
void stampa(QWidget* parent, const QString& percorsoArchivio, const QString& catalogo,
            const QStringList& righe);

} // namespace Etichette
