#include "search/FinestraElenco.h"

#include "search/EditorElenco.h"
#include "search/Elenco.h"
#include "search/Etichette.h"
#include "search/ModelloElenco.h"
#include "search/StampaElenco.h"
#include "storage/Archivio.h"
#include "storage/Testo.h"
#include "ui/Istruzioni.h"
#include "ui/Messaggi.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int LarghezzaRiga = 1600;

bool eInvio(QEvent* e) {
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

} // namespace

TRettangolo* creaPannello(QWidget* sfondo, const QString& nome) {
    auto* p = new TRettangolo(sfondo, Stile::Colore::PannelloAlto, Stile::Colore::PannelloBasso,
                              Stile::Colore::PannelloBordo, 8);
    p->setObjectName(nome);
    p->setGeometry((sfondo->width() - 833) / 2, (sfondo->height() - 529) / 2, 833, 529);
    return p;
}

TFinestraElenco::TFinestraElenco(QWidget* proprietario, IEditorElenco* e, const QString& nome,
                                 const QString& titolo)
    : QDialog(proprietario), editor(e) {
    setObjectName(nome);
    setWindowTitle(titolo);
    // Fixed single border, a caption and no title-bar buttons at all.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setFixedSize(862, 560);
    sfondo = new TSfondo(this, Stile::Colore::BluSteel, Qt::white);
    sfondo->setObjectName(QStringLiteral("bkgSfondo"));
    sfondo->setGeometry(rect());
    elenco = new TModelloElenco(this);
}

void TFinestraElenco::costruisciElenco(QWidget* p) {
    creaImmagine(p, QStringLiteral("imgLogo"), QStringLiteral(":/search/banner.svg"), QRect(8, 8, 817, 53),
                 QStringLiteral("Geodario"));
    auto* istruzioni = new TIstruzioni(
        p, QStringLiteral("icoIstruzioni01"),
        QStringLiteral("Digitare una o più parole consecutive contenute nella riga cercata e premere "
                       "Trova. Premere di nuovo Trova per passare alla riga successiva che contiene le "
                       "stesse parole."));
    istruzioni->setGeometry(16, 70, 801, 46);
    creaImmagine(p, QStringLiteral("imgLente"), QStringLiteral(":/search/lente.svg"), QRect(64, 124, 34, 34),
                 QStringLiteral("Lente d'ingrandimento"));

    txtTrova = new QLineEdit(p);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setAccessibleName(QStringLiteral("Trova"));
    txtTrova->setFont(Stile::verdana(12, true));
    txtTrova->setGeometry(107, 130, 593, 22);
    btnTrova = new QPushButton(QStringLiteral("Trova"), p);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setGeometry(712, 126, 105, 30);

    lstRecords = new QListView(p);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setAccessibleName(QStringLiteral("Elenco delle schede"));
    lstRecords->setGeometry(16, 166, 801, 273);
    lstRecords->setModel(elenco);
    lstRecords->setFont(elenco->carattere());
    lstRecords->setUniformItemSizes(true);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setTextElideMode(Qt::ElideNone);
    lstRecords->setWordWrap(false);
    lstRecords->setStyleSheet(QStringLiteral("QListView { background: white; color: black; }"));
    lstRecords->viewport()->installEventFilter(this);

    lblRigo03 = Stile::etichetta(
        p, QStringLiteral("lblRigo03"),
        QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
        Stile::verdana(10, true), Stile::Colore::Richiamo, QRect(16, 446, 801, 22), Qt::AlignCenter);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), p);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(16, 484, 150, 30);
    btnStampa = new QPushButton(QStringLiteral("Stampa"), p);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setGeometry(667, 484, 150, 30);
    btnEtichette = new QPushButton(QStringLiteral("Etichette"), p);
    btnEtichette->setObjectName(QStringLiteral("btnEtichette"));
    btnEtichette->setGeometry(507, 484, 150, 30);
    btnEtichette->setToolTip(
        QStringLiteral("Stampa un'etichetta con il numero di scheda per ogni campione in elenco."));

    for (QPushButton* b : {btnTrova, btnChiudi, btnStampa, btnEtichette})
        pulsanteConInvio(b);
    txtTrova->installEventFilter(this);

    connect(btnTrova, &QPushButton::clicked, this, &TFinestraElenco::btnTrovaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TFinestraElenco::btnChiudiClick);
    connect(btnStampa, &QPushButton::clicked, this, &TFinestraElenco::btnStampaClick);
    connect(btnEtichette, &QPushButton::clicked, this, &TFinestraElenco::btnEtichetteClick);
}

