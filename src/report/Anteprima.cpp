#include "Anteprima.h"

#include "Pagine.h"
#include "ui/DialoghiFile.h"
#include "ui/Messaggi.h"

#include <QComboBox>
#include <QDir>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>

namespace Report {
namespace {

// Looks of the preview, kept together.
const QColor ColoreFondo(128, 128, 128);
const QList<int> LivelliZoom = {25, 50, 75, 100, 125, 150, 200, 300, 400};
constexpr int LarghezzaPulsanteZoom = 32;

QPushButton* pulsante(QWidget* parent, const char* nome, const QString& testo, const QString& accessibile) {
    auto* b = new QPushButton(testo, parent);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAccessibleName(accessibile);
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(false);
    return b;
}

} // namespace

Stampa::Lavoro lavoro(const TReport& r) {
    const std::shared_ptr<const PagineReport> pagine = r.preparate();
    Stampa::Lavoro l;
    l.titolo = r.nome();
    for (const PaginaPreparata& p : *pagine)
        l.pagine.append(p.impaginazione());
    l.dipingi = [pagine](QPainter& p, int i, const QRectF& carta) {
        if (i >= 0 && i < pagine->size())
            dipingi(p, pagine->at(i), carta);
    };
    return l;
}

bool stampa(QWidget* parent, const TReport& r) {
    return Stampa::stampa(parent, lavoro(r));
}

void mostraAnteprima(QWidget* parent, const TReport& r, const QString& nomePdf) {
    const Stampa::Lavoro l = lavoro(r);
    if (Stampa::anteprimaSimulata(l))
        return;
    TfrmAnteprimaReport finestra(parent, l, nomePdf);
    finestra.exec();
}

TfrmAnteprimaReport::TfrmAnteprimaReport(QWidget* parent, Stampa::Lavoro l, QString nome)
    : QDialog(parent), job(std::move(l)), nomePdf(std::move(nome)) {
    setObjectName(QStringLiteral("frmAnteprimaReport"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa - ") + job.titolo);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1000, 760);

    auto* barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("panComandi"));
    auto* comandi = new QHBoxLayout(barra);
    comandi->setContentsMargins(8, 6, 8, 6);
    btnStampa = pulsante(barra, "btnStampa", QStringLiteral("Stampa..."), QStringLiteral("Stampa"));
    btnSalvaPdf =
        pulsante(barra, "btnSalvaPdf", QStringLiteral("Salva come PDF..."), QStringLiteral("Salva come PDF"));
    btnRiduci = pulsante(barra, "btnRiduci", QStringLiteral("-"), QStringLiteral("Riduci lo zoom"));
    btnIngrandisci =
        pulsante(barra, "btnIngrandisci", QStringLiteral("+"), QStringLiteral("Aumenta lo zoom"));
    cmbZoom = new QComboBox(barra);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    cmbZoom->setAccessibleName(QStringLiteral("Zoom"));
    for (int z : LivelliZoom)
        cmbZoom->addItem(QStringLiteral("%1 %").arg(z), z);
    btnSchermoIntero = pulsante(barra, "btnSchermoIntero", QStringLiteral("Schermo intero"),
                                QStringLiteral("Schermo intero"));
    btnSchermoIntero->setCheckable(true);
    btnChiudi = pulsante(barra, "btnChiudi", QStringLiteral("Chiudi"), QStringLiteral("Chiudi"));
    lblPagine = new QLabel(barra);
    lblPagine->setObjectName(QStringLiteral("lblPagine"));
    lblPagine->setText(QStringLiteral("Pagine: %1").arg(job.numeroPagine()));
    for (QWidget* w : {static_cast<QWidget*>(btnStampa), static_cast<QWidget*>(btnSalvaPdf)})
        comandi->addWidget(w);
    comandi->addSpacing(16);
    for (QWidget* w : {static_cast<QWidget*>(btnRiduci), static_cast<QWidget*>(cmbZoom),
                       static_cast<QWidget*>(btnIngrandisci), static_cast<QWidget*>(btnSchermoIntero)})
        comandi->addWidget(w);
    comandi->addSpacing(16);
    comandi->addWidget(lblPagine);
    comandi->addStretch();
    comandi->addWidget(btnChiudi);

    scrPagine = new QScrollArea(this);
    scrPagine->setObjectName(QStringLiteral("scrPagine"));
    scrPagine->setAccessibleName(QStringLiteral("Pagine del documento"));
    scrPagine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scrPagine->setWidgetResizable(true);
    auto* contenuto = new QWidget;
    contenuto->setObjectName(QStringLiteral("panPagine"));
    QPalette pal = contenuto->palette();
    pal.setColor(QPalette::Window, ColoreFondo);
    contenuto->setPalette(pal);
    contenuto->setAutoFillBackground(true);
    colonna = new QVBoxLayout(contenuto);
    colonna->setSpacing(16);
    colonna->setContentsMargins(16, 16, 16, 16);
    for (int i = 0; i < job.numeroPagine(); ++i) {
        auto* foglio = new QLabel(contenuto);
        foglio->setObjectName(QStringLiteral("imgPagina%1").arg(i + 1));
        foglio->setAccessibleName(QStringLiteral("Pagina %1 di %2").arg(i + 1).arg(job.numeroPagine()));
        foglio->setTextInteractionFlags(Qt::NoTextInteraction);
        auto* ombra = new QGraphicsDropShadowEffect(foglio);
        ombra->setBlurRadius(12);
        ombra->setOffset(3, 3);
        foglio->setGraphicsEffect(ombra);
        colonna->addWidget(foglio, 0, Qt::AlignHCenter);
        fogli.append(foglio);
    }
    colonna->addStretch();
    scrPagine->setWidget(contenuto);

    auto* finestra = new QVBoxLayout(this);
    finestra->setContentsMargins(0, 0, 0, 0);
    finestra->setSpacing(0);
    finestra->addWidget(barra);
    finestra->addWidget(scrPagine, 1);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmAnteprimaReport::btnStampaClick);
    connect(btnSalvaPdf, &QPushButton::clicked, this, &TfrmAnteprimaReport::btnSalvaPdfClick);
    connect(btnSchermoIntero, &QPushButton::clicked, this, &TfrmAnteprimaReport::btnSchermoInteroClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnRiduci, &QPushButton::clicked, this, [this] {
        for (qsizetype i = LivelliZoom.size() - 1; i >= 0; --i)
            if (LivelliZoom[i] < percento)
                return impostaZoom(LivelliZoom[i]);
    });
    connect(btnIngrandisci, &QPushButton::clicked, this, [this] {
        for (int z : LivelliZoom)
            if (z > percento)
                return impostaZoom(z);
    });
    connect(cmbZoom, &QComboBox::activated, this,
            [this](int i) { impostaZoom(cmbZoom->itemData(i).toInt()); });
    impostaZoom(100);
}

void TfrmAnteprimaReport::impostaZoom(int z) {
    percento = std::clamp(z, LivelliZoom.constFirst(), LivelliZoom.constLast());
    const int i = cmbZoom->findData(percento);
    if (i >= 0)
        cmbZoom->setCurrentIndex(i);
    btnRiduci->setEnabled(percento > LivelliZoom.constFirst());
    btnIngrandisci->setEnabled(percento < LivelliZoom.constLast());
    disegnaPagine();
}

void TfrmAnteprimaReport::disegnaPagine() {
    // At 100 % one unit of the report (1/96 inch) is one logical pixel of the screen.
    const qreal rapporto = devicePixelRatioF();
    for (int i = 0; i < fogli.size(); ++i) {
        QImage img = Stampa::immagine(job, i, 96.0 * percento / 100.0 * rapporto);
        img.setDevicePixelRatio(rapporto);
        fogli[i]->setPixmap(QPixmap::fromImage(img));
        fogli[i]->setFixedSize((QSizeF(img.size()) / rapporto).toSize());
    }
}

void TfrmAnteprimaReport::btnStampaClick() {
    Stampa::stampa(this, job);
}

void TfrmAnteprimaReport::btnSalvaPdfClick() {
    DialoghiFile::Opzioni o;
    o.titolo = QStringLiteral("Salva come PDF");
    o.filtro = QStringLiteral("Documento PDF (*.pdf)");
    o.estensione = QStringLiteral("pdf");
    o.nomeProposto = nomePdf.isEmpty() ? job.titolo + QStringLiteral(".pdf") : nomePdf;
    o.cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (o.cartella.isEmpty() || !QDir(o.cartella).exists())
        o.cartella = QDir::homePath();
    const QString percorso = DialoghiFile::salva(this, o);
    if (percorso.isEmpty())
        return;
    if (!Stampa::salvaPdf(percorso, job))
        Messaggi::avviso(this, QStringLiteral("Attenzione: non è stato possibile salvare il file PDF:\n") +
                                   QDir::toNativeSeparators(percorso));
}

void TfrmAnteprimaReport::btnSchermoInteroClick() {
    if (isFullScreen()) {
        showNormal();
        btnSchermoIntero->setChecked(false);
    } else {
        showFullScreen();
        btnSchermoIntero->setChecked(true);
    }
}

} // namespace Report
