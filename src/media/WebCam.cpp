#include "WebCam.h"

#include "media/Camera.h"
#include "media/CameraQt.h"
#include "media/DestinazioneFoto.h"
#include "media/Disegni.h"
#include "storage/Formato.h"
#include "storage/Testo.h"
#include "ui/DialoghiFile.h"
#include "ui/RiquadroFoto.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QColor& FondoAlto = Stile::Colore::AltoWebCam;
const QColor& RiquadroAlto = Stile::Colore::RiquadroAlto;
const QColor& RiquadroBasso = Stile::Colore::RiquadroBasso;
constexpr qreal PuntiPulsanti = 10;

constexpr QSize Finestra{807, 405};
constexpr QSize Immagine{366, 274};
constexpr int Cornice = 8; // margin of a picture inside its panel
} // namespace

QImage TfrmWebCam::disegnoWebcam() {
    static const QImage img = disegnaSvg(QStringLiteral(":/media/webcam.svg"), Immagine);
    return img;
}

QImage TfrmWebCam::disegnoFotocamera() {
    static const QImage img = disegnaSvg(QStringLiteral(":/media/fotocamera.svg"), Immagine);
    return img;
}

TfrmWebCam::TfrmWebCam(QWidget* owner, IDestinazioneFoto* editor, std::unique_ptr<ICamera> cam)
    : QDialog(owner), editor(editor), camera(cam ? std::move(cam) : std::make_unique<TCameraQt>()) {
    Formato::fissa();
    setObjectName(QStringLiteral("frmWebCam"));
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));
    // A fixed border and a caption without buttons: the window is left through its own two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(Finestra);

    auto* fondo = new TSfondo(this, FondoAlto, Qt::white);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(fondo);
    QWidget* p = fondo->pannello(Finestra, QStringLiteral("panFinestra"));

    auto riquadro = [p](const char* pannello, const char* nome, int x, const QString& accessibile,
                        TRiquadroFoto*& img) {
        auto* pan = new TRettangolo(p, RiquadroAlto, RiquadroBasso, Stile::Colore::CorniceFoto, 4);
        pan->setObjectName(QLatin1String(pannello));
        pan->setGeometry(x, 16, Immagine.width() + 2 * Cornice, Immagine.height() + 2 * Cornice);
        img = new TRiquadroFoto(pan);
        img->setObjectName(QLatin1String(nome));
        img->setAccessibleName(accessibile);
        img->setGeometry(Cornice, Cornice, Immagine.width(), Immagine.height());
        return pan;
    };
    panCamera = riquadro("panCamera", "imgCamera", 16, QStringLiteral("Immagine della webcam"), imgCamera);
    panTarget = riquadro("panTarget", "imgTarget", 408, QStringLiteral("Foto catturata"), imgTarget);
    imgCamera->impostaFoto(Foto(disegnoWebcam()));
    imgTarget->impostaFoto(Foto(disegnoFotocamera()));
    imgBianco = new TRiquadroFoto(p);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->impostaFoto(Foto(disegnoWebcam()));
    imgBianco->hide();
    lblMemory = Stile::etichettaNascosta(p, QStringLiteral("lblMemory"));

    btnAccendi = pulsante(p, "btnAccendi", QStringLiteral("Accendi webcam"), QRect(16, 312, 382, 34));
    btnSpegni = pulsante(p, "btnSpegni", QStringLiteral("Spegni webcam"), QRect(16, 352, 382, 34));
    btnCattura = pulsante(p, "btnCattura", QStringLiteral("Cattura foto"), QRect(408, 312, 188, 34));
    btnSalvaFotogramma =
        pulsante(p, "btnSalvaFotogramma", QStringLiteral("Salva foto su disco"), QRect(603, 312, 188, 34));
    btnImportaFoto =
        pulsante(p, "btnImportaFoto", QStringLiteral("Importa foto in scheda"), QRect(408, 352, 188, 34));
    btnClose = pulsante(p, "btnClose", QStringLiteral("Annulla"), QRect(603, 352, 188, 34));
    setTabOrder(btnAccendi, btnCattura);
    setTabOrder(btnCattura, btnSalvaFotogramma);
    setTabOrder(btnSalvaFotogramma, btnSpegni);
    setTabOrder(btnSpegni, btnImportaFoto);
    setTabOrder(btnImportaFoto, btnClose);

    connect(btnAccendi, &QPushButton::clicked, this, &TfrmWebCam::btnAccendiClick);
    connect(btnSpegni, &QPushButton::clicked, this, &TfrmWebCam::btnSpegniClick);
    connect(btnCattura, &QPushButton::clicked, this, &TfrmWebCam::btnCatturaClick);
    connect(btnSalvaFotogramma, &QPushButton::clicked, this, &TfrmWebCam::btnSalvaFotogrammaClick);
    connect(btnImportaFoto, &QPushButton::clicked, this, &TfrmWebCam::btnImportaFotoClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmWebCam::btnCloseClick);
    connect(camera.get(), &ICamera::fotogramma, this, &TfrmWebCam::camCameraFotogramma);
}

TfrmWebCam::~TfrmWebCam() {
    camera->ferma();
}

QPushButton* TfrmWebCam::pulsante(QWidget* p, const char* nome, const QString& testo,
                                  const QRect& posizione) {
    auto* b = new QPushButton(testo, p);
    b->setObjectName(QLatin1String(nome));
    b->setAccessibleName(testo);
    b->setFont(Stile::verdana(PuntiPulsanti));
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(false);
    b->setGeometry(posizione);
    return b;
}

void TfrmWebCam::btnAccendiClick() {
    camera->avvia();
}

void TfrmWebCam::btnSpegniClick() {
    camera->ferma();
}

// Runs on the user-interface thread, one frame at a time: the live picture is never touched elsewhere.
void TfrmWebCam::camCameraFotogramma(const QImage& f) {
    if (!f.isNull())
        imgCamera->impostaFoto(Foto(f));
}

void TfrmWebCam::btnCatturaClick() {
    imgTarget->impostaFoto(imgCamera->foto());
}

void TfrmWebCam::btnSalvaFotogrammaClick() {
    DialoghiFile::Opzioni o;
    o.titolo = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    o.filtro = QStringLiteral("File Jpeg (*.jpg)");
    o.estensione = QStringLiteral("jpg");
    o.nomeProposto = QStringLiteral("Foto.jpg");
    o.chiediSovrascrittura = true;
    QString scelto = DialoghiFile::salva(this, o);
    if (scelto.isEmpty())
        return;
    if (QFileInfo(scelto).suffix().isEmpty())
        scelto += QStringLiteral(".jpg");
    // Encoded in the format its extension names; a failure shows no message, only the placeholder.
    if (!imgTarget->foto().salvaCome(scelto))
        imgTarget->impostaFoto(imgBianco->foto());
}

void TfrmWebCam::btnImportaFotoClick() {
    camera->ferma();
    const QString marcatore = Testo::taglia(lblMemory->text());
    if (editor && marcatore == QLatin1String("foto01"))
        editor->impostaFoto(SlotFoto::A, imgTarget->foto());
    else if (editor && marcatore == QLatin1String("foto02"))
        editor->impostaFoto(SlotFoto::B, imgTarget->foto());
    accept();
}

void TfrmWebCam::btnCloseClick() {
    camera->ferma();
    reject();
}

// Every way out (also Escape) leaves the camera off.
void TfrmWebCam::done(int r) {
    camera->ferma();
    QDialog::done(r);
}
