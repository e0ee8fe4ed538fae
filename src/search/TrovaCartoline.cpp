#include "search/TrovaCartoline.h"

#include "search/Elenco.h"
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

namespace {

struct DefinizioneFiltro {
    const char* nome;
    const char* etichetta;
    Campo campo;
    int riquadro; // number of its highlight rectangle and label
};

// In tab order; the Enter key follows it too, from the last back to the first.
const DefinizioneFiltro definizioniFiltri[Stile::NumeroFiltri] = {
    {"txtTitolo", "Nome del minerale:", Campo::Titolo, 1},
    {"txtTipologia", "Gruppo:", Campo::Tipologia, 2},
    {"txtEditore", "Località di ritrovamento:", Campo::Editore, 9},
    {"txtSerie", "Coordinate GPS:", Campo::Serie, 10},
    {"txtDescrizione", "Paragenesi:", Campo::Descrizione, 5},
    {"txtAnno", "Anno ritrovamento:", Campo::Anno, 6},
    {"txtMittente", "Formula chimica:", Campo::Mittente, 7},
    {"txtDestinatario", "Roccia Madre:", Campo::Destinatario, 8},
    {"txtCarta", "Classificazione Strunz o Dana:", Campo::Carta, 3},
    {"txtNote", "Note:", Campo::Note, 4},
};

QString numerato(const char* prefisso, int n) {
    return QLatin1String(prefisso) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

TfrmTrovaCartoline::TfrmTrovaCartoline(QWidget* proprietario, IEditorElenco* editor)
    : TFinestraElenco(proprietario, editor, QStringLiteral("frmTrovaCartoline"),
                      QStringLiteral(" Trova campioni mineralogici in archivio")) {
    panAvvio = creaPannello(sfondo, QStringLiteral("panAvvio"));
    panContainer = creaPannello(sfondo, QStringLiteral("panContainer"));

    auto* spiega = new TIstruzioni(
        panAvvio, QStringLiteral("imgSpiega"),
        QStringLiteral("Digitare nei campi prescelti una o più parole consecutive contenute nelle schede "
                       "da cercare e premere Cerca. Lasciare vuoti tutti gli altri campi: in una ricerca si "
                       "possono usare uno o più campi insieme."));
    spiega->setGeometry(144, 16, 664, 78);
    creaImmagine(panAvvio, QStringLiteral("icoTrova01"), QStringLiteral(":/search/trova.svg"),
                 QRect(16, 236, 112, 112));

    const QFont fontFiltro = Stile::verdana(12, true), fontEtichetta = Stile::verdana(9, true);
    QWidget* precedente = nullptr;
    for (int i = 0; i < Stile::NumeroFiltri; ++i) {
        const auto& d = definizioniFiltri[i];
        const int x = i % 2 == 0 ? 144 : 488, y = 141 + (i / 2) * 70;
        auto* etichetta =
            Stile::etichetta(panAvvio, numerato("lblCampo", d.riquadro), QString::fromUtf8(d.etichetta),
                             fontEtichetta, Stile::Colore::DidascaliaFiltro, QRect(x, y - 24, 320, 18));
        auto* filtro = new QLineEdit(panAvvio);
        filtro->setObjectName(QLatin1String(d.nome));
        filtro->setAccessibleName(QString::fromUtf8(d.etichetta).chopped(1));
        filtro->setFont(fontFiltro);
        filtro->setGeometry(x, y, 320, 22);
        etichetta->setBuddy(filtro);
        new TCorniceFuoco(filtro, numerato("effCampo", d.riquadro));
        if (precedente)
            setTabOrder(precedente, filtro);
        precedente = filtro;
        filtri[std::size_t(i)] = filtro;
    }
    txtTitolo = filtri[0];
    txtTipologia = filtri[1];
    txtEditore = filtri[2];
    txtSerie = filtri[3];
    txtDescrizione = filtri[4];
    txtAnno = filtri[5];
    txtMittente = filtri[6];
    txtDestinatario = filtri[7];
    txtCarta = filtri[8];
    txtNote = filtri[9];

    lblAttendere = Stile::etichetta(panAvvio, QStringLiteral("lblAttendere"),
                                    QStringLiteral("Ricerca schede in corso. Attendere..."), fontEtichetta,
                                    Stile::Colore::Avviso, QRect(176, 484, 481, 30), Qt::AlignCenter);
    lblAttendere->hide();
    lblConta = Stile::etichettaNascosta(panAvvio, QStringLiteral("lblConta"), QStringLiteral("0"));
    lblMemory = Stile::etichettaNascosta(panAvvio, QStringLiteral("lblMemory"));
    new TAnelloInvio(this, QList<QWidget*>(filtri.begin(), filtri.end()));

    btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(16, 484, 150, 30);
    btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnCerca->setGeometry(667, 484, 150, 30);
    pulsanteConInvio(btnAnnulla);
    pulsanteConInvio(btnCerca);
    setTabOrder(txtNote, btnCerca);
    setTabOrder(btnCerca, btnAnnulla);

    costruisciElenco(panContainer);
    lblTrovate = Stile::etichetta(panContainer, QStringLiteral("lblTrovate"), QString(), fontEtichetta,
                                  Stile::Colore::Avviso, QRect(176, 484, 321, 30), Qt::AlignCenter);
    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnChiudi);
    setTabOrder(btnChiudi, btnStampa);
    setTabOrder(btnStampa, btnEtichette);
    panContainer->hide();

    connect(btnCerca, &QPushButton::pressed, this, &TfrmTrovaCartoline::btnCercaMouseDown);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaCartoline::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaCartoline::btnAnnullaClick);
}

void TfrmTrovaCartoline::FormShow() {
    svuotaRicerca();
    if (!panContainer->isVisible()) {
        panAvvio->show();
        txtTitolo->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmTrovaCartoline::btnCercaMouseDown() {
    lblAttendere->show();
    // Painted now: the search that follows keeps the event loop busy.
    lblAttendere->repaint();
}

void TfrmTrovaCartoline::btnCercaClick() {
    QList<FiltroRicerca> valori;
    for (int i = 0; i < Stile::NumeroFiltri; ++i)
        valori.append({definizioniFiltri[i].campo, filtri[std::size_t(i)]->text()});
    const TRicerca ricerca(valori);
    lblConta->setText(QString::number(ricerca.filtriCompilati()));

    QStringList righe;
    try {
        TArchivio archivio;
        archivio.ApriOCrea(percorsoArchivio());
        modello()->svuota();
        raccogliRighe(
            archivio, [&](const TScheda& r) { return ricerca.corrisponde(r); }, righe);
        archivio.Chiudi();
    } catch (const EArchivio&) {
        // Nothing runs any more: the wait notice would be a false one.
        lblAttendere->hide();
        Messaggi::plain(this, MessaggioErroreArchivio());
        return;
    }
    mostraRighe(std::move(righe));
    lblTrovate->setText(
        QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(modello()->rowCount()));
    panContainer->show();
    panAvvio->hide();
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaCartoline::btnAnnullaClick() {
    chiudi();
}

bool TfrmTrovaCartoline::consegnaAllEditor() const {
    return Testo::taglia(lblMemory->text()) == QStringLiteral("cartoline");
}

void TfrmTrovaCartoline::chiudi() {
    lblAttendere->hide();
    TFinestraElenco::chiudi();
}

QString TfrmTrovaCartoline::titoloStampa() const {
    return QString::fromUtf8(StampaElenco::TitoloArchivio);
}
