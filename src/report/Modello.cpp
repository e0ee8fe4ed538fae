#include "Modello.h"

#include "Caratteri.h"
#include "Pagine.h"

#include <QRegularExpression>

namespace Report {

Errore::Errore(const QString& messaggio) : std::runtime_error(messaggio.toStdString()) {}

void Testo::impostaTesto(const QString& testo) {
    static const QRegularExpression capo(QStringLiteral("\r\n|\n|\r"));
    linee = testo.split(capo);
    if (linee == QStringList{QString()})
        linee.clear();
}

qreal Testo::passo() const {
    return passoRiga > 0 ? passoRiga : interlinea(carattere);
}

Pagina::Pagina(QString nome, QPageSize formato, QPageLayout::Orientation o, QMarginsF marginiMm)
    : Contenitore(std::move(nome), {}), formato_(std::move(formato)), orientamento_(o), margini_(marginiMm) {}

QSizeF Pagina::dimensione() const {
    const QSizeF s = formato_.size(QPageSize::Millimeter) * UnitaPerMm;
    return orientamento_ == QPageLayout::Landscape ? s.transposed() : s;
}

QRectF Pagina::areaStampabile() const {
    const QSizeF s = dimensione();
    return QRectF(mm(margini_.left()), mm(margini_.top()), s.width() - mm(margini_.left() + margini_.right()),
                  s.height() - mm(margini_.top() + margini_.bottom()));
}

Banda& Pagina::aggiungiBanda(const QString& nome, TipoBanda t, qreal altezza) {
    Banda& b = aggiungi(std::make_unique<Banda>(nome, t, altezza));
    elencoBande.push_back(&b);
    return b;
}

namespace {
qint64 limite = qint64(200) * 1000 * 1000;

Oggetto* cercaIn(const Contenitore& c, const QString& nome) {
    for (const auto& o : c.oggetti()) {
        if (o->nome() == nome)
            return o.get();
        if (auto* figlio = dynamic_cast<const Contenitore*>(o.get()))
            if (Oggetto* t = cercaIn(*figlio, nome))
                return t;
    }
    return nullptr;
}
} // namespace

TReport::TReport(QString nome) : id(std::move(nome)), pronte(std::make_shared<PagineReport>()) {}
TReport::~TReport() = default;

Pagina& TReport::aggiungiPagina(std::unique_ptr<Pagina> p) {
    pagine.push_back(std::move(p));
    return *pagine.back();
}

Pagina& TReport::pagina(int i) {
    if (i < 0 || i >= int(pagine.size()))
        throw Errore(QStringLiteral("Il modello \"%1\" non ha la pagina %2.").arg(id).arg(i + 1));
    return *pagine[std::size_t(i)];
}

Oggetto* TReport::cerca(const QString& nome) const {
    for (const auto& p : pagine) {
        if (p->nome() == nome)
            return p.get();
        if (Oggetto* o = cercaIn(*p, nome))
            return o;
    }
    return nullptr;
}

void TReport::mancante(const QString& nome) const {
    throw Errore(QStringLiteral("Il modello \"%1\" non contiene l'oggetto \"%2\".").arg(id, nome));
}

void TReport::tipoErrato(const Oggetto& o, const QString& atteso) const {
    throw Errore(QStringLiteral("L'oggetto \"%1\" del modello \"%2\" è di tipo %3, non di tipo %4.")
                     .arg(o.nome(), id, o.tipo(), atteso));
}

void TReport::impostaLimitePixel(qint64 pixel) {
    limite = pixel;
}

qint64 TReport::limitePixel() {
    return limite;
}

} // namespace Report
