#include "Guida.h"

#include "Indirizzi.h"
#include "OpenURL.h"
#include "PulsanteImmagine.h"
#include "Sfondo.h"
#include "Stile.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSvgWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr QSize DimensioneGuida{670, 572};
const QString TitoloIniziale = QStringLiteral("Argomento della guida.");
const QString TestoLink = QStringLiteral("Visualizza guida in formato PDF");
} // namespace

TCollegamento::TCollegamento(QWidget* parent, const QString& nome, const QString& testo,
                             const QRect& posizione)
    : QLabel(testo, parent) {
    setObjectName(nome);
    setAccessibleName(testo);
    QFont f = Stile::tahoma(14);
    f.setUnderline(true);
    setFont(f);
    // Only the text is the link, not the blank beside it.
    setGeometry(posizione.adjusted(0, 0, std::min(0, sizeHint().width() - posizione.width()), 0));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    impostaColore(ColoreCollegamento::Normale);
}

void TCollegamento::impostaColore(const QColor& c) {
    attuale = c;
    setStyleSheet(Stile::coloreTesto(c));
}

void TCollegamento::aggiungiIcona(QAbstractButton* icona) {
    icona->installEventFilter(this);
}

void TCollegamento::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        impostaColore(ColoreCollegamento::Premuto);
    QLabel::mousePressEvent(e);
}

void TCollegamento::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        impostaColore(ColoreCollegamento::Normale);
        // Like a button: sliding off the link before releasing cancels the click.
        if (rect().contains(e->position().toPoint()))
            emit cliccato();
    }
    QLabel::mouseReleaseEvent(e);
}

void TCollegamento::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        emit cliccato();
        return;
    }
    QLabel::keyPressEvent(e);
}

bool TCollegamento::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            impostaColore(e->type() == QEvent::MouseButtonPress ? ColoreCollegamento::Premuto
                                                                : ColoreCollegamento::Normale);
    }
    return QLabel::eventFilter(o, e);
}

namespace FinestraInformativa {

QWidget* prepara(QDialog* finestra, const QString& nome, const QString& titolo, QSize dimensione) {
    finestra->setObjectName(nome);
    finestra->setWindowTitle(titolo);
    // A caption but no buttons on it: the window closes through its own button.
    finestra->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    finestra->setFixedSize(dimensione);
    auto* fondo = new TSfondo(finestra, Stile::Colore::BluAcciaio, Qt::white);
    auto* l = new QVBoxLayout(finestra);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(fondo);
    return fondo->pannello(dimensione);
}

void centra(QWidget* finestra, const QWidget* su) {
    QRect area;
    if (su)
        area = su->window()->frameGeometry();
    else if (const QScreen* s = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (area.isEmpty())
        return;
    QRect r = finestra->frameGeometry();
    r.moveCenter(area.center());
    finestra->move(r.topLeft());
}

QPushButton* pulsanteChiudi(QWidget* parent, const QRect& posizione) {
    auto* b = new QPushButton(QStringLiteral("Chiudi"), parent);
    b->setObjectName(QStringLiteral("btnChiudi"));
    b->setAccessibleName(QStringLiteral("Chiudi"));
    b->setFont(Stile::verdana(12));
    b->setGeometry(posizione);
    b->setCursor(Qt::PointingHandCursor);
    b->setDefault(true);
    return b;
}

} // namespace FinestraInformativa

TfrmGuida::TfrmGuida(QWidget* owner) : QDialog(owner) {
    QWidget* p =
        FinestraInformativa::prepara(this, QStringLiteral("frmGuida"),
                                     QStringLiteral(" Guida all'utilizzo del software"), DimensioneGuida);
    creaBanda(p, QStringLiteral("shpTop"), QRect(10, 10, 650, 84));
    imgLogo = creaImmagine(p, QStringLiteral("imgLogo"), QStringLiteral(":/guida/logo_guida.svg"),
                           QRect(16, 14, 638, 76));
    imgLogo->setAccessibleName(QStringLiteral("Guida all'utilizzo del software"));

    lblTitolo =
        Stile::etichetta(p, QStringLiteral("lblTitolo"), TitoloIniziale, Stile::arial(16, true),
                         Stile::Colore::Richiamo, QRect(20, 102, 630, 32), Qt::AlignLeft | Qt::AlignVCenter);

    txtGuida = new QPlainTextEdit(p);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setAccessibleName(QStringLiteral("Testo della guida"));
    txtGuida->setFont(Stile::verdana(12, true));
    txtGuida->setGeometry(20, 140, 630, 362);
    txtGuida->setReadOnly(true);
    txtGuida->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    imgPDF = new TPulsanteImmagine(p, QStringLiteral("imgPDF"), QStringLiteral(":/guida/pdf.svg"),
                                   QRect(20, 514, 38, 46), TestoLink);
    lnkWeb = new TCollegamento(p, QStringLiteral("lnkWeb"), TestoLink, QRect(68, 522, 340, 30));
    lnkWeb->aggiungiIcona(imgPDF);
    btnChiudi = FinestraInformativa::pulsanteChiudi(p, QRect(540, 518, 110, 38));

    connect(imgPDF, &QAbstractButton::clicked, this, &TfrmGuida::lnkWebClick);
    connect(lnkWeb, &TCollegamento::cliccato, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QAbstractButton::clicked, this, &QDialog::accept);
    setTabOrder(txtGuida, lnkWeb);
    setTabOrder(lnkWeb, btnChiudi);
}

void TfrmGuida::mostra(QWidget* owner, Argomento a) {
    QPointer<TfrmGuida> f = new TfrmGuida(owner);
    f->subMostraArgomento(a);
    f->exec();
    delete f;
}

void TfrmGuida::subMostraArgomento(Argomento a) {
    lblTitolo->setText(ArgomentiGuida::titolo(a));
    txtGuida->setPlainText(ArgomentiGuida::testo(a));
    inCima();
}

void TfrmGuida::inCima() {
    txtGuida->moveCursor(QTextCursor::Start);
    txtGuida->verticalScrollBar()->setValue(0);
}

void TfrmGuida::showEvent(QShowEvent* e) {
    FinestraInformativa::centra(this);
    inCima();
    txtGuida->setFocus();
    QDialog::showEvent(e);
}

void TfrmGuida::lnkWebClick() {
    lnkWeb->impostaColore(ColoreCollegamento::Normale);
    // The document is the desktop's business: a missing file brings no message from here.
    TMisc::Open(Indirizzi::apriGuidaPdf());
}
