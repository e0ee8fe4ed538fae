#include "Stile.h"

#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>

namespace Stile {

QString css(const QColor& c) {
    return c.name(QColor::HexRgb).toUpper();
}

QString coloreTesto(const QColor& c) {
    return QStringLiteral("color: %1;").arg(css(c));
}

QFont carattere(const QString& famiglia, qreal punti, bool grassetto) {
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

QLabel* etichetta(QWidget* parent, const QString& nome, const QString& testo, const QFont& font,
                  const QColor& colore, const QRect& posizione, Qt::Alignment allineamento) {
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setFont(font);
    l->setStyleSheet(coloreTesto(colore));
    l->setGeometry(posizione);
    if (allineamento)
        l->setAlignment(allineamento);
    return l;
}

QLabel* etichettaNascosta(QWidget* parent, const QString& nome, const QString& testo) {
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->hide();
    return l;
}

namespace {

constexpr const char* Proprieta = "evidenziato";

// Follows the focus of one field; a child of the field, so it goes with it.
class Evidenziatore : public QObject {
public:
    explicit Evidenziatore(QLineEdit* campo) : QObject(campo) { campo->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* campo = static_cast<QLineEdit*>(o);
        if (e->type() == QEvent::FocusIn) {
            impostaEvidenziato(campo, true);
        } else if (e->type() == QEvent::FocusOut) {
            const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
            if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason)
                impostaEvidenziato(campo, false);
        }
        return false;
    }
};

} // namespace

void evidenziaCampo(QLineEdit* campo, int bordo, int raggio, int rientro) {
    campo->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: black; border: %2px solid %3; "
                                        "border-radius: %4px; padding: 0 %5px; }"
                                        "QLineEdit[evidenziato=\"true\"] { background: %6; }")
                             .arg(css(Colore::CampoRiposo))
                             .arg(bordo)
                             .arg(css(Colore::CampoBordo))
                             .arg(raggio)
                             .arg(rientro)
                             .arg(css(Colore::CampoFuoco)));
    campo->setProperty(Proprieta, campo->hasFocus());
    new Evidenziatore(campo);
}

bool evidenziato(const QLineEdit* campo) {
    return campo->property(Proprieta).toBool();
}

void impostaEvidenziato(QLineEdit* campo, bool acceso) {
    if (campo->property(Proprieta).toBool() == acceso)
        return;
    campo->setProperty(Proprieta, acceso);
    campo->style()->unpolish(campo);
    campo->style()->polish(campo);
    campo->update();
}

void massimizza(QWidget* finestra) {
    if (const QScreen* s = finestra->screen())
        finestra->setGeometry(s->availableGeometry());
    finestra->setWindowState(finestra->windowState() | Qt::WindowMaximized);
}

void centraSulloSchermo(QWidget* finestra) {
    if (const QScreen* s = finestra->screen())
        finestra->move(s->availableGeometry().center() -
                       QPoint(finestra->width() / 2, finestra->height() / 2));
}

void mostraMassimizzata(QWidget* finestra) {
    massimizza(finestra);
    finestra->showMaximized();
}

} // namespace Stile

TAnelloInvio::TAnelloInvio(QObject* parent, QList<QWidget*> campi)
    : QObject(parent), anello(std::move(campi)) {
    for (QWidget* w : std::as_const(anello))
        w->installEventFilter(this);
}

bool TAnelloInvio::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    if (k != Qt::Key_Return && k != Qt::Key_Enter)
        return false;
    const qsizetype i = anello.indexOf(static_cast<QWidget*>(o));
    if (i < 0)
        return false;
    anello[(i + 1) % anello.size()]->setFocus(Qt::TabFocusReason);
    return true;
}

TBarraStato::TBarraStato(QWidget* parent, const QRect& posizione, const QString& testoIniziale)
    : TRettangolo(parent, Stile::Colore::BarraStato, Stile::Colore::BarraStato, Qt::transparent, 4) {
    setObjectName(QStringLiteral("shpInfo"));
    setGeometry(posizione);
    panInfo = new QLabel(testoIniziale, this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(Stile::tahoma(9));
    panInfo->setStyleSheet(Stile::coloreTesto(Qt::white));
    panInfo->setGeometry(12, 0, posizione.width() - 24, posizione.height());
    panInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    sfondo(this);
}

void TBarraStato::suggerimento(QWidget* controllo, const QString& testo) {
    suggerimenti.insert(controllo, testo);
    controllo->installEventFilter(this);
}

void TBarraStato::sfondo(QWidget* w) {
    sfondi.append(w);
    w->installEventFilter(this);
    // The window is known once the background sits in it; its appearance is watched from then on.
    if (QWidget* f = w->window(); f != finestraOsservata) {
        if (finestraOsservata)
            finestraOsservata->removeEventFilter(this);
        finestraOsservata = f;
        f->installEventFilter(this);
    }
}

bool TBarraStato::eventFilter(QObject* o, QEvent* e) {
    if (o == finestraOsservata && e->type() == QEvent::Show) {
        puntatoreAllaComparsa = QCursor::pos();
        fermoDallaComparsa = true;
    } else if (e->type() == QEvent::Enter) {
        // The toolkit sends Enter events (with a position) when a window appears or is resized under a
        // resting pointer: they are not a move. Once the pointer has moved, every Enter counts.
        const bool fermo =
            fermoDallaComparsa && dynamic_cast<QEnterEvent*>(e) && QCursor::pos() == puntatoreAllaComparsa;
        if (!fermo)
            fermoDallaComparsa = false;
        if (const auto it = suggerimenti.constFind(o); it != suggerimenti.constEnd())
            panInfo->setText(*it);
        else if (!fermo && sfondi.contains(o))
            panInfo->clear();
    }
    return TRettangolo::eventFilter(o, e);
}
