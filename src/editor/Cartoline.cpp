#include "Cartoline.h"

#include "editor/AllegaCartella.h"
#include "editor/Importo.h"
#include "editor/Zoom.h"
#include "media/Camera.h"
#include "media/Slideshow_Euro_01.h"
#include "media/WebCam.h"
#include "output/AnteprimaCartolina.h"
#include "output/ExpCartoline.h"
#include "output/StampaCartolina.h"
#include "search/InVendita.h"
#include "search/TrovaCartoline.h"
#include "storage/Archivio.h"
#include "storage/Formato.h"
#include "storage/Testo.h"
#include "ui/DialoghiFile.h"
#include "ui/Guida.h"
#include "ui/LunghezzaMassima.h"
#include "ui/Messaggi.h"
#include "ui/PulsanteImmagine.h"
#include "ui/RiquadroFoto.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

namespace {

const QString MessaggioArchivioVuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");

QImage disegnaSegnaposto(const QString& risorsa) {
    QImage img(Stile::DimensioneFoto, QImage::Format_RGB32);
    img.fill(Stile::Colore::FondoSegnaposto);
    QSvgRenderer svg(risorsa);
    if (svg.isValid()) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(QPointF(0, 0), QSizeF(Stile::DimensioneFoto)));
    }
    return img;
}

// The number in lblPosizione; false for an empty or malformed text.
bool numeroScheda(const QLabel* l, qint64& n) {
    bool ok = false;
    n = Testo::taglia(l->text()).toLongLong(&ok);
    return ok;
}

} // namespace

TfrmCartoline::TfrmCartoline()
    : TFinestraCatena(QStringLiteral("frmCartoline"),
                      QStringLiteral(" Geodario - Gestione Archivio Minerali"), true) {
    Formato::fissa();
    resize(Stile::FinestraCatena);
    QWidget* p = sfondo()->pannello(Stile::PannelloCatena);
    auto* shpContainer = new TRettangolo(p, Stile::Colore::BluAcciaio, Qt::white, Qt::white, 6);
    shpContainer->setObjectName(QStringLiteral("shpContainer"));
    shpContainer->setGeometry(QRect(QPoint(0, 0), Stile::PannelloCatena));
    barra = new TBarraStato(p, QRect(8, 654, 979, 30),
                            QStringLiteral("Pronto per archiviare una nuova scheda..."));
    panInfo = barra->panInfo;
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(sfondo()), p,
                       static_cast<QWidget*>(shpContainer)})
        barra->sfondo(w);

    creaBarraComandi(p);

    auto* shpSezione01 = new TRettangolo(p, Stile::Colore::Sezione, Stile::Colore::Sezione, Qt::white, 4);
    shpSezione01->setObjectName(QStringLiteral("shpSezione01"));
    shpSezione01->setGeometry(8, 72, 979, 576);
    barra->sfondo(shpSezione01);
    creaFoto(p);
    creaCampi(p);
    barra->raise();

    lblFile = Stile::etichettaNascosta(p, QStringLiteral("lblFile"));
    int i = 0;
    for (QLabel** l : {&lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03}) {
        *l = Stile::etichettaNascosta(
            p, QStringLiteral("%1%2").arg(i < 3 ? "lblFile0" : "lblDesc0").arg(i % 3 + 1));
        ++i;
    }

    new TAnelloInvio(this, QList<QWidget*>(campi.begin(), campi.end()));
    txtValore->installEventFilter(this);
    mostraSegnaposto();
}

TPulsanteImmagine* TfrmCartoline::comando(QWidget* p, const char* nome, const char* icona,
                                          const QString& descrizione, const QString& suggerimento) {
    auto* b = new TPulsanteImmagine(p, QLatin1String(nome), QStringLiteral(":/editor/%1.svg").arg(icona),
                                    QRect(), descrizione);
    b->setFocusPolicy(Qt::NoFocus); // clicking a command leaves the focus (and the highlight) in the field
    if (!suggerimento.isEmpty())
        barra->suggerimento(b, suggerimento);
    return b;
}