void TFinestraElenco::pulsanteConInvio(QPushButton* b) {
    b->setFont(Stile::verdana(9, true));
    b->setAccessibleName(b->text());
    b->setAutoDefault(false);
    b->setDefault(false);
    b->installEventFilter(this);
}

QString TFinestraElenco::percorsoArchivio() const {
    return editor ? editor->archivioAperto() : QString();
}

void TFinestraElenco::mostraRighe(QStringList righe) {
    elenco->impostaLarghezza(LarghezzaRiga);
    elenco->impostaRighe(std::move(righe));
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TFinestraElenco::svuotaRicerca() {
    ultimoTermine.clear();
    txtTrova->clear();
}

void TFinestraElenco::btnTrovaClick() {
    const QStringList& righe = elenco->righe();
    if (righe.isEmpty()) {
        Messaggi::plain(this, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const auto selezionate = lstRecords->selectionModel()->selectedRows();
    const int prima = selezionate.isEmpty() ? -1 : selezionate.first().row();
    const int dopo = subTrovaInElenco(righe, prima, txtTrova->text(), ultimoTermine);
    if (dopo >= 0 && dopo != prima) {
        lstRecords->setCurrentIndex(elenco->index(dopo));
        lstRecords->scrollTo(elenco->index(dopo));
    }
}

void TFinestraElenco::lstRecordsDblClick() {
    const auto selezionate = lstRecords->selectionModel()->selectedRows();
    // Any failure, no line chosen included, only closes the window.
    if (!selezionate.isEmpty()) {
        try {
            subApriScheda(elenco->righe().at(selezionate.first().row()));
        } catch (const std::exception&) {
        }
    }
    chiudi();
}

void TFinestraElenco::subApriScheda(const QString& riga) {
    TArchivio archivio;
    archivio.ApriOCrea(percorsoArchivio());
    const bool consegna = consegnaAllEditor();
    // Every equal card is handed over in turn, so the editor ends with the last one in the file.
    schedeConRiga(archivio, riga, [&](const TScheda& r, qint64 n) {
        if (consegna)
            editor->subMostraScheda(r, n);
    });
    archivio.Chiudi();
}

void TFinestraElenco::btnStampaClick() {
    StampaElenco::stampa(this, titoloStampa(), elenco->righe());
}

void TFinestraElenco::btnEtichetteClick() {
    Etichette::stampa(this, percorsoArchivio(), editor ? editor->nomeCatalogo() : QString(), elenco->righe());
}

void TFinestraElenco::btnChiudiClick() {
    chiudi();
}

void TFinestraElenco::chiudi() {
    elenco->svuota();
    accept();
}

bool TFinestraElenco::eventFilter(QObject* o, QEvent* e) {
    if (o == lstRecords->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        lstRecordsDblClick();
        return true;
    }
    if (eInvio(e)) {
        if (o == txtTrova) {
            btnTrova->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (auto* b = qobject_cast<QPushButton*>(o); b && b->window() == this) {
            b->click();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFinestraElenco::keyPressEvent(QKeyEvent* e) {
    // Neither Escape nor Enter closes or confirms these windows; only their buttons do.
    if (e->key() == Qt::Key_Escape || eInvio(e)) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFinestraElenco::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (!centrata) {
        centrata = true;
        Stile::centraSulloSchermo(this);
    }
    FormShow();
}
