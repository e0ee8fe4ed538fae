#include "output/ExpCartoline.h"

#include "output/Esportazione.h"
#include "output/ModelloEsportazione.h"
#include "storage/Archivio.h"
#include "storage/Formato.h"
#include "storage/Testo.h"
#include "ui/Guida.h"
#include "ui/Messaggi.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressDialog>
#include <QSvgWidget>
#include <QTableView>

#include <memory>

namespace {

const QColor& AltoFinestra = Stile::Colore::AltoEsportazione;
const QColor& RigaAlterna = Stile::Colore::RigaAlterna;
const QColor& GrigliaLinee = Stile::Colore::Sezione;

const QString Domanda =
    QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                   "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString Esportato = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString NonEsportato = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                            "Accertarsi che il file di Excel non sia già aperto.");
const QString TestoIniziale = QStringLiteral("Esportazione archivio in Microsoft Excel.");

constexpr int AltezzaRiga = 21;

TPulsanteImmagine* pulsante(QWidget* p, const char* nome, const char* svg, const QRect& r,
                            const QString& descrizione) {
    auto* b = new TPulsanteImmagine(p, QLatin1String(nome), QStringLiteral(":/output/%1.svg").arg(svg), r,
                                    descrizione);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

// The grid; the edit a user is still typing can be taken into the cell before an export.
class TGriglia : public QTableView {
public:
    using QTableView::QTableView;
    void confermaModifica() {
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

// The hourglass while a large catalogue is read or written.
class TCursoreAttesa {
public:
    TCursoreAttesa() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursoreAttesa() { QGuiApplication::restoreOverrideCursor(); }
    TCursoreAttesa(const TCursoreAttesa&) = delete;
    TCursoreAttesa& operator=(const TCursoreAttesa&) = delete;
};

// Shows how far a long export has gone; a short one ends before anything appears.
class TAvanzamento {
public:
    explicit TAvanzamento(QWidget* finestra) : finestra(finestra) { tempo.start(); }

    void operator()(qsizetype fatte, qsizetype totale) {
        if (!dialogo) {
            if (fatte >= totale || tempo.elapsed() < TfrmExpCartoline::RitardoAvanzamentoMs)
                return;
            dialogo = std::make_unique<QProgressDialog>(finestra);
            dialogo->setObjectName(QStringLiteral("dlgAvanzamento"));
            dialogo->setWindowTitle(QStringLiteral(" Esportazione in corso"));
            dialogo->setLabelText(QStringLiteral("Esportazione delle schede in corso..."));
            dialogo->setAccessibleName(QStringLiteral("Avanzamento dell'esportazione"));
            dialogo->setCancelButton(nullptr); // the export blocks the window until the file is written
            dialogo->setWindowModality(Qt::WindowModal);
            dialogo->setMinimumDuration(0);
            dialogo->setAutoClose(false);
            dialogo->setAutoReset(false);
        }
        // Progress in thousandths keeps the range in an int for any number of rows.
        dialogo->setMaximum(1000);
        dialogo->setValue(totale > 0 ? int(fatte * 1000 / totale) : 1000);
    }

private:
    QWidget* finestra;
    QElapsedTimer tempo;
    std::unique_ptr<QProgressDialog> dialogo;
};

} // namespace

TfrmExpCartoline::TfrmExpCartoline(QWidget* owner, const QString& percorso)
    : QDialog(owner), archivio(percorso) {
    Formato::fissa();
    setObjectName(QStringLiteral("frmExpCartoline"));
    setWindowTitle(QStringLiteral(" Esporta archivio minerali in Excel"));
    // Fixed single border, a caption and no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setFixedSize(862, 560);
    sfondo = new TSfondo(this, AltoFinestra, Qt::white);
    sfondo->setObjectName(QStringLiteral("bkgSfondo"));
    sfondo->setGeometry(rect());
    panContainer = sfondo->pannello(QSize(837, 533));

    shpSfondo = new TRettangolo(panContainer, Qt::white, Qt::white, Stile::Colore::BandaBordo, 4);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setGeometry(8, 8, 821, 66);
    imgLogo = creaImmagine(panContainer, QStringLiteral("imgLogo"), QStringLiteral(":/output/logo.svg"),
                           QRect(14, 11, 480, 60));
    imgLogo->setAccessibleName(QStringLiteral("Esportazione archivio minerali"));
    icoHand = creaImmagine(panContainer, QStringLiteral("icoHand"), QStringLiteral(":/output/mano.svg"),
                           QRect(562, 17, 64, 48));
    cmdEsporta = pulsante(panContainer, "cmdEsporta", "esporta", QRect(632, 13, 56, 56),
                          QStringLiteral("Esporta l'archivio in Excel"));
    cmdGuida = pulsante(panContainer, "cmdGuida", "guida", QRect(704, 13, 56, 56), QStringLiteral("Guida"));
    cmdEsci = pulsante(panContainer, "cmdEsci", "esci", QRect(766, 13, 56, 56), QStringLiteral("Esci"));

    celle = new TModelloEsportazione(this);
    grdRecords = new TGriglia(panContainer);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setAccessibleName(QStringLiteral("Elenco delle schede"));
    grdRecords->setGeometry(8, 80, 821, 409);
    grdRecords->setModel(celle);
    grdRecords->setFont(Stile::verdana(8));
    grdRecords->setWordWrap(false);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette tavolozza = grdRecords->palette();
    tavolozza.setColor(QPalette::Base, Qt::white);
    tavolozza.setColor(QPalette::AlternateBase, RigaAlterna);
    tavolozza.setColor(QPalette::Text, Qt::black);
    grdRecords->setPalette(tavolozza);
    grdRecords->setStyleSheet(
        QStringLiteral("QTableView { gridline-color: %1; }"
                       "QHeaderView::section { background: %2; color: %3; font-weight: bold; border: none;"
                       " border-right: 1px solid %1; border-bottom: 1px solid %1; padding: 0 4px; }")
            .arg(Stile::css(GrigliaLinee), Stile::css(Stile::Colore::BandaFondo),
                 Stile::css(Stile::Colore::Didascalia)));
    // Fixed sizes everywhere: nothing is measured per row, so a whole catalogue opens at once.
    QHeaderView* righe = grdRecords->verticalHeader();
    righe->hide();
    righe->setSectionResizeMode(QHeaderView::Fixed);
    righe->setMinimumSectionSize(1);
    righe->setDefaultSectionSize(AltezzaRiga);
    QHeaderView* colonne = grdRecords->horizontalHeader();
    colonne->setFont(Stile::verdana(8, true));
    colonne->setFixedHeight(AltezzaRiga + 2);
    colonne->setHighlightSections(false);
    colonne->setSectionResizeMode(QHeaderView::Interactive);
    colonne->setStretchLastSection(false);
    for (int c = 0; c < Esportazione::NumeroColonne; ++c)
        colonne->resizeSection(c, Esportazione::colonna(c).larghezza);

    shpInfo = new TBarraStato(panContainer, QRect(8, 495, 821, 30), TestoIniziale);
    panInfo = shpInfo->panInfo;
    shpInfo->suggerimento(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    shpInfo->suggerimento(cmdGuida,
                          QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    shpInfo->suggerimento(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    for (QWidget* w :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(sfondo), panContainer,
          static_cast<QWidget*>(shpSfondo), static_cast<QWidget*>(grdRecords), grdRecords->viewport()})
        shpInfo->sfondo(w);

    connect(cmdEsporta, &QAbstractButton::clicked, this, &TfrmExpCartoline::cmdEsportaClick);
    connect(cmdGuida, &QAbstractButton::clicked, this, &TfrmExpCartoline::cmdGuidaClick);
    connect(cmdEsci, &QAbstractButton::clicked, this, &TfrmExpCartoline::cmdEsciClick);
    setTabOrder(grdRecords, cmdEsporta);
    setTabOrder(cmdEsporta, cmdGuida);
    setTabOrder(cmdGuida, cmdEsci);
}

void TfrmExpCartoline::FormShow() {
    const TCursoreAttesa attesa;
    Esportazione::Griglia righe = Esportazione::grigliaIniziale();
    try {
        TArchivio a;
        a.ApriOCrea(Testo::taglia(archivio));
        Esportazione::riempiGriglia(a, righe);
        a.Chiudi();
    } catch (const std::exception&) {
        // Silent: the grid keeps what was read before the failure, the window stays usable.
    }
    celle->impostaRighe(std::move(righe));
    grdRecords->setFocus();
}

void TfrmExpCartoline::cmdEsportaClick() {
    if (!Messaggi::conferma(this, Domanda))
        return;
    const QString percorso = Esportazione::percorsoFile();
    bool riuscita = false;
    try {
        // A cell still being edited holds what the user sees in it: that is exported too.
        static_cast<TGriglia*>(grdRecords)->confermaModifica();
        const TCursoreAttesa attesa;
        TAvanzamento avanzamento(this);
        riuscita = Esportazione::scrivi(percorso, celle->righe(), std::ref(avanzamento));
    } catch (const std::exception&) {
        riuscita = false;
    }
    if (!riuscita) {
        Messaggi::plain(this, NonEsportato);
        return;
    }
    if (Messaggi::conferma(this, Esportato))
        TMisc::Open(QLatin1Char('"') + percorso + QLatin1Char('"'));
}

void TfrmExpCartoline::cmdGuidaClick() {
    TfrmGuida::mostra(this, Argomento::Esportazione);
}

void TfrmExpCartoline::cmdEsciClick() {
    close();
}

void TfrmExpCartoline::keyPressEvent(QKeyEvent* e) {
    // Only the exit button closes the window; Escape alone does not.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfrmExpCartoline::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (!centrata) {
        centrata = true;
        Stile::centraSulloSchermo(this);
    }
    FormShow();
}
