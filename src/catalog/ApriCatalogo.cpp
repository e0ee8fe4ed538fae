#include "ApriCatalogo.h"

#include "Cataloghi.h"
#include "storage/CartellaProgramma.h"
#include "ui/Guida.h"
#include "ui/Messaggi.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Stile.h"

#include <QLabel>
#include <QListWidget>

namespace {
const QString apriElencoVuoto = QStringLiteral("Attenzione: l'elenco non contiene nessun archivio.");
const QString apriNessunaScelta =
    QStringLiteral("Attenzione: selezionare l'archivio di campioni mineralogici "
                   "dall'elenco prima di premere il pulsante Apri archivio.");
const QString eliminaElencoVuoto =
    QStringLiteral("Attenzione: l'elenco non contiene nessun archivio di campioni mineralogici.");
const QString eliminaNessunaScelta = QStringLiteral(
    "Attenzione: selezionare dall'elenco l'archivio da eliminare prima di premere il pulsante del cestino.");
const QString eliminaDomanda =
    QStringLiteral("Si sta per eliminare l'archivio di campioni mineralogici selezionato. Si ricorda che il "
                   "file eliminato non "
                   "potrà essere recuperato.\r\n\r\nSi conferma l'eliminazione dell'archivio?");
const QString eliminato =
    QStringLiteral("L'archivio di campioni mineralogici è stato eliminato con successo.");
const QString nonEliminato = QStringLiteral(
    "Impossibile eliminare l'archivio di campioni mineralogici selezionato.\r\n\r\nIl file potrebbe essere "
    "aperto in un altro programma oppure la cartella del programma non consente la modifica.");
} // namespace

TfrmApriCatalogo::TfrmApriCatalogo()
    : TFinestraCatena(QStringLiteral("frmApriCatalogo"),
                      QStringLiteral(" Geodario - Apertura archivio minerali"), true) {
    QWidget* p = sfondo()->pannello(Stile::PannelloCatena);
    shpTop = creaBanda(p, QStringLiteral("shpTop"), QRect(10, 10, 975, 200));
    shpElenco = creaBanda(p, QStringLiteral("shpElenco"), QRect(10, 222, 975, 360));
    shpBottom = creaBanda(p, QStringLiteral("shpBottom"), QRect(10, 594, 975, 88));

    icoIcona04 = creaImmagine(p, QStringLiteral("icoIcona04"), QStringLiteral(":/catalog/collezione.svg"),
                              QRect(25, 22, 190, 176));
    icoIstruzioni = creaImmagine(p, QStringLiteral("icoIstruzioni"),
                                 QStringLiteral(":/catalog/istruzioni_apri.svg"), QRect(225, 20, 690, 180));
    imgGuida =
        new TPulsanteImmagine(p, QStringLiteral("imgGuida"), QStringLiteral(":/catalog/guida.svg"),
                              QRect(929, 24, 44, 44), QStringLiteral("Guida: creazione e apertura archivi"));

    icoMano = creaImmagine(p, QStringLiteral("icoMano"), QStringLiteral(":/catalog/mano.svg"),
                           QRect(36, 250, 130, 96));
    lstFiles = new QListWidget(p);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setAccessibleName(QStringLiteral("Elenco degli archivi"));
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFiles->setUniformItemSizes(true);
    lstFiles->setFont(Stile::courierNew(14));
    lstFiles->setGeometry(180, 242, 640, 276);
    lstFiles->setStyleSheet(
        QStringLiteral(
            "QListWidget { color: black; background: white; border: 2px solid %1; border-radius: 4px; "
            "outline: none; padding: 4px; }"
            "QListWidget::item { padding: 3px 6px; border: none; background: white; color: black; }"
            "QListWidget::item:selected { background: %2; color: white; }")
            .arg(Stile::css(Stile::Colore::CampoBordo), Stile::css(Stile::Colore::Selezione)));
    btnElimina =
        new TPulsanteImmagine(p, QStringLiteral("btnElimina"), QStringLiteral(":/catalog/cestino.svg"),
                              QRect(852, 250, 96, 110), QStringLiteral("Elimina l'archivio selezionato"));
    lblCreati = Stile::etichetta(p, QStringLiteral("lblCreati"), Cataloghi::rigaConteggio(0),
                                 Stile::verdana(12), Stile::Colore::Conferma, QRect(180, 530, 760, 30));
    lblFile = Stile::etichettaNascosta(p, QStringLiteral("lblFile"));
    lblMemory = Stile::etichettaNascosta(p, QStringLiteral("lblMemory"));

    btnApri = new TPulsanteImmagine(p, QStringLiteral("btnApri"), QStringLiteral(":/catalog/apri.svg"),
                                    QRect(172, 604, 310, 68), QStringLiteral("APRI ARCHIVIO"));
    btnApri->impostaTesto(QStringLiteral("APRI ARCHIVIO"), 60);
    btnAnnulla =
        new TPulsanteImmagine(p, QStringLiteral("btnAnnulla"), QStringLiteral(":/catalog/annulla.svg"),
                              QRect(512, 604, 310, 68), QStringLiteral("ANNULLA"));
    btnAnnulla->impostaTesto(QStringLiteral("ANNULLA"), 60);

    connect(btnApri, &QAbstractButton::clicked, this, &TfrmApriCatalogo::btnApriClick);
    connect(btnAnnulla, &QAbstractButton::clicked, this, &QWidget::close);
    connect(btnElimina, &QAbstractButton::clicked, this, &TfrmApriCatalogo::btnEliminaClick);
    connect(imgGuida, &QAbstractButton::clicked, this, &TfrmApriCatalogo::imgGuidaClick);
    setTabOrder(lstFiles, btnApri);
    setTabOrder(btnApri, btnAnnulla);
    setTabOrder(btnAnnulla, btnElimina);
    setTabOrder(btnElimina, imgGuida);
}

