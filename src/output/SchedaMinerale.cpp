#include "SchedaMinerale.h"

#include "report/Modello.h"

namespace SchedaMinerale {
namespace {

using Report::mm;

// The sheet's looks.
const QColor BluReale(65, 105, 225);
constexpr qreal Filo = 1; // a thin outline, in units

QRectF rettangoloMm(qreal sinistra, qreal alto, qreal larghezza, qreal altezza) {
    return QRectF(mm(sinistra), mm(alto), mm(larghezza), mm(altezza));
}

void testo(Report::Pagina& p, const QString& nome, QRectF posizione, Report::Carattere c,
           const QString& iniziale, Qt::Alignment orizzontale = Qt::AlignLeft) {
    auto t = std::make_unique<Report::Testo>(nome, posizione);
    t->carattere = std::move(c);
    t->allineamento = orizzontale | Qt::AlignVCenter;
    t->impostaTesto(iniziale);
    p.aggiungi(std::move(t));
}

void rettangolo(Report::Pagina& p, const QString& nome, QRectF posizione, QColor riempimento, QColor bordo) {
    auto r = std::make_unique<Report::Rettangolo>(nome, posizione);
    r->riempimento = riempimento;
    r->bordo = bordo;
    r->spessoreBordo = Filo;
    p.aggiungi(std::move(r));
}

} // namespace

const QList<Blocco>& blocchi() {
    static const QList<Blocco> b = {
        {139, 1, 93, "GRUPPO", "Memo28", Campo::Tipologia},
        {139, 96, 93, "LOCALITA' DI RITROVAMENTO", "Memo30", Campo::Editore},
        {153, 1, 44, "ANNO RITROVAMENTO", "Memo26", Campo::Anno},
        {153, 47, 47, "DIMENSIONI", "Memo24", Campo::Dimensioni},
        {153, 96, 93, "COORDINATE GPS", "Memo11", Campo::Serie},
        {167, 1, 93, "CLASSIFICAZIONE STRUNZ O DANA", "Memo22", Campo::Carta},
        {167, 96, 93, "RARITA'", "Memo20", Campo::Rarita},
        {181, 1, 188, "PARAGENESI", "Memo5", Campo::Descrizione},
        {195, 1, 93, "FORMULA CHIMICA", "Memo14", Campo::Mittente},
        {195, 96, 93, "FORMA ESTERNA", "Memo12", Campo::IndirizzoMit},
        {209, 1, 93, "ROCCIA MADRE", "Memo8", Campo::Destinatario},
        {209, 96, 93, "SISTEMA CRISTALLINO", "Memo10", Campo::IndirizzoDes},
        {223, 1, 44, "PESO", "Memo9", Campo::Francobollo},
        {223, 47, 47, "VALORE STIMATO", "Memo18", Campo::Valore},
        {223, 96, 93, "DUREZZA", "Memo6", Campo::Timbro},
        {237, 1, 188, "TRATTAMENTI", "Memo16", Campo::Testo},
        {251, 1, 44, "COLORE", "Memo2", Campo::Data},
        {251, 47, 47, "STATO CONSERVAZIONE", "Memo3", Campo::Stato},
        {251, 96, 93, "LUOGO CONSERVAZIONE", "Memo1", Campo::Luogo},
        {265, 1, 188, "NOTE", "titRaccomandazioni", Campo::Note},
    };
    return b;
}

QString nomeCasella(Campo c) {
    return QStringLiteral("txt") + QString::fromLatin1(definizione(c).nome);
}

std::unique_ptr<Report::TReport> crea() {
    auto r = std::make_unique<Report::TReport>(QStringLiteral("Scheda Minerale"));
    auto& p = r->aggiungiPagina(std::make_unique<Report::Pagina>(
        QStringLiteral("Page1"), QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));

    testo(p, QStringLiteral("txtNome"), rettangoloMm(1, 0.5, 188, 4),
          {QStringLiteral("Arial"), 7, false, Qt::black}, QStringLiteral("NOME ARCHIVIO"));
    rettangolo(p, QStringLiteral("shpTitolo"), rettangoloMm(1, 5, 188, 8), BluReale, BluReale);
    testo(p, QStringLiteral("txtTitolo"), rettangoloMm(2, 6.2, 186, 6),
          {QStringLiteral("Arial"), 12, false, Qt::white}, QStringLiteral("NOME DEL MINERALE"),
          Qt::AlignHCenter);
    p.aggiungi(std::make_unique<Report::Immagine>(QStringLiteral("imgLogo"), rettangoloMm(1, 16, 188, 121)));

    const Report::Carattere didascalia{QStringLiteral("Arial"), 8, true, Qt::white};
    const Report::Carattere valore{QStringLiteral("Arial"), 8, false, Qt::black};
    for (const Blocco& b : blocchi()) {
        const QString casella = nomeCasella(b.campo);
        // The rectangles carry no meaning; their names only have to be unique.
        rettangolo(p, QStringLiteral("shpDidascalia_") + casella,
                   rettangoloMm(b.sinistra, b.alto, b.larghezza, 4.8), BluReale, BluReale);
        testo(p, QString::fromLatin1(b.nomeDidascalia),
              rettangoloMm(b.sinistra + 1, b.alto + 1, b.larghezza - 2, 3.6), didascalia,
              QString::fromLatin1(b.didascalia));
        rettangolo(p, QStringLiteral("shpValore_") + casella,
                   rettangoloMm(b.sinistra, b.alto + 5, b.larghezza, 6), Qt::transparent, Qt::black);
        testo(p, casella, rettangoloMm(b.sinistra + 1, b.alto + 6.4, b.larghezza - 2, 4), valore, QString());
    }
    return r;
}

} // namespace SchedaMinerale
