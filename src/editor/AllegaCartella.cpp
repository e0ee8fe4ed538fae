#include "AllegaCartella.h"

#include "editor/Allegati.h"
#include "storage/Testo.h"
#include "ui/DialoghiFile.h"
#include "ui/Messaggi.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Sfondo.h"
#include "ui/Stile.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize Area{634, 534};
constexpr int AltezzaSlot = 112, PrimoSlot = 92, PassoSlot = 118;

const QString DomandaSovrascrivi =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                   "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

QString numero(int slot) {
    return QStringLiteral("%1").arg(slot + 1, 2, 10, QLatin1Char('0'));
}

QPushButton* pulsante(QWidget* p, const QString& nome, const QString& testo, const QRect& r) {
    auto* b = new QPushButton(testo, p);
    b->setObjectName(nome);
    b->setAccessibleName(testo);
    b->setFont(Stile::verdana(9));
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(false);
    b->setGeometry(r);
    return b;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* proprietario, IAllegatiScheda* s)
    : QDialog(proprietario), scheda(s) {
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    // Fixed single border, a caption and no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setFixedSize(Area);
    auto* fondo = new TSfondo(this, Qt::white, Stile::Colore::AzzurroAllegati);
    fondo->setObjectName(QStringLiteral("bkgSfondo"));
    fondo->setGeometry(rect());
    QWidget* p = fondo->pannello(Area);

    auto* shpContainer = new TRettangolo(p, Qt::white, Qt::white, Stile::Colore::CampoBordo, 8);
    shpContainer->setObjectName(QStringLiteral("shpContainer"));
    shpContainer->setGeometry(8, 8, Area.width() - 16, Area.height() - 16);
    creaImmagine(p, QStringLiteral("imgIntestazione"), QStringLiteral(":/editor/allega_intestazione.svg"),
                 QRect(16, 14, 602, 70),
                 QStringLiteral("Per allegare un documento premere Sfoglia... e sceglierlo, poi fare clic su "
                                "Applica e chiudi e, nella scheda, sul pulsante Salva per conservare le "
                                "modifiche. Apri apre il file allegato."));

    for (int i = 0; i < 3; ++i)
        creaSlot(p, i, PrimoSlot + i * PassoSlot);
    txtFile01 = file[0], txtFile02 = file[1], txtFile03 = file[2];
    txtDesc01 = descrizione[0], txtDesc02 = descrizione[1], txtDesc03 = descrizione[2];
    btnApri01 = apri[0], btnApri02 = apri[1], btnApri03 = apri[2];
    btnSfoglia01 = sfoglia[0], btnSfoglia02 = sfoglia[1], btnSfoglia03 = sfoglia[2];
    imgCancella01 = cancella[0], imgCancella02 = cancella[1], imgCancella03 = cancella[2];

    btnApplica = pulsante(p, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"),
                          QRect(318, 460, 150, 32));
    btnAnnulla =
        pulsante(p, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(476, 460, 142, 32));
    lblMemory = Stile::etichettaNascosta(p, QStringLiteral("lblMemory"));

    // Tab order: each slot's name, browse, open and description, then the two buttons.
    QWidget* precedente = nullptr;
    for (int i = 0; i < 3; ++i) {
        for (QWidget* w : {static_cast<QWidget*>(file[i]), static_cast<QWidget*>(sfoglia[i]),
                           static_cast<QWidget*>(apri[i]), static_cast<QWidget*>(descrizione[i])}) {
            if (precedente)
                setTabOrder(precedente, w);
            precedente = w;
        }
    }
    setTabOrder(precedente, btnApplica);
    setTabOrder(btnApplica, btnAnnulla);

    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
}

