#include "Slideshow_Euro_01.h"

#include "media/Disegni.h"
#include "media/PassoSlideShow.h"
#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/Formato.h"
#include "storage/Foto.h"
#include "storage/Testo.h"
#include "ui/PulsanteImmagine.h"
#include "ui/RiquadroFoto.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString ArchivioVuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");
constexpr QSize Attesa{677, 184};
} // namespace

QImage TfrmSlideshow_Euro_01::disegnoAttesa() {
    static const QImage img = disegnaSvg(QStringLiteral(":/media/avvio_slideshow.svg"), Attesa);
    return img;
}

TfrmSlideshow_Euro_01::TfrmSlideshow_Euro_01(QWidget* owner, const QString& archivio, const QString& nome)
    : QDialog(owner), archivio(Testo::taglia(archivio)), nome(Testo::taglia(nome)) {
    Formato::fissa();
    setObjectName(QStringLiteral("frmSlideshow_Euro_01"));
    setWindowTitle(
        QStringLiteral(" Slide show dei campioni mineralogici: fare clic sulla foto per chiudere"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(Stile::FinestraCatena);

    fondo = new TSfondo(this, Stile::Colore::BluSteel, Qt::white);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(fondo);
    panContainer = fondo->pannello(Stile::FinestraCatena - QSize(60, 90));
    panContainer->setCursor(Qt::PointingHandCursor);
    panContainer->setAccessibleName(QStringLiteral("Slide show: fare clic per chiudere"));
    imgFoto = new TRiquadroFoto(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setAccessibleName(QStringLiteral("Foto del campione: fare clic per chiudere"));
    imgFoto->setCursor(Qt::PointingHandCursor);
    imgFoto->setGeometry(panContainer->rect());
    imgBianco = new TRiquadroFoto(panContainer);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->impostaFoto(Foto(disegnoAttesa()));
    imgBianco->hide();
    lblPosizione = Stile::etichettaNascosta(panContainer, QStringLiteral("lblPosizione"));
    lblPosizione->setFont(Stile::verdana(8, true));
    lblPosizione->setAlignment(Qt::AlignCenter);
    cmdAvanti =
        new TPulsanteImmagine(panContainer, QStringLiteral("cmdAvanti"), QStringLiteral(":/media/avanti.svg"),
                              QRect(0, 0, 37, 39), QStringLiteral("Foto successiva"));
    cmdAvanti->hide();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(Intervallo);

    connect(imgFoto, &TRiquadroFoto::cliccato, this, &QDialog::accept);
    panContainer->installEventFilter(this);
    connect(cmdAvanti, &QAbstractButton::clicked, this, &TfrmSlideshow_Euro_01::cmdAvantiClick);
    connect(Timer, &QTimer::timeout, this, &TfrmSlideshow_Euro_01::cmdAvantiClick);
}

int TfrmSlideshow_Euro_01::esegui() {
    setModal(true);
    Stile::mostraMassimizzata(this);
    return exec();
}

void TfrmSlideshow_Euro_01::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TfrmSlideshow_Euro_01::FormShow() {
    const QScreen* s = screen();
    const QSize schermo = s ? s->size() : Stile::FinestraCatena;
    const QSize area(std::max(1, schermo.width() - 60), std::max(1, schermo.height() - 90));
    fondo->pannello(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    imgFoto->impostaFoto(imgBianco->foto());
    chiusa = false;
    Timer->start();
}

void TfrmSlideshow_Euro_01::cmdAvantiClick() {
    // A tick that falls due while a box of this window is open waits for the next one.
    if (messaggioAperto || chiusa)
        return;
    TPassoSlideShow passo;
    try {
        passo = TPassoSlideShow::avanza(archivio, Testo::taglia(lblPosizione->text()));
    } catch (const EArchivio&) {
        // The show goes on: the next tick tries again.
        mostraMessaggio(Messaggi::Tipo::Errore, MessaggioErroreArchivio());
        return;
    }
    lblPosizione->setText(passo.posizione);
    indice = passo.posizione.toLongLong();
    switch (passo.esito) {
    case TPassoSlideShow::Esito::ArchivioVuoto:
        Timer->stop();
        mostraMessaggio(Messaggi::Tipo::Informazione, ArchivioVuoto);
        accept();
        break;
    case TPassoSlideShow::Esito::Scheda:
        subApriFoto();
        break;
    case TPassoSlideShow::Esito::FineGiro:
        break; // the last card stays on screen for one more interval
    }
}

void TfrmSlideshow_Euro_01::subApriFoto() {
    // Through the shared photo reader, so its checks on size and format apply here as well; it decodes
    // the photo at the size the window shows it.
    Foto f;
    if (QDir().mkpath(CartellaFoto()))
        f = Foto::daFile(PercorsoFoto(nome, Testo::taglia(lblPosizione->text()), SlotFoto::A),
                         imgFoto->size());
    imgFoto->impostaFoto(f.isNull() ? imgBianco->foto() : f);
}

void TfrmSlideshow_Euro_01::mostraMessaggio(Messaggi::Tipo tipo, const QString& testo) {
    const bool riprendi = Timer->isActive();
    Timer->stop();
    messaggioAperto = true;
    messaggio(tipo, testo);
    messaggioAperto = false;
    if (riprendi && !chiusa)
        Timer->start();
}

Messaggi::Risposta TfrmSlideshow_Euro_01::messaggio(Messaggi::Tipo tipo, const QString& testo) {
    switch (tipo) {
    case Messaggi::Tipo::Errore:
        return Messaggi::errore(this, testo);
    case Messaggi::Tipo::Informazione:
        return Messaggi::informazione(this, testo);
    case Messaggi::Tipo::Avviso:
        return Messaggi::avviso(this, testo);
    case Messaggi::Tipo::Semplice:
        Messaggi::plain(this, testo);
        return Messaggi::Risposta::Ok;
    case Messaggi::Tipo::Conferma:
        return Messaggi::conferma(this, testo) ? Messaggi::Risposta::Si : Messaggi::Risposta::No;
    }
    return Messaggi::Risposta::Ok;
}

bool TfrmSlideshow_Euro_01::eventFilter(QObject* o, QEvent* e) {
    if (o == panContainer && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TfrmSlideshow_Euro_01::done(int r) {
    chiusa = true;
    Timer->stop();
    QDialog::done(r);
}