void TfrmApriCatalogo::FormShow() {
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->setText(CartellaProgramma());
    scelta.clear();
    subElenca();
    lstFiles->setFocus();
}

void TfrmApriCatalogo::subElenca() {
    lstFiles->clear();
    lstFiles->addItems(Cataloghi::elenca());
    lstFiles->setCurrentRow(-1);
    lstFiles->clearSelection();
    // Also for an empty list, so that the line never counts catalogues that are gone.
    lblCreati->setText(Cataloghi::rigaConteggio(lstFiles->count()));
}

QString TfrmApriCatalogo::voceSelezionata() const {
    const auto voci = lstFiles->selectedItems();
    return voci.isEmpty() ? QString() : voci.first()->text();
}

void TfrmApriCatalogo::btnApriClick() {
    if (lstFiles->count() == 0) {
        Messaggi::avviso(this, apriElencoVuoto);
        return;
    }
    const QString voce = voceSelezionata();
    if (voce.isEmpty()) {
        Messaggi::avviso(this, apriNessunaScelta);
        return;
    }
    scelta = voce;
    lblFile->setText(Cataloghi::percorsoArchivio(voce));
    lblMemory->setText(QStringLiteral("cartoline"));
    close();
}

void TfrmApriCatalogo::btnEliminaClick() {
    if (lstFiles->count() == 0) {
        Messaggi::avviso(this, eliminaElencoVuoto);
        return;
    }
    const QString voce = voceSelezionata();
    if (voce.isEmpty()) {
        Messaggi::avviso(this, eliminaNessunaScelta);
        return;
    }
    if (!Messaggi::conferma(this, eliminaDomanda))
        return;
    lblFile->setText(Cataloghi::percorsoArchivio(voce));
    if (Cataloghi::elimina(lblFile->text()))
        Messaggi::informazione(this, eliminato);
    else
        Messaggi::errore(this, nonEliminato);
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->clear();
    subElenca();
}

void TfrmApriCatalogo::imgGuidaClick() {
    TfrmGuida::mostra(this, Argomento::CreazioneApertura);
}