void TfrmAllegaCartella::creaSlot(QWidget* p, int i, int y) {
    const QString n = numero(i);
    auto* shp = new TRettangolo(p, Qt::white, Stile::Colore::SlotAllegato, Stile::Colore::CampoBordo, 6);
    shp->setObjectName(QStringLiteral("shpFile") + n);
    shp->setGeometry(16, y, 602, AltezzaSlot);
    const QString ordinale = QString::number(i + 1) + QStringLiteral("°");
    Stile::etichetta(p, QStringLiteral("lblCampo%1").arg(2 * i + 1, 2, 10, QLatin1Char('0')),
                     QStringLiteral("Nome %1 file allegato:").arg(ordinale), Stile::verdana(9, true),
                     Stile::Colore::Didascalia, QRect(28, y + 6, 338, 16));
    auto* f = new QLineEdit(p);
    f->setObjectName(QStringLiteral("txtFile") + n);
    f->setAccessibleName(QStringLiteral("Nome %1 file allegato").arg(ordinale));
    f->setReadOnly(true);
    f->setFont(Stile::verdana(10, true));
    f->setStyleSheet(Stile::coloreTesto(Stile::Colore::TestoSpento));
    f->setGeometry(28, y + 24, 338, 26);
    auto* canc = new TPulsanteImmagine(
        p, QStringLiteral("imgCancella") + n, QStringLiteral(":/editor/foto_cancella.svg"),
        QRect(372, y + 26, 22, 22), QStringLiteral("Cancella il nome del %1 file allegato").arg(ordinale));
    auto* sf = pulsante(p, QStringLiteral("btnSfoglia") + n, QStringLiteral("Sfoglia..."),
                        QRect(402, y + 23, 104, 30));
    auto* ap = pulsante(p, QStringLiteral("btnApri") + n, QStringLiteral("Apri"), QRect(512, y + 23, 94, 30));
    ap->setEnabled(false);
    Stile::etichetta(p, QStringLiteral("lblCampo%1").arg(2 * i + 2, 2, 10, QLatin1Char('0')),
                     QStringLiteral("Descrizione %1 file allegato:").arg(ordinale), Stile::verdana(9, true),
                     Stile::Colore::Didascalia, QRect(28, y + 56, 552, 16));
    auto* d = new QLineEdit(p);
    d->setObjectName(QStringLiteral("txtDesc") + n);
    d->setAccessibleName(QStringLiteral("Descrizione %1 file allegato").arg(ordinale));
    d->setFont(Stile::verdana(12, true));
    d->setGeometry(28, y + 74, 552, 28);
    file[i] = f, descrizione[i] = d, apri[i] = ap, sfoglia[i] = sf, cancella[i] = canc;

    connect(f, &QLineEdit::textChanged, this, [this, i] { txtFileChange(i); });
    connect(sf, &QPushButton::clicked, this, [this, i] { btnSfogliaClick(i); });
    connect(ap, &QPushButton::clicked, this, [this, i] { btnApriClick(i); });
    connect(canc, &QAbstractButton::clicked, this, [this, i] { imgCancellaClick(i); });
}

void TfrmAllegaCartella::subMostraAllegati(const AllegatiScheda& a) {
    for (int i = 0; i < 3; ++i) {
        file[i]->setText(Testo::taglia(a[i].file));
        descrizione[i]->setText(Testo::taglia(a[i].descrizione));
    }
}

void TfrmAllegaCartella::txtFileChange(int i) {
    apri[i]->setEnabled(!Testo::taglia(file[i]->text()).isEmpty());
}

void TfrmAllegaCartella::btnSfogliaClick(int i) {
    DialoghiFile::Opzioni o;
    o.titolo = QStringLiteral("Selezionare il file da allegare:");
    o.filtro = QStringLiteral("Tutti i file (*.*)");
    const QString scelto = DialoghiFile::apri(this, o);
    if (scelto.isEmpty())
        return;
    const QString nome = QFileInfo(scelto).fileName();
    file[i]->setText(nome);
    // A copy that fails ends silently: the slot keeps the name put into it.
    Allegati::Copia(scelto, nome, [this] { return Messaggi::conferma(this, DomandaSovrascrivi); });
}

void TfrmAllegaCartella::btnApriClick(int i) {
    TMisc::Open(Allegati::ComandoApri(file[i]->text()));
}

void TfrmAllegaCartella::imgCancellaClick(int i) {
    file[i]->clear();
}

void TfrmAllegaCartella::btnApplicaClick() {
    if (Testo::taglia(lblMemory->text()) == QLatin1String("cartoline") && scheda) {
        AllegatiScheda a;
        for (int i = 0; i < 3; ++i)
            a[i] = {Testo::taglia(file[i]->text()), Testo::taglia(descrizione[i]->text())};
        scheda->impostaAllegati(a);
    }
    close();
}

void TfrmAllegaCartella::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!centrata && !e->spontaneous()) {
        centrata = true;
        Stile::centraSulloSchermo(this);
    }
}