void TfrmCartoline::creaBarraComandi(QWidget* p) {
    constexpr int y = 8, h = 56, lato = 42, passo = 44, largo = 130, numero = 56;
    int x = 8;
    auto gruppo = [&](int n, int larghezza) {
        auto* g = new TRettangolo(p, Qt::white, Qt::white, Stile::Colore::CampoBordo, 6);
        g->setObjectName(QStringLiteral("shpPulsanti0%1").arg(n));
        g->setGeometry(x, y, larghezza, h);
        barra->sfondo(g);
        const int inizio = x + 6;
        x += larghezza + 7;
        return inizio;
    };
    auto metti = [&](TPulsanteImmagine* b, int& cx, int w = 0) {
        if (w == 0)
            w = lato;
        b->setGeometry(cx, y + (h - lato) / 2, w, lato);
        cx += w + (passo - lato);
    };

    int cx = gruppo(1, 4 * passo + 10);
    cmdNuovo = comando(p, "cmdNuovo", "nuovo", QStringLiteral("Nuova scheda"),
                       QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda."));
    cmdSalva = comando(p, "cmdSalva", "salva", QStringLiteral("Salva la scheda"),
                       QStringLiteral("Salva la scheda in archivio."));
    cmdTrova = comando(p, "cmdTrova", "trova", QStringLiteral("Trova schede"),
                       QStringLiteral("Trova schede in archivio."));
    cmdCercaDisponibili =
        comando(p, "cmdCercaDisponibili", "disponibili", QStringLiteral("Campioni in vendita"),
                QStringLiteral("Visualizza il riepilogo dei campioni mineralogici in vendita."));
    for (auto* b : {cmdNuovo, cmdSalva, cmdTrova, cmdCercaDisponibili})
        metti(b, cx);

    cx = gruppo(2, largo + 10);
    cmdFile = comando(p, "cmdFile", "allega", QStringLiteral("Allega file"),
                      QStringLiteral("Allega file alla scheda corrente."));
    metti(cmdFile, cx, largo);

    cx = gruppo(3, passo + largo + 10);
    cmdAnteprima = comando(p, "cmdAnteprima", "anteprima", QStringLiteral("Anteprima di stampa"),
                           QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."));
    cmdStampa = comando(p, "cmdStampa", "stampa", QStringLiteral("Stampa"),
                        QStringLiteral("Stampa la scheda corrente."));
    metti(cmdAnteprima, cx);
    metti(cmdStampa, cx, largo);

    cx = gruppo(4, 4 * passo + numero + 10);
    cmdPrimo = comando(p, "cmdPrimo", "primo", QStringLiteral("Prima scheda"),
                       QStringLiteral("Visualizza la prima scheda in archivio."));
    cmdIndietro = comando(p, "cmdIndietro", "indietro", QStringLiteral("Scheda precedente"),
                          QStringLiteral("Visualizza la scheda precedente in archivio."));
    cmdAvanti = comando(p, "cmdAvanti", "avanti", QStringLiteral("Scheda successiva"),
                        QStringLiteral("Visualizza la scheda successiva in archivio."));
    cmdUltimo = comando(p, "cmdUltimo", "ultimo", QStringLiteral("Ultima scheda"),
                        QStringLiteral("Visualizza l'ultima scheda in archivio."));
    metti(cmdPrimo, cx);
    metti(cmdIndietro, cx);
    lblPosizione = Stile::etichetta(p, QStringLiteral("lblPosizione"), QString(), Stile::verdana(12, true),
                                    Stile::Colore::Didascalia, QRect(cx - 2, y, numero, h), Qt::AlignCenter);
    cx += numero;
    metti(cmdAvanti, cx);
    metti(cmdUltimo, cx);

    cx = gruppo(5, 2 * passo + 8);
    cmdEsporta = comando(p, "cmdEsporta", "esporta", QStringLiteral("Esporta in Excel"),
                         QStringLiteral("Esporta l'archivio in un file di Excel."));
    cmdSlideShow = comando(p, "cmdSlideShow", "slideshow", QStringLiteral("Slide show"),
                           QStringLiteral("Esegui lo slide show dei campioni mineralogici in archivio."));
    metti(cmdEsporta, cx);
    metti(cmdSlideShow, cx);

    cx = gruppo(6, 2 * passo + 8);
    cmdGuida = comando(p, "cmdGuida", "guida", QStringLiteral("Guida"),
                       QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    cmdEsci =
        comando(p, "cmdEsci", "esci", QStringLiteral("Esci"), QStringLiteral("Esci da questa schermata."));
    metti(cmdGuida, cx);
    metti(cmdEsci, cx);

    connect(cmdNuovo, &QAbstractButton::clicked, this, &TfrmCartoline::cmdNuovoClick);
    connect(cmdSalva, &QAbstractButton::clicked, this, &TfrmCartoline::cmdSalvaClick);
    connect(cmdTrova, &QAbstractButton::clicked, this, &TfrmCartoline::cmdTrovaClick);
    connect(cmdCercaDisponibili, &QAbstractButton::clicked, this, &TfrmCartoline::cmdCercaDisponibiliClick);
    connect(cmdPrimo, &QAbstractButton::clicked, this, &TfrmCartoline::cmdPrimoClick);
    connect(cmdIndietro, &QAbstractButton::clicked, this, &TfrmCartoline::cmdIndietroClick);
    connect(cmdAvanti, &QAbstractButton::clicked, this, &TfrmCartoline::cmdAvantiClick);
    connect(cmdUltimo, &QAbstractButton::clicked, this, &TfrmCartoline::cmdUltimoClick);
    connect(cmdEsci, &QAbstractButton::clicked, this, &TfrmCartoline::cmdEsciClick);
    connect(cmdFile, &QAbstractButton::clicked, this, &TfrmCartoline::cmdFileClick);
    connect(cmdAnteprima, &QAbstractButton::clicked, this, &TfrmCartoline::cmdAnteprimaClick);
    connect(cmdStampa, &QAbstractButton::clicked, this, &TfrmCartoline::cmdStampaClick);
    connect(cmdEsporta, &QAbstractButton::clicked, this, &TfrmCartoline::cmdEsportaClick);
    connect(cmdSlideShow, &QAbstractButton::clicked, this, &TfrmCartoline::cmdSlideShowClick);
    connect(cmdGuida, &QAbstractButton::clicked, this, &TfrmCartoline::cmdGuidaClick);
}

void TfrmCartoline::creaFoto(QWidget* p) {
    struct Slot {
        SlotFoto slot;
        int y;
        const char* suffisso;
    };
    for (const Slot& s : {Slot{SlotFoto::A, 80, ""}, Slot{SlotFoto::B, 356, "02"}}) {
        const QString suf = QLatin1String(s.suffisso);
        auto* cornice = new TRettangolo(p, Qt::white, Qt::white, Stile::Colore::CorniceFoto, 2);
        cornice->setObjectName(QStringLiteral("shpFoto") + suf);
        cornice->setGeometry(16, s.y, 374, 268);
        auto* img = new TRiquadroFoto(p);
        img->setObjectName(QStringLiteral("imgFoto") + suf);
        img->setAccessibleName(s.slot == SlotFoto::A ? QStringLiteral("Foto 1") : QStringLiteral("Foto 2"));
        img->setGeometry(QRect(QPoint(20, s.y + 4), Stile::DimensioneFoto));
        barra->sfondo(img);
        (s.slot == SlotFoto::A ? imgFoto : imgFoto02) = img;

        creaImmagine(p, s.slot == SlotFoto::A ? QStringLiteral("ico01") : QStringLiteral("ico02"),
                     s.slot == SlotFoto::A ? QStringLiteral(":/editor/tile_1.svg")
                                           : QStringLiteral(":/editor/tile_2.svg"),
                     QRect(396, s.y, 42, 30));

        const QString n = s.slot == SlotFoto::A ? QStringLiteral("1") : QStringLiteral("2");
        auto* carica = comando(p, qPrintable("btnCaricaFoto" + suf), "foto_carica",
                               QStringLiteral("Carica la foto %1 da file").arg(n),
                               QStringLiteral("Carica una foto esistente."));
        auto* webcam = comando(p, qPrintable("btnAcquisisciFoto" + suf), "foto_webcam",
                               QStringLiteral("Acquisisci la foto %1 da webcam").arg(n),
                               QStringLiteral("Acquisisci la foto da WebCam."));
        auto* salva = comando(p, qPrintable("btnSalvaFoto" + suf), "foto_salva",
                              QStringLiteral("Salva una copia della foto %1").arg(n),
                              QStringLiteral("Salva la foto su disco."));
        auto* canc =
            comando(p, qPrintable("btnCancFoto" + suf), "foto_cancella",
                    QStringLiteral("Cancella la foto %1").arg(n), QStringLiteral("Cancella la foto."));
        auto* zoom = comando(p, qPrintable("btnZoomFoto" + suf), "foto_zoom",
                             QStringLiteral("Ingrandisci la foto %1").arg(n),
                             QStringLiteral("Visualizza la foto nelle sue dimensioni reali."));
        int by = s.y + 34;
        for (auto* b : {carica, webcam, salva, canc, zoom}) {
            b->setGeometry(396, by, 42, 40);
            by += 46;
        }
        const SlotFoto slot = s.slot;
        connect(carica, &QAbstractButton::clicked, this, [this, slot] { btnCaricaFotoClick(slot); });
        connect(webcam, &QAbstractButton::clicked, this, [this, slot] { btnAcquisisciFotoClick(slot); });
        connect(salva, &QAbstractButton::clicked, this, [this, slot] { btnSalvaFotoClick(slot); });
        connect(canc, &QAbstractButton::clicked, this, [this, slot] { btnCancFotoClick(slot); });
        connect(zoom, &QAbstractButton::clicked, this, [this, slot] { btnZoomFotoClick(slot); });
        if (slot == SlotFoto::A) {
            btnCaricaFoto = carica, btnAcquisisciFoto = webcam, btnSalvaFoto = salva, btnCancFoto = canc,
            btnZoomFoto = zoom;
        } else {
            btnCaricaFoto02 = carica, btnAcquisisciFoto02 = webcam, btnSalvaFoto02 = salva,
            btnCancFoto02 = canc, btnZoomFoto02 = zoom;
        }
    }
}

namespace {

// The 21 edit fields in record order: name, label, column offset from the left edge of the field
// section, row and width. Enter walks them in this order, and so does Tab.
struct DefinizioneControllo {
    QLineEdit* TfrmCartoline::*membro;
    const char* nome;
    const char* etichetta;
    int colonna;
    int riga;
    int larghezza;
};

constexpr int Colonna2 = 308, Colonna2Stretta = 220, ColonnaMezzo = 152;

const DefinizioneControllo definizioniCampi[NumeroCampiTesto] = {
    {&TfrmCartoline::txtTitolo, "txtTitolo", "Nome del minerale:", 0, 1, 300},
    {&TfrmCartoline::txtTipologia, "txtTipologia", "Gruppo:", Colonna2, 1, 192},
    {&TfrmCartoline::txtEditore, "txtEditore", "Località di ritrovamento:", 0, 2, 300},
    {&TfrmCartoline::txtSerie, "txtSerie", "Coordinate GPS:", Colonna2, 2, 192},
    {&TfrmCartoline::txtDescrizione, "txtDescrizione",
     "Paragenesi (altri minerali presenti sullo stesso campione):", 0, 3, 500},
    {&TfrmCartoline::txtAnno, "txtAnno", "Anno ritrovamento:", 0, 4, 144},
    {&TfrmCartoline::txtValore, "txtValore", "Valore stimato: €", ColonnaMezzo, 4, 148},
    {&TfrmCartoline::txtDimensioni, "txtDimensioni", "Dimensioni:", Colonna2, 4, 192},
    {&TfrmCartoline::txtCarta, "txtCarta", "Classificazione Strunz o Dana:", 0, 5, 300},
    {&TfrmCartoline::txtRarita, "txtRarita", "Rarità:", Colonna2, 5, 192},
    {&TfrmCartoline::txtMittente, "txtMittente", "Formula chimica:", 0, 6, 212},
    {&TfrmCartoline::txtIndirizzoMit, "txtIndirizzoMit", "Forma esterna:", Colonna2Stretta, 6, 280},
    {&TfrmCartoline::txtDestinatario, "txtDestinatario", "Roccia Madre:", 0, 7, 212},
    {&TfrmCartoline::txtIndirizzoDes, "txtIndirizzoDes", "Sistema cristallino:", Colonna2Stretta, 7, 280},
    {&TfrmCartoline::txtTesto, "txtTesto", "Trattamenti:", 0, 8, 500},
    {&TfrmCartoline::txtData, "txtData", "Colore:", 0, 9, 144},
    {&TfrmCartoline::txtFrancobollo, "txtFrancobollo", "Peso:", ColonnaMezzo, 9, 148},
    {&TfrmCartoline::txtTimbro, "txtTimbro", "Durezza:", Colonna2, 9, 192},
    {&TfrmCartoline::txtStato, "txtStato", "Stato conservazione:", 0, 10, 212},
    {&TfrmCartoline::txtLuogo, "txtLuogo", "Luogo conservazione:", Colonna2Stretta, 10, 280},
    {&TfrmCartoline::txtNote, "txtNote", "Note:", 0, 11, 290},
};

} // namespace

QLineEdit* TfrmCartoline::nuovoCampo(QWidget* p, Campo c, QPoint posizione) {
    const DefinizioneControllo& d = definizioniCampi[static_cast<std::size_t>(c)];
    const QString testo = QString::fromUtf8(d.etichetta);
    auto* l =
        Stile::etichetta(p, QStringLiteral("lbl") + QLatin1String(d.nome + 3), testo, Stile::verdana(8.25),
                         Stile::Colore::Didascalia, QRect(posizione, QSize(d.larghezza + 40, 15)));
    auto* e = new QLineEdit(p);
    e->setObjectName(QLatin1String(d.nome));
    e->setAccessibleName(testo.endsWith(u':') ? testo.chopped(1) : testo);
    e->setFont(Stile::verdana(9, true));
    Stile::evidenziaCampo(e);
    e->setValidator(new TLunghezzaMassima(e, definizione(c).larghezza));
    e->setGeometry(posizione.x(), posizione.y() + 16, d.larghezza, 24);
    l->setBuddy(e);
    campi[static_cast<std::size_t>(c)] = e;
    this->*d.membro = e;
    return e;
}

void TfrmCartoline::creaCampi(QWidget* p) {
    auto* shpSfondo = new TRettangolo(p, Qt::white, Qt::white, Stile::Colore::CorniceFoto, 4);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setGeometry(446, 80, 533, 560);
    barra->sfondo(shpSfondo);

    constexpr int x0 = 462, riga = 46, y0 = 118;
    creaImmagine(p, QStringLiteral("bkgNomeArchivio"), QStringLiteral(":/editor/nome_archivio.svg"),
                 QRect(x0, 88, 500, 22));
    lblNome = Stile::etichetta(p, QStringLiteral("lblNome"), QString(), Stile::verdana(9.75, true),
                               Stile::Colore::CampoFuoco, QRect(x0, 88, 500, 22), Qt::AlignCenter);
    barra->sfondo(lblNome);

    auto y = [&](int r) { return y0 + (r - 1) * riga; };
    for (int i = 0; i < NumeroCampiTesto; ++i) {
        const DefinizioneControllo& d = definizioniCampi[i];
        nuovoCampo(p, ::campo(i), QPoint(x0 + d.colonna, y(d.riga)));
    }
    // Notes have their label on the left.
    auto* lblNote = p->findChild<QLabel*>(QStringLiteral("lblNote"));
    lblNote->setGeometry(x0, y(11) + 20, 44, 16);
    txtNote->move(x0 + 46, y(11) + 16);

    txtAnno->setAlignment(Qt::AlignCenter);
    txtValore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtValore->setText(QStringLiteral("0,00"));

    creaImmagine(p, QStringLiteral("icoInVendita"), QStringLiteral(":/editor/in_vendita.svg"),
                 QRect(x0 + 346, y(11) + 10, 36, 36));
    chkInVendita = new QCheckBox(QStringLiteral("In vendita"), p);
    chkInVendita->setObjectName(QStringLiteral("chkInVendita"));
    chkInVendita->setAccessibleName(QStringLiteral("In vendita"));
    chkInVendita->setFont(Stile::verdana(9, true));
    chkInVendita->setStyleSheet(Stile::coloreTesto(Stile::Colore::Didascalia));
    chkInVendita->setCursor(Qt::PointingHandCursor);
    chkInVendita->setGeometry(x0 + 386, y(11) + 16, 120, 24);
    barra->suggerimento(chkInVendita, QStringLiteral("Indica se il campione mineralogico è in vendita."));

    for (int i = 0; i + 1 < NumeroCampiTesto; ++i)
        setTabOrder(campi[i], campi[i + 1]);
    setTabOrder(txtNote, chkInVendita);
}

// --- Photo slots -------------------------------------------------------------------------------------

Foto TfrmCartoline::segnaposto(SlotFoto slot) {
    static const Foto a(disegnaSegnaposto(QStringLiteral(":/editor/segnaposto_a.svg")));
    static const Foto b(disegnaSegnaposto(QStringLiteral(":/editor/segnaposto_b.svg")));
    return slot == SlotFoto::A ? a : b;
}

QString TfrmCartoline::archivioAperto() const {
    return Testo::taglia(lblFile->text());
}
QString TfrmCartoline::nomeCatalogo() const {
    return Testo::taglia(lblNome->text());
}
QString TfrmCartoline::posizioneScheda() const {
    return Testo::taglia(lblPosizione->text());
}
Foto TfrmCartoline::foto(SlotFoto slot) const {
    return riquadro(slot)->foto();
}
void TfrmCartoline::impostaFoto(SlotFoto slot, const Foto& f) {
    riquadro(slot)->impostaFoto(f);
}

QString TfrmCartoline::testoCampo(Campo c) const {
    return campo(c)->text();
}
QString TfrmCartoline::nomeArchivio() const {
    return lblNome->text();
}
QImage TfrmCartoline::fotoMostrata() const {
    return imgFoto->foto().immagine();
}

void TfrmCartoline::mostraSegnaposto() {
    imgFoto->impostaFoto(segnaposto(SlotFoto::A));
    imgFoto02->impostaFoto(segnaposto(SlotFoto::B));
}

void TfrmCartoline::btnCaricaFotoClick(SlotFoto slot) {
    DialoghiFile::Opzioni o;
    o.titolo = QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
    o.filtro = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
    const QString scelto = DialoghiFile::apri(this, o);
    if (scelto.isEmpty())
        return;
    const Foto f = Foto::daFile(scelto, Stile::DimensioneFoto);
    impostaFoto(slot, f.isNull() ? segnaposto(slot) : f);
}

void TfrmCartoline::btnAcquisisciFotoClick(SlotFoto slot) {
    TfrmWebCam finestra(this, this);
    finestra.lblMemory->setText(slot == SlotFoto::A ? QStringLiteral("foto01") : QStringLiteral("foto02"));
    finestra.exec();
}

void TfrmCartoline::btnSalvaFotoClick(SlotFoto slot) {
    DialoghiFile::Opzioni o;
    o.titolo = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    o.filtro = QStringLiteral("File Jpeg (*.jpg)");
    o.estensione = QStringLiteral("jpg");
    o.nomeProposto = QStringLiteral("Foto.jpg");
    QString scelto = DialoghiFile::salva(this, o);
    if (scelto.isEmpty())
        return;
    if (QFileInfo(scelto).suffix().isEmpty())
        scelto += QStringLiteral(".jpg");
    // A copy that cannot be written leaves the photo in the slot as it is: nothing of the card is lost.
    foto(slot).salvaCome(scelto);
}

void TfrmCartoline::btnCancFotoClick(SlotFoto slot) {
    impostaFoto(slot, segnaposto(slot));
}

void TfrmCartoline::btnZoomFotoClick(SlotFoto slot) {
    TfrmZoom zoom(this, foto(slot));
    zoom.exec();
}

// --- Showing cards -----------------------------------------------------------------------------------

bool TfrmCartoline::event(QEvent* e) {
    // Activated with no field holding the focus (after a save), the toolkit would hand it to the first
    // field; the panel, which is no edit field and takes no keys, holds it instead.
    if (e->type() == QEvent::WindowActivate && !focusWidget())
        sfondo()->pannello(Stile::PannelloCatena)->setFocus(Qt::OtherFocusReason);
    return TFinestraCatena::event(e);
}

void TfrmCartoline::FormShow() {
    subNuovaScheda();
}

void TfrmCartoline::subNuovaScheda() {
    for (QLineEdit* e : campi)
        e->clear();
    txtValore->setText(QStringLiteral("0,00"));
    chkInVendita->setChecked(false);
    for (QLabel* l : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03})
        l->clear();
    mostraSegnaposto();
    lblPosizione->clear();
    txtTitolo->setFocus();
}

void TfrmCartoline::subMostraScheda(const TScheda& r, qint64 n) {
    for (int i = 0; i < NumeroCampiTesto; ++i)
        TLunghezzaMassima::impostaTesto(campi[i], r.testo(::campo(i)));
    const QString flag = r.testo(Campo::InVendita);
    if (flag == QStringLiteral("Sì"))
        chkInVendita->setChecked(true);
    else if (flag == QStringLiteral("No"))
        chkInVendita->setChecked(false);
    const std::pair<QLabel*, Campo> allegati[] = {{lblFile01, Campo::File01}, {lblFile02, Campo::File02},
                                                  {lblFile03, Campo::File03}, {lblDesc01, Campo::Desc01},
                                                  {lblDesc02, Campo::Desc02}, {lblDesc03, Campo::Desc03}};
    for (const auto& [l, c] : allegati)
        l->setText(r.testo(c));
    lblPosizione->setText(QString::number(n));
    CaricaFotoScheda(*this, Stile::DimensioneFoto);
}

TScheda TfrmCartoline::schedaDaControlli() const {
    TScheda s;
    for (int i = 0; i < NumeroCampiTesto; ++i)
        s.impostaTesto(::campo(i), campi[i]->text());
    s.impostaInVendita(chkInVendita->isChecked());
    s.impostaTesto(Campo::File01, lblFile01->text());
    s.impostaTesto(Campo::File02, lblFile02->text());
    s.impostaTesto(Campo::File03, lblFile03->text());
    s.impostaTesto(Campo::Desc01, lblDesc01->text());
    s.impostaTesto(Campo::Desc02, lblDesc02->text());
    s.impostaTesto(Campo::Desc03, lblDesc03->text());
    return s;
}

// --- Navigation --------------------------------------------------------------------------------------

void TfrmCartoline::cmdNuovoClick() {
    subNuovaScheda();
}

void TfrmCartoline::naviga(const std::function<std::optional<qint64>(TArchivio&)>& scegli) {
    try {
        TArchivio a;
        a.ApriOCrea(Testo::taglia(lblFile->text()));
        const std::optional<qint64> record = scegli(a);
        if (!record) {
            a.Chiudi();
            return;
        }
        TScheda s;
        a.Posiziona(*record);
        a.Leggi(s);
        const qint64 numero = a.Posizione();
        a.Chiudi(); // the photos are loaded with the archive closed
        subMostraScheda(s, numero);
    } catch (const EArchivio&) {
        Messaggi::errore(this, MessaggioErroreArchivio());
    }
}

std::optional<qint64> TfrmCartoline::archivioVuoto(TArchivio& a) {
    a.Chiudi();
    Messaggi::informazione(this, MessaggioArchivioVuoto);
    return std::nullopt;
}

void TfrmCartoline::cmdPrimoClick() {
    naviga([this](TArchivio& a) -> std::optional<qint64> {
        if (a.NumeroSchede() == 0)
            return archivioVuoto(a);
        return 0;
    });
}

void TfrmCartoline::cmdUltimoClick() {
    naviga([this](TArchivio& a) -> std::optional<qint64> {
        if (a.NumeroSchede() == 0)
            return archivioVuoto(a);
        return a.NumeroSchede() - 1;
    });
}

void TfrmCartoline::cmdAvantiClick() {
    // From a new card the next card is card 1.
    const bool nuova = Testo::taglia(lblPosizione->text()).isEmpty();
    if (nuova)
        lblPosizione->setText(QStringLiteral("0"));
    naviga([this](TArchivio& a) -> std::optional<qint64> {
        qint64 p = 0;
        if (!numeroScheda(lblPosizione, p))
            throw EArchivio();
        if (a.NumeroSchede() == 0) {
            lblPosizione->clear();
            return archivioVuoto(a);
        }
        if (p >= a.NumeroSchede())
            return std::nullopt; // the last card is shown
        return p;
    });
    // No card was shown (the archive failed): the card stays new, so that its save still appends.
    if (nuova && lblPosizione->text() == QLatin1String("0"))
        lblPosizione->clear();
}

void TfrmCartoline::cmdIndietroClick() {
    naviga([this](TArchivio& a) -> std::optional<qint64> {
        const QString pos = Testo::taglia(lblPosizione->text());
        if (pos == QLatin1String("1"))
            return std::nullopt;
        if (a.NumeroSchede() == 0)
            return archivioVuoto(a);
        qint64 p = 0;
        if (pos.isEmpty())
            return 0; // from a new card, previous shows card 1 too
        if (!numeroScheda(lblPosizione, p))
            throw EArchivio();
        return std::max<qint64>(p - 2, 0);
    });
}

// --- Saving ------------------------------------------------------------------------------------------

void TfrmCartoline::cmdSalvaClick() {
    // Leaving the focused field first runs its leaving behaviour (the amount is normalised).
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f))
        f->clearFocus();

    const std::pair<QLineEdit*, const char*> obbligatori[] = {
        {txtTitolo, "il nome del minerale"},
        {txtTipologia, "il gruppo di appartenenza del minerale"},
        {txtEditore, "la località di ritrovamento del minerale"},
        {txtAnno, "l'anno di ritrovamento del minerale"}};
    for (const auto& [e, cosa] : obbligatori) {
        if (Testo::taglia(e->text()).isEmpty()) {
            Messaggi::avviso(this,
                             QStringLiteral("Attenzione: per salvare la scheda è necessario indicare %1.")
                                 .arg(QString::fromUtf8(cosa)));
            e->setFocus();
            return;
        }
    }

    try {
        TArchivio a;
        a.ApriOCrea(Testo::taglia(lblFile->text()));
        const bool esistente = !Testo::taglia(lblPosizione->text()).isEmpty();
        const TScheda s = schedaDaControlli();
        if (esistente) {
            qint64 n = 0;
            // A card whose record has gone (the file was shortened elsewhere) is never written as a gap.
            if (!numeroScheda(lblPosizione, n) || n < 1 || n > a.NumeroSchede())
                throw EArchivio();
            a.Posiziona(n - 1);
            a.Scrivi(s);
            lblPosizione->setText(QString::number(a.Posizione()));
        } else {
            lblPosizione->setText(QString::number(a.Accoda(s)));
        }
        a.Chiudi();
        SalvaFotoScheda(*this);
        Messaggi::informazione(
            this, esistente ? QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                             "state salvate in archivio.")
                            : QStringLiteral("La scheda corrente è stata inserita in archivio."));
    } catch (const EArchivio&) {
        Messaggi::errore(this, MessaggioErroreArchivio());
    }
}

