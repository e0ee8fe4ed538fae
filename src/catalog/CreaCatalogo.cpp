#include "CreaCatalogo.h"

#include "Cataloghi.h"
#include "storage/Formato.h"
#include "ui/Guida.h"
#include "ui/Messaggi.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Stile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString testoNomeVuoto = QStringLiteral(
    "Attenzione: per creare l'archivio di campioni mineralogici è necessario indicarne il nome.");
const QString testoNomeUsato = QStringLiteral(
    "Attenzione: il nome dell'archivio di campioni mineralogici indicato è già stato utilizzato in "
    "precedenza.\r\n\r\nInserire un nome diverso oppure, se si desidera aprire un archivio di minerali già "
    "creato, premere il pulsante Apri archivio esistente.");
const QString testoCreato = QStringLiteral(
    "Il file relativo al nuovo archivio di campioni mineralogici è stato creato con successo.\r\n\r\nE' ora "
    "possibile visualizzarlo nell'elenco degli archivi esistenti.");
} // namespace

TfrmCreaCatalogo::TfrmCreaCatalogo()
    : TFinestraCatena(QStringLiteral("frmCreaCatalogo"),
                      QStringLiteral(" Geodario - Creazione archivio minerali"), true) {
    Formato::fissa();
    QWidget* p = sfondo()->pannello(Stile::PannelloCatena);
    shpTop = creaBanda(p, QStringLiteral("shpTop"), QRect(10, 10, 975, 220));
    shpNome = creaBanda(p, QStringLiteral("shpNome"), QRect(10, 245, 975, 200));
    shpBottom = creaBanda(p, QStringLiteral("shpBottom"), QRect(10, 460, 975, 222));

    icoIcona02 = creaImmagine(p, QStringLiteral("icoIcona02"), QStringLiteral(":/catalog/nuovo.svg"),
                              QRect(30, 35, 170, 170));
    icoIstruzioni = creaImmagine(p, QStringLiteral("icoIstruzioni"),
                                 QStringLiteral(":/catalog/istruzioni_crea.svg"), QRect(215, 25, 700, 190));
    imgGuida =
        new TPulsanteImmagine(p, QStringLiteral("imgGuida"), QStringLiteral(":/catalog/guida.svg"),
                              QRect(929, 24, 44, 44), QStringLiteral("Guida: creazione e apertura archivi"));

    icoMano = creaImmagine(p, QStringLiteral("icoMano"), QStringLiteral(":/catalog/mano.svg"),
                           QRect(40, 300, 130, 96));
    lblNomeArchivio =
        Stile::etichetta(p, QStringLiteral("lblNomeArchivio"),
                         QStringLiteral("Nome del nuovo archivio di campioni mineralogici"),
                         Stile::verdana(12, true), Stile::Colore::DidascaliaScura, QRect(192, 282, 760, 28));
    txtFile = new QLineEdit(p);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setAccessibleName(QStringLiteral("Nome del nuovo archivio"));
    txtFile->setFont(Stile::verdana(16, true));
    txtFile->setMaxLength(250);
    txtFile->setGeometry(190, 318, 760, 56);
    txtFile->setTextMargins(10, 0, 10, 0);
    lblNomeArchivio->setBuddy(txtFile);
    lblFile = Stile::etichettaNascosta(p, QStringLiteral("lblFile"));

    icoIcona04 = creaImmagine(p, QStringLiteral("icoIcona04"), QStringLiteral(":/catalog/collezione.svg"),
                              QRect(40, 482, 200, 180));
    btnApplica =
        new TPulsanteImmagine(p, QStringLiteral("btnApplica"), QStringLiteral(":/catalog/applica.svg"),
                              QRect(300, 540, 310, 68), QStringLiteral("APPLICA E CHIUDI"));
    btnApplica->impostaTesto(QStringLiteral("APPLICA E CHIUDI"), 60);
    btnAnnulla =
        new TPulsanteImmagine(p, QStringLiteral("btnAnnulla"), QStringLiteral(":/catalog/annulla.svg"),
                              QRect(640, 540, 310, 68), QStringLiteral("ANNULLA"));
    btnAnnulla->impostaTesto(QStringLiteral("ANNULLA"), 60);

    Stile::evidenziaCampo(txtFile, 2, 4, 0);
    txtFile->installEventFilter(this);
    connect(btnApplica, &QAbstractButton::clicked, this, &TfrmCreaCatalogo::btnApplicaClick);
    connect(btnAnnulla, &QAbstractButton::clicked, this, &QWidget::close);
    connect(imgGuida, &QAbstractButton::clicked, this, &TfrmCreaCatalogo::imgGuidaClick);
    setTabOrder(txtFile, btnApplica);
    setTabOrder(btnApplica, btnAnnulla);
    setTabOrder(btnAnnulla, imgGuida);
}

void TfrmCreaCatalogo::FormShow() {
    txtFile->clear();
    txtFile->setFocus();
}

void TfrmCreaCatalogo::btnApplicaClick() {
    lblFile->clear();
    const Cataloghi::Creazione c = Cataloghi::crea(txtFile->text());
    lblFile->setText(c.percorso);
    switch (c.esito) {
    case Cataloghi::Esito::NomeVuoto:
        Messaggi::avviso(this, testoNomeVuoto);
        txtFile->setFocus();
        return;
    case Cataloghi::Esito::NomeUsato:
        Messaggi::avviso(this, testoNomeUsato);
        txtFile->setFocus();
        return;
    case Cataloghi::Esito::Errore:
        Messaggi::errore(this, c.errore);
        txtFile->setFocus();
        return;
    case Cataloghi::Esito::Creato:
        Messaggi::informazione(this, testoCreato);
        close();
        return;
    }
}

void TfrmCreaCatalogo::imgGuidaClick() {
    TfrmGuida::mostra(this, Argomento::CreazioneApertura);
}

bool TfrmCreaCatalogo::txtFileKeyPress(const QKeyEvent* e) {
    const QString t = e->text();
    return std::any_of(t.begin(), t.end(), Cataloghi::rifiutatoInDigitazione);
}

bool TfrmCreaCatalogo::eventFilter(QObject* o, QEvent* e) {
    if (o == txtFile && e->type() == QEvent::KeyPress && txtFileKeyPress(static_cast<QKeyEvent*>(e)))
        return true;
    return TFinestraCatena::eventFilter(o, e);
}
