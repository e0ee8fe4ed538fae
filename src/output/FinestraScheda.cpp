#include "FinestraScheda.h"

#include "SchedaMinerale.h"
#include "report/Modello.h"
#include "storage/Formato.h"
#include "storage/Testo.h"
#include "ui/Messaggi.h"
#include "ui/RiquadroFoto.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

// Looks of the two windows, kept together.
constexpr QSize AreaCliente(364, 287);
constexpr QRect PosizioneSfondo(18, 18, 326, 215);
constexpr QRect PosizioneAnnulla(18, 243, 145, 28);
constexpr QRect PosizioneStampa(200, 243, 145, 28);
constexpr QSize DimensioneSegnaposto(297, 184);
const QColor& TitoloInformazione = Stile::Colore::Didascalia;
const QColor& TestoInformazione = Stile::Colore::TestoInformazione;
const QColor& SegnoInformazione = Stile::Colore::BluSteel;

QPushButton* pulsante(QWidget* parent, const char* nome, const QString& testo, const QRect& posizione) {
    auto* b = new QPushButton(testo, parent);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAccessibleName(testo);
    b->setFont(Stile::verdana(9));
    b->setCursor(Qt::PointingHandCursor);
    b->setGeometry(posizione);
    b->setAutoDefault(false);
    return b;
}

TRiquadroFoto* fotoNascosta(QWidget* parent, const char* nome, QSize dimensione) {
    auto* f = new TRiquadroFoto(parent);
    f->setObjectName(QString::fromLatin1(nome));
    f->resize(dimensione);
    f->hide();
    return f;
}

QImage segnaposto() {
    QImage img(DimensioneSegnaposto, QImage::Format_RGB32);
    img.fill(Qt::white);
    QSvgRenderer disegno(QStringLiteral(":/report/euro.svg"));
    QPainter p(&img);
    disegno.render(&p, QRectF(QPointF(0, 0), QSizeF(DimensioneSegnaposto)));
    return img;
}

} // namespace

TFinestraScheda::TFinestraScheda(QWidget* owner, const ISchedaInStampa& s, const QString& nome,
                                 const QString& titolo, const QString& testoPulsante, QString messaggioErrore)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), scheda(s),
      modello(SchedaMinerale::crea()), messaggio(std::move(messaggioErrore)) {
    Formato::fissa();
    setObjectName(nome);
    setWindowTitle(titolo);
    setFixedSize(AreaCliente);
    fondo = new TSfondo(this);
    fondo->setObjectName(QStringLiteral("bkgSfondo"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(fondo);
    QWidget* p = fondo->pannello(AreaCliente);

    shpSfondo = new QWidget(p);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setGeometry(PosizioneSfondo);
    shpSfondo->setAutoFillBackground(true);
    QPalette bianco = shpSfondo->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    shpSfondo->setPalette(bianco);

    btnAnnulla = pulsante(p, "btnAnnulla", QStringLiteral("Annulla"), PosizioneAnnulla);
    btnStampa = pulsante(p, "btnStampa", testoPulsante, PosizioneStampa);
    imgLogo = fotoNascosta(p, "imgLogo", QSize(188, 121));
    imgTemp = fotoNascosta(p, "imgTemp", DimensioneSegnaposto);
    imgTemp->impostaFoto(Foto(segnaposto()));

    connect(btnAnnulla, &QPushButton::clicked, this, &TFinestraScheda::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TFinestraScheda::btnStampaClick);
}

TFinestraScheda::~TFinestraScheda() = default;

void TFinestraScheda::showEvent(QShowEvent* e) {
    if (!centrata && parentWidget()) {
        const QRect editor = parentWidget()->window()->frameGeometry();
        move(editor.center() - QPoint(width() / 2, height() / 2));
        centrata = true;
    }
    if (!e->spontaneous())
        FormShow();
    QDialog::showEvent(e);
}

void TFinestraScheda::FormShow() {
    const QImage mostrata = scheda.fotoMostrata();
    QImage copia = mostrata.copy();
    // The copy fails only where memory runs short; the sheet then carries the placeholder.
    if (!mostrata.isNull() && copia.isNull())
        copia = imgTemp->foto().immagine();
    imgLogo->impostaFoto(Foto(copia));
}

void TFinestraScheda::btnStampaClick() {
    try {
        modello->trova<Report::Pagina>(QStringLiteral("Page1")).impostaOrientamento(QPageLayout::Portrait);
        modello->trova<Report::Immagine>(QStringLiteral("imgLogo"))
            .impostaImmagine(imgLogo->foto().immagine());
        modello->trova<Report::Testo>(QStringLiteral("txtTitolo"))
            .impostaTesto(Testo::taglia(scheda.testoCampo(Campo::Titolo)));
        modello->trova<Report::Testo>(QStringLiteral("txtNome"))
            .impostaTesto(Testo::taglia(scheda.nomeArchivio()));
        for (Campo c : {Campo::Tipologia,    Campo::Editore,  Campo::Serie,        Campo::Descrizione,
                        Campo::Anno,         Campo::Valore,   Campo::Dimensioni,   Campo::Carta,
                        Campo::Rarita,       Campo::Mittente, Campo::IndirizzoMit, Campo::Destinatario,
                        Campo::IndirizzoDes, Campo::Testo,    Campo::Data,         Campo::Francobollo,
                        Campo::Timbro,       Campo::Stato,    Campo::Luogo,        Campo::Note})
            modello->trova<Report::Testo>(SchedaMinerale::nomeCasella(c))
                .impostaTesto(Testo::taglia(scheda.testoCampo(c)));
        modello->prepara();
        consegna(*modello);
    } catch (const std::exception&) {
        Messaggi::avviso(this, messaggio);
    }
    accept();
}

void TFinestraScheda::btnAnnullaClick() {
    reject();
}

QString TFinestraScheda::nomePdf() const {
    QString nome = Testo::taglia(scheda.testoCampo(Campo::Titolo));
    // Characters no file system takes in a name, and control characters, become blanks.
    for (QChar& c : nome)
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = u' ';
    nome = nome.simplified();
    return nome.isEmpty() ? QStringLiteral("Scheda Minerale.pdf")
                          : QStringLiteral("Scheda Minerale - ") + nome + QStringLiteral(".pdf");
}

TInformazione::TInformazione(QWidget* parent, const QString& nome, const QRect& posizione, QString t,
                             QStringList f)
    : QWidget(parent), titolo(std::move(t)), frasi(std::move(f)) {
    setObjectName(nome);
    setGeometry(posizione);
    setAccessibleName(titolo + QStringLiteral(". ") + frasi.join(u' '));
}

void TInformazione::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    int x = 0;
    if (!titolo.isEmpty()) {
        // The information sign beside the heading.
        const QRectF segno(1, 1, 22, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(SegnoInformazione);
        p.drawEllipse(segno);
        p.setPen(Qt::white);
        p.setFont(Stile::verdana(11, true));
        p.drawText(segno, Qt::AlignCenter, QStringLiteral("i"));
        x = 30;
        p.setPen(TitoloInformazione);
        p.setFont(Stile::verdana(10, true));
        p.drawText(QRect(x, 0, width() - x, 24), Qt::AlignLeft | Qt::AlignVCenter, titolo);
    }
    p.setPen(TestoInformazione);
    p.setFont(Stile::verdana(8));
    int y = titolo.isEmpty() ? 0 : 30;
    for (const QString& frase : frasi) {
        const QRect spazio(x, y, width() - x, height() - y);
        const QRect usato = p.boundingRect(spazio, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, frase);
        p.drawText(spazio, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, frase);
        y += usato.height() + 6;
    }
}
