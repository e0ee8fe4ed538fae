#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <vector>

// The report engine's template model. Lengths are in the engine's unit of 1/96 inch; positions are
// relative to the band an object lies on, or to the printable area of the page for objects without one.
namespace Report {

inline constexpr qreal UnitaPerMm = 96.0 / 25.4;
inline constexpr qreal mm(qreal millimetri) {
    return millimetri * UnitaPerMm;
}

// Every failure of the engine: a missing object, an object of another kind, a picture too large.
class Errore : public std::runtime_error {
public:
    explicit Errore(const QString& messaggio);
};

class Oggetto {
public:
    Oggetto(QString nome, QRectF posizione) : id(std::move(nome)), area(posizione) {}
    virtual ~Oggetto() = default;
    Oggetto(const Oggetto&) = delete;
    Oggetto& operator=(const Oggetto&) = delete;

    const QString& nome() const { return id; }
    QRectF posizione() const { return area; }
    void impostaPosizione(const QRectF& r) { area = r; }
    qreal altezza() const { return area.height(); }
    void impostaAltezza(qreal h) { area.setHeight(h); }
    virtual QString tipo() const = 0; // the kind's name, for messages

private:
    QString id;
    QRectF area;
};

struct Carattere {
    QString famiglia = QStringLiteral("Arial");
    qreal punti = 10;
    bool grassetto = false;
    QColor colore = Qt::black;
};

// Text is printed as it stands: no field codes, no expressions, square brackets included. One entry of
// righe() is one printed line; lines are never wrapped, and whatever passes the box's edge is cut.
class Testo : public Oggetto {
public:
    using Oggetto::Oggetto;
    static constexpr const char* NomeTipo = "casella di testo";
    QString tipo() const override { return QString::fromUtf8(NomeTipo); }

    void impostaTesto(const QString& testo); // CR LF, LF or CR start a new line
    QString testo() const { return linee.join(u'\n'); }
    const QStringList& righe() const { return linee; }
    void svuotaRighe() { linee.clear(); }
    void aggiungiRiga(const QString& riga) { linee.append(riga); }

    Carattere carattere;
    QColor riempimento = Qt::transparent;
    Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop;
    qreal passoRiga = 0; // units from one line to the next; 0 = the font's line spacing
    qreal passo() const; // the pitch in effect

private:
    QStringList linee;
};

// A picture fitted into its box with its proportions kept, centred, on a white background.
class Immagine : public Oggetto {
public:
    using Oggetto::Oggetto;
    static constexpr const char* NomeTipo = "immagine";
    QString tipo() const override { return QString::fromUtf8(NomeTipo); }

    void impostaImmagine(const QImage& img) { figura = img; } // a copy: the caller's picture may change
    const QImage& immagine() const { return figura; }
    QColor sfondo = Qt::white;

private:
    QImage figura;
};

class Rettangolo : public Oggetto {
public:
    using Oggetto::Oggetto;
    static constexpr const char* NomeTipo = "rettangolo";
    QString tipo() const override { return QString::fromUtf8(NomeTipo); }
    QColor riempimento = Qt::transparent;
    QColor bordo = Qt::transparent;
    qreal spessoreBordo = 1; // units
};

// Objects that hold other objects: bands and pages.
class Contenitore : public Oggetto {
public:
    using Oggetto::Oggetto;
    template <class T> T& aggiungi(std::unique_ptr<T> o) {
        T& r = *o;
        figli.push_back(std::move(o));
        return r;
    }
    const std::vector<std::unique_ptr<Oggetto>>& oggetti() const { return figli; }

private:
    std::vector<std::unique_ptr<Oggetto>> figli;
};

enum class TipoBanda {
    TitoloReport, // once, at the top of the first page
    Dati,         // the master data band, printed once (no data source)
    PiedeDati     // right after the master data band
};

// A band spans the printable width of its page; only its height counts.
class Banda : public Contenitore {
public:
    Banda(QString nome, TipoBanda t, qreal altezza)
        : Contenitore(std::move(nome), QRectF(0, 0, 0, altezza)), tipo_(t) {}
    static constexpr const char* NomeTipo = "banda";
    QString tipo() const override { return QString::fromUtf8(NomeTipo); }
    TipoBanda tipoBanda() const { return tipo_; }
    bool divisibile = false; // may be split across pages, between lines of its text boxes

private:
    TipoBanda tipo_;
};

class Pagina : public Contenitore {
public:
    Pagina(QString nome, QPageSize formato, QPageLayout::Orientation o, QMarginsF marginiMm);
    static constexpr const char* NomeTipo = "pagina";
    QString tipo() const override { return QString::fromUtf8(NomeTipo); }

    void impostaOrientamento(QPageLayout::Orientation o) { orientamento_ = o; }
    QPageLayout::Orientation orientamento() const { return orientamento_; }
    const QPageSize& formato() const { return formato_; }
    QMarginsF margini() const { return margini_; } // millimetres
    QSizeF dimensione() const;                     // the paper in units, as oriented
    QRectF areaStampabile() const;                 // in units from the paper's corner

    Banda& aggiungiBanda(const QString& nome, TipoBanda t, qreal altezza);
    const std::vector<Banda*>& bande() const { return elencoBande; }

private:
    QPageSize formato_;
    QPageLayout::Orientation orientamento_;
    QMarginsF margini_;
    std::vector<Banda*> elencoBande; // in printing order; owned as children
};

struct PaginaPreparata;
using PagineReport = QList<PaginaPreparata>;

class TReport {
public:
    explicit TReport(QString nome);
    ~TReport();
    const QString& nome() const { return id; }

    Pagina& aggiungiPagina(std::unique_ptr<Pagina> p);
    int numeroPagineModello() const { return int(pagine.size()); }
    Pagina& pagina(int i); // 0-based; a missing page is an Errore

    // Typed access by name; a missing name or another kind of object is an Errore.
    template <class T> T& trova(const QString& nome) {
        Oggetto* o = cerca(nome);
        if (!o)
            mancante(nome);
        T* t = dynamic_cast<T*>(o);
        if (!t)
            tipoErrato(*o, QString::fromUtf8(T::NomeTipo));
        return *t;
    }

    // Lays the template out into pages, replacing those prepared before.
    void prepara();
    // The prepared pages, shared: they stay valid when the template changes or goes away.
    std::shared_ptr<const PagineReport> preparate() const { return pronte; }

    // Pictures with more pixels than this cannot be prepared (the memory a copy would take).
    static void impostaLimitePixel(qint64 pixel);
    static qint64 limitePixel();

private:
    Oggetto* cerca(const QString& nome) const;
    [[noreturn]] void mancante(const QString& nome) const;
    [[noreturn]] void tipoErrato(const Oggetto& o, const QString& atteso) const;

    QString id;
    std::vector<std::unique_ptr<Pagina>> pagine;
    std::shared_ptr<const PagineReport> pronte;
};

} // namespace Report
