#include "Etichette.h"

#include "report/Anteprima.h"
#include "report/Caratteri.h"
#include "report/Modello.h"
#include "search/Elenco.h"
#include "storage/Archivio.h"
#include "storage/Testo.h"
#include "ui/Messaggi.h"

#include <QHash>

#include <qrencode.h>

namespace Etichette {
namespace {

using Report::mm;

// The label's looks and places, in millimetres from the label's corner.
const QColor GrigioTaglio(160, 160, 160);
const QColor GrigioPiede(80, 80, 80);
constexpr qreal SpessoreTaglio = 0.75; // units
constexpr qreal ColonnaTesto = 46;     // width of the text column
constexpr qreal SinistraTesto = 3;
constexpr int ModuliMargine = 4; // the QR code's quiet zone
constexpr int PixelQr = 200;     // about the printed size at 300 dpi

Report::Carattere nomeCarattere() {
    return {QStringLiteral("Arial"), 10, true, Qt::black};
}
Report::Carattere testoCarattere() {
    return {QStringLiteral("Arial"), 7.5, false, Qt::black};
}

Report::Testo& testo(Report::Pagina& p, const QString& nome, QPointF angolo, QRectF mmRelativi,
                     Report::Carattere c, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    auto t = std::make_unique<Report::Testo>(nome, QRectF(angolo.x() + mm(mmRelativi.x()),
                                                          angolo.y() + mm(mmRelativi.y()),
                                                          mm(mmRelativi.width()), mm(mmRelativi.height())));
    t->carattere = std::move(c);
    t->allineamento = a;
    return p.aggiungi(std::move(t));
}

QString annoGruppo(const Etichetta& e) {
    QStringList parti;
    for (const QString& s : {e.anno, e.gruppo})
        if (!s.isEmpty())
            parti.append(s);
    return parti.join(QStringLiteral(" - "));
}

} // namespace

QList<Etichetta> daArchivio(const QString& percorso, const QString& catalogo, const QStringList& righe) {
    // One scan: every record whose line is in the list, grouped by its line, in file order.
    QHash<QString, QList<Etichetta>> perRiga;
    for (const QString& r : righe)
        perRiga.insert(Testo::taglia(r), {});
    TArchivio archivio;
    archivio.ApriOCrea(percorso);
    TScheda s;
    while (!archivio.FineArchivio()) {
        archivio.Leggi(s);
        const auto i = perRiga.find(Testo::taglia(subRigaElenco(s)));
        if (i != perRiga.end())
            i->append({s.testo(Campo::Titolo), s.testo(Campo::Editore), s.testo(Campo::Anno),
                       s.testo(Campo::Tipologia), catalogo, archivio.Posizione()});
    }
    archivio.Chiudi();
    QList<Etichetta> tutte;
    for (const QString& r : righe) {
        const auto i = perRiga.find(Testo::taglia(r));
        if (i != perRiga.end()) {
            tutte += *i;
            perRiga.erase(i); // an equal line further down has had its labels
        }
    }
    return tutte;
}

QString testoQr(const QString& catalogo, qint64 numero) {
    return catalogo + QStringLiteral(" N. ") + QString::number(numero);
}

QImage codiceQr(const QString& testo) {
    const QByteArray dati = testo.toUtf8();
    QRcode* codice = QRcode_encodeData(
        int(dati.size()), reinterpret_cast<const unsigned char*>(dati.constData()), 0, QR_ECLEVEL_M);
    if (!codice)
        return {};
    const int moduli = codice->width + 2 * ModuliMargine;
    const int lato = std::max(1, PixelQr / moduli);
    QImage img(moduli * lato, moduli * lato, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < codice->width; ++y)
        for (int x = 0; x < codice->width; ++x)
            if (codice->data[y * codice->width + x] & 1)
                for (int dy = 0; dy < lato; ++dy) {
                    auto* riga = reinterpret_cast<QRgb*>(img.scanLine((y + ModuliMargine) * lato + dy));
                    std::fill_n(riga + (x + ModuliMargine) * lato, lato, qRgb(0, 0, 0));
                }
    QRcode_free(codice);
    return img;
}

QStringList aCapo(const QString& t, const Report::Carattere& c, qreal larghezza, int maxRighe) {
    QStringList righe;
    QString corrente;
    for (const QString& parola : t.split(u' ', Qt::SkipEmptyParts)) {
        const QString prova = corrente.isEmpty() ? parola : corrente + u' ' + parola;
        if (corrente.isEmpty() || Report::larghezzaTesto(c, prova) <= larghezza) {
            corrente = prova;
            continue;
        }
        righe.append(corrente);
        if (righe.size() == maxRighe)
            return righe;
        corrente = parola;
    }
    if (!corrente.isEmpty() && righe.size() < maxRighe)
        righe.append(corrente);
    return righe;
}

std::unique_ptr<Report::TReport> crea(const QList<Etichetta>& etichette) {
    auto r = std::make_unique<Report::TReport>(QStringLiteral("Etichette"));
    Report::Pagina* pagina = nullptr;
    const Report::Carattere piccolo = testoCarattere();
    Report::Carattere piede = piccolo;
    piede.colore = GrigioPiede;
    piede.punti = 7;
    Report::Carattere numero = piede;
    numero.grassetto = true;
    numero.colore = Qt::black;
    for (qsizetype k = 0; k < etichette.size(); ++k) {
        const int posto = int(k % PerFoglio);
        if (posto == 0)
            pagina = &r->aggiungiPagina(std::make_unique<Report::Pagina>(
                QStringLiteral("Page%1").arg(k / PerFoglio + 1), QPageSize(QPageSize::A4),
                QPageLayout::Portrait, QMarginsF(0, MargineVerticaleMm, 0, MargineVerticaleMm)));
        const Etichetta& e = etichette[k];
        const QString n = QString::number(k + 1);
        const QPointF angolo(mm((posto % Colonne) * LarghezzaMm), mm((posto / Colonne) * AltezzaMm));

        auto taglio = std::make_unique<Report::Rettangolo>(
            QStringLiteral("shpEtichetta_") + n, QRectF(angolo, QSizeF(mm(LarghezzaMm), mm(AltezzaMm))));
        taglio->bordo = GrigioTaglio;
        taglio->spessoreBordo = SpessoreTaglio;
        pagina->aggiungi(std::move(taglio));

        testo(*pagina, QStringLiteral("txtNome_") + n, angolo, {SinistraTesto, 2.5, ColonnaTesto, 5.5},
              nomeCarattere())
            .impostaTesto(e.nome);
        auto& localita =
            testo(*pagina, QStringLiteral("txtLocalita_") + n, angolo,
                  {SinistraTesto, 8.5, ColonnaTesto, 7.6}, piccolo, Qt::AlignLeft | Qt::AlignTop);
        for (const QString& l : aCapo(e.localita, piccolo, mm(ColonnaTesto), 2))
            localita.aggiungiRiga(l);
        testo(*pagina, QStringLiteral("txtAnnoGruppo_") + n, angolo, {SinistraTesto, 17, ColonnaTesto, 4.5},
              piccolo)
            .impostaTesto(annoGruppo(e));
        testo(*pagina, QStringLiteral("txtArchivio_") + n, angolo, {SinistraTesto, 30, 44, 4}, piede)
            .impostaTesto(e.catalogo);
        testo(*pagina, QStringLiteral("txtNumero_") + n, angolo, {47, 30, 20, 4}, numero,
              Qt::AlignRight | Qt::AlignVCenter)
            .impostaTesto(QStringLiteral("N. ") + QString::number(e.numero));

        auto qr = std::make_unique<Report::Immagine>(
            QStringLiteral("imgQr_") + n, QRectF(angolo.x() + mm(50), angolo.y() + mm(4), mm(17), mm(17)));
        qr->impostaImmagine(codiceQr(testoQr(e.catalogo, e.numero)));
        pagina->aggiungi(std::move(qr));
    }
    return r;
}

void stampa(QWidget* parent, const QString& percorsoArchivio, const QString& catalogo,
            const QStringList& righe) {
    if (righe.isEmpty())
        return;
    QList<Etichetta> etichette;
    try {
        etichette = daArchivio(percorsoArchivio, catalogo, righe);
    } catch (const EArchivio&) {
        Messaggi::errore(parent, MessaggioErroreArchivio());
        return;
    }
    if (etichette.isEmpty())
        return;
    try {
        const auto r = crea(etichette);
        r->prepara();
        Report::mostraAnteprima(parent, *r,
                                QStringLiteral("Etichette - ") + catalogo + QStringLiteral(".pdf"));
    } catch (const std::exception& e) {
        Messaggi::errore(parent, QString::fromStdString(e.what()));
    }
}

} // namespace Etichette