// --- Other windows -----------------------------------------------------------------------------------

void TfrmCartoline::cmdTrovaClick() {
    TfrmTrovaCartoline finestra(this);
    finestra.lblMemory->setText(QStringLiteral("cartoline"));
    finestra.exec();
}

void TfrmCartoline::cmdCercaDisponibiliClick() {
    TfrmInVendita finestra(this);
    finestra.exec();
}

void TfrmCartoline::cmdFileClick() {
    TfrmAllegaCartella finestra(this, this);
    finestra.lblMemory->setText(QStringLiteral("cartoline"));
    finestra.subMostraAllegati({{{lblFile01->text(), lblDesc01->text()},
                                 {lblFile02->text(), lblDesc02->text()},
                                 {lblFile03->text(), lblDesc03->text()}}});
    finestra.exec();
}

void TfrmCartoline::cmdAnteprimaClick() {
    TfrmAnteprimaCartolina finestra(this, *this);
    finestra.exec();
}

void TfrmCartoline::cmdStampaClick() {
    TfrmStampaCartolina finestra(this, *this);
    finestra.exec();
}

void TfrmCartoline::cmdEsportaClick() {
    TfrmExpCartoline finestra(this, archivioAperto());
    finestra.exec();
}

void TfrmCartoline::cmdSlideShowClick() {
    TfrmSlideshow_Euro_01 finestra(this, archivioAperto(), nomeCatalogo());
    finestra.esegui();
}

