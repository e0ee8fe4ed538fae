#include "StampaElenco.h"

#include "report/Anteprima.h"
#include "report/Modello.h"
#include "storage/Formato.h"
#include "ui/Messaggi.h"

#include <QLocale>
#include <QRegularExpression>

namespace StampaElenco {
namespace {

using Report::mm;

// The template's looks.
const QColor GrigioArdesia(112, 128, 144); // the standard "slate grey"
constexpr qreal AltezzaRiga = 12.822;      // units per list line
constexpr qreal StrisciaVuota = 10;        // units below the last line

std::unique_ptr<Report::Testo> testo(const QString& nome, QRectF posizione, Report::Carattere c,
                                     Qt::Alignment allineamento, const QString& iniziale) {
    auto t = std::make_unique<Report::Testo>(nome, posizione);
    t->carattere = std::move(c);
    t->allineamento = allineamento;
    t->impostaTesto(iniziale);
    return t;
}

// The system's long time format without the time zone, which a printed time does not show.
QString ora(const QTime& t) {
    const QLocale sistema = QLocale::system();
    QString formato = sistema.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zona(QStringLiteral("\\s*\\bt+\\b\\s*"));
    formato.replace(zona, QStringLiteral(" "));
    formato = formato.trimmed();
    if (formato.isEmpty())
        formato = QStringLiteral("HH:mm:ss");
    return sistema.toString(t, formato);
}

} // namespace

std::unique_ptr<Report::TReport> creaRiepilogoDati() {
    auto r = std::make_unique<Report::TReport>(QStringLiteral("Riepilogo dati"));
    auto& pagina = r->aggiungiPagina(std::make_unique<Report::Pagina>(
        QStringLiteral("Page"), QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));

    const Report::Carattere verdanaBianco9{QStringLiteral("Verdana"), 9, true, Qt::white};
    const Report::Carattere verdanaBianco8{QStringLiteral("Verdana"), 8, true, Qt::white};
    const Report::Carattere courier8{QStringLiteral("Courier New"), 8, false, Qt::black};

    auto& titolo =
        pagina.aggiungiBanda(QStringLiteral("ReportTitle"), Report::TipoBanda::TitoloReport, mm(8));
    titolo
        .aggiungi(testo(QStringLiteral("txtTitolo"), QRectF(mm(2), mm(1), mm(273), mm(5)), verdanaBianco9,
                        Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Riepilogo")))
        .riempimento = GrigioArdesia;

    auto& dati = pagina.aggiungiBanda(QStringLiteral("MasterData"), Report::TipoBanda::Dati, mm(28));
    dati.divisibile = true;
    dati.aggiungi(testo(QStringLiteral("txtRiepilogo"), QRectF(mm(3), 0, mm(273), mm(27)), courier8,
                        Qt::AlignLeft | Qt::AlignTop, QString()))
        .passoRiga = AltezzaRiga; // the lines fill the height the window gives the box

    auto& piede = pagina.aggiungiBanda(QStringLiteral("Footer"), Report::TipoBanda::PiedeDati, mm(8));
    piede
        .aggiungi(testo(QStringLiteral("txtPagina"), QRectF(mm(3), mm(2), mm(272), mm(5)), verdanaBianco8,
                        Qt::AlignHCenter | Qt::AlignVCenter,
                        QStringLiteral("Stampa eseguita in data [DATE]")))
        .riempimento = GrigioArdesia;
    return r;
}

QString testoDataStampa(const QDateTime& quando) {
    return QStringLiteral("Stampa eseguita in data ") + Formato::data(quando.date()) +
           QStringLiteral(" alle ore ") + ora(quando.time());
}

void riempi(Report::TReport& r, const QString& titolo, const QStringList& righe, const QDateTime& quando) {
    r.trova<Report::Testo>(QStringLiteral("txtTitolo")).impostaTesto(titolo);
    r.trova<Report::Testo>(QStringLiteral("txtPagina")).impostaTesto(testoDataStampa(quando));
    auto& elenco = r.trova<Report::Testo>(QStringLiteral("txtRiepilogo"));
    elenco.svuotaRighe();
    for (const QString& riga : righe)
        elenco.aggiungiRiga(riga);
    elenco.impostaAltezza(qreal(righe.size()) * AltezzaRiga);
    r.trova<Report::Banda>(QStringLiteral("MasterData")).impostaAltezza(elenco.altezza() + StrisciaVuota);
}

void stampa(QWidget* parent, const QString& titolo, const QStringList& righe) {
    try {
        const auto r = creaRiepilogoDati();
        riempi(*r, titolo, righe, QDateTime::currentDateTime());
        r->prepara();
        Report::stampa(parent, *r);
    } catch (const std::exception& e) {
        // The windows guard nothing here; what would reach the toolkit's error report is shown instead
        // of ending the program.
        Messaggi::errore(parent, QString::fromStdString(e.what()));
    }
}

} // namespace StampaElenco