void TfrmCartoline::cmdGuidaClick() {
    TfrmGuida::mostra(this, Argomento::GestioneArchivio);
}

void TfrmCartoline::impostaAllegati(const AllegatiScheda& a) {
    const std::array<std::pair<QLabel*, QLabel*>, 3> etichette = {
        {{lblFile01, lblDesc01}, {lblFile02, lblDesc02}, {lblFile03, lblDesc03}}};
    for (std::size_t i = 0; i < a.size(); ++i) {
        etichette[i].first->setText(a[i].file);
        etichette[i].second->setText(a[i].descrizione);
    }
}

// --- Field behaviour, hints --------------------------------------------------------------------------

void TfrmCartoline::txtValoreExit() {
    TLunghezzaMassima::impostaTesto(txtValore, NormalizzaImporto(txtValore->text()));
}

bool TfrmCartoline::txtValoreKeyDown(const QKeyEvent* k) {
    switch (k->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return false;
    default:
        break;
    }
    const QString t = k->text();
    const bool ammesso = t.size() == 1 && (t[0] == u',' || (t[0] >= u'0' && t[0] <= u'9')) &&
                         !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    return !ammesso; // true: the key is discarded
}

// The value field's own behaviour: only digits and a comma, normalised when the user leaves it.
bool TfrmCartoline::eventFilter(QObject* o, QEvent* e) {
    if (o != txtValore)
        return TFinestraCatena::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::FocusOut: {
        // A modal box or another application taking the focus is not leaving the field.
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason)
            txtValoreExit();
        break;
    }
    case QEvent::KeyPress:
        return txtValoreKeyDown(static_cast<QKeyEvent*>(e));
    case QEvent::ShortcutOverride:
        // Shortcut keys (paste, undo, ...) are discarded in the value field like any other key.
        if (txtValoreKeyDown(static_cast<QKeyEvent*>(e)))
            e->accept();
        break;
    default:
        break;
    }
    return TFinestraCatena::eventFilter(o, e);
}
