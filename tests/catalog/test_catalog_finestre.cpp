#include "TestSupport.h"

#include "access/Password.h"
#include "app/Avvio.h"
#include "app/Catena.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/Cartoline.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QSvgWidget>

using Messaggi::Mostrato;
using Messaggi::Tipo;

// The creation, opening and start windows driven through their controls.
class TestCatalogFinestre : public TestGeodario {
    Q_OBJECT
private slots:
    void creaCatalogo();
    void creaNomeVuoto();
    void creaNomeUsato();
    void creaNomeIncollato_data();
    void creaNomeIncollato();
    void filtroDigitazione_data();
    void filtroDigitazione();
    void barraVerticaleDigitata();
    void lunghezzaMassima();
    void evidenziazione();
    void creaRiapreVuota();

    void elencoOrdinato();
    void elencoVuoto();
    void nessunaSelezione();
    void apri();
    void doppioClicNonApre();
    void eliminaNo();
    void eliminaUnicoArchivio();
    void eliminaUnoDiTre();

    void avvioControlli_data();
    void avvioControlli();
    void avvioChiusura();

    void immagini();

    void percorsoCompleto_data();
    void percorsoCompleto();
};

namespace {
const QString nomeVuoto = QStringLiteral(
    "Attenzione: per creare l'archivio di campioni mineralogici è necessario indicarne il nome.");
const QString nomeUsato = QStringLiteral(
    "Attenzione: il nome dell'archivio di campioni mineralogici indicato è già stato utilizzato in "
    "precedenza.\r\n\r\nInserire un nome diverso oppure, se si desidera aprire un archivio di minerali già "
    "creato, premere il pulsante Apri archivio esistente.");
const QString creato = QStringLiteral(
    "Il file relativo al nuovo archivio di campioni mineralogici è stato creato con successo.\r\n\r\nE' ora "
    "possibile visualizzarlo nell'elenco degli archivi esistenti.");
const QString conferma =
    QStringLiteral("Si sta per eliminare l'archivio di campioni mineralogici selezionato. Si ricorda che il "
                   "file eliminato non "
                   "potrà essere recuperato.\r\n\r\nSi conferma l'eliminazione dell'archivio?");
const QString eliminato =
    QStringLiteral("L'archivio di campioni mineralogici è stato eliminato con successo.");

QString conteggio(int n) {
    return QStringLiteral("Sono stati creati %1 archivi di campioni mineralogici.").arg(n);
}

QStringList voci(const QListWidget* l) {
    QStringList v;
    for (int i = 0; i < l->count(); ++i)
        v << l->item(i)->text();
    return v;
}

void clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Pastes through the clipboard, as a user would with Ctrl+V.
void incolla(QLineEdit* campo, const QString& testo) {
    QApplication::clipboard()->setText(testo);
    QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
}
} // namespace

void TestCatalogFinestre::creaCatalogo() {
    TfrmCreaCatalogo f;
    QSignalSpy chiusa(&f, &TFinestraCatena::chiusa);
    f.mostra();
    QCOMPARE(f.windowTitle(), QStringLiteral(" Geodario - Creazione archivio minerali"));
    digita(f.txtFile, QStringLiteral("  Quarzi àlpini  "));
    clic(f.btnApplica);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Informazione, creato}}));
    QCOMPARE(chiusa.count(), 1);
    QVERIFY(!f.isVisible());
    QCOMPARE(f.lblFile->text(), percorso("Quarzi àlpini.ima"));
    QCOMPARE(QDir(cartella()).entryList(QDir::Files), QStringList{"Quarzi àlpini.ima"});
    QCOMPARE(QFileInfo(percorso("Quarzi àlpini.ima")).size(), 0);
}

void TestCatalogFinestre::creaNomeVuoto() {
    TfrmCreaCatalogo f;
    f.mostra();
    QApplication::setActiveWindow(&f); // focus is tracked per active window
    QVERIFY(f.isActiveWindow());
    digita(f.txtFile, QStringLiteral("   "));
    f.btnApplica->setFocus();
    f.btnApplica->click();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Avviso, nomeVuoto}}));
    QVERIFY(f.isVisible());
    QVERIFY(f.txtFile->hasFocus());
    QVERIFY(f.lblFile->text().isEmpty());
    QCOMPARE(QDir(cartella()).entryList(QDir::Files), QStringList{});
}

void TestCatalogFinestre::creaNomeUsato() {
    scriviFile(percorso("Agata.ima"), QByteArray(3646, 'a'));
    TfrmCreaCatalogo f;
    f.mostra();
    digita(f.txtFile, QStringLiteral("Agata "));
    f.btnApplica->click();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Avviso, nomeUsato}}));
    QVERIFY(f.isVisible());
    QCOMPARE(f.txtFile->text(), QStringLiteral("Agata "));
    QCOMPARE(leggiFile(percorso("Agata.ima")), QByteArray(3646, 'a'));
}

void TestCatalogFinestre::creaNomeIncollato_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("motivo");
    for (QChar c : QStringView(u"\\/:*?\"<>|"))
        QTest::addRow("%c", c.toLatin1())
            << QStringLiteral("Quarzi%1alpini").arg(c)
            << QStringLiteral("il nome contiene il carattere «%1», che non è ammesso nei nomi dei file")
                   .arg(c);
    QTest::newRow("control character") << "Quarzi\talpini"
                                       << "il nome contiene un carattere di controllo, che non è ammesso nei "
                                          "nomi dei file";
    QTest::newRow("trailing dot") << "Quarzi."
                                  << "il nome non può terminare con un punto o con uno spazio";
    QTest::newRow("device name") << "Com3"
                                 << "«Com3» è un nome riservato ai dispositivi di sistema";
    QTest::newRow("device name with extension") << "aux.old"
                                                << "«aux» è un nome riservato ai dispositivi di sistema";
}

void TestCatalogFinestre::creaNomeIncollato() {
    QFETCH(QString, nome);
    QFETCH(QString, motivo);
    TfrmCreaCatalogo f;
    f.mostra();
    incolla(f.txtFile, nome);
    QCOMPARE(f.txtFile->text(), nome); // pasting is not filtered
    f.btnApplica->click();
    QCOMPARE(messaggi(), (QList<Mostrato>{
                             {Tipo::Errore,
                              QStringLiteral("Impossibile creare il file dell'archivio: %1.").arg(motivo)}}));
    QVERIFY(f.isVisible());
    QCOMPARE(f.txtFile->text(), nome);
    QCOMPARE(QDir(cartella()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

void TestCatalogFinestre::filtroDigitazione_data() {
    QTest::addColumn<QString>("carattere");
    QTest::addColumn<bool>("accettato");
    for (QChar c : QStringView(u"\"*/:<>?\\°ÇÑçñ"))
        QTest::addRow("refused U+%04X", c.unicode()) << QString(c) << false;
    for (QChar c : QStringView(u"|.' -àéÀ€"))
        QTest::addRow("accepted U+%04X", c.unicode()) << QString(c) << true;
}

void TestCatalogFinestre::filtroDigitazione() {
    QFETCH(QString, carattere);
    QFETCH(bool, accettato);
    TfrmCreaCatalogo f;
    f.mostra();
    digita(f.txtFile, QStringLiteral("ab"));
    digita(f.txtFile, carattere);
    digita(f.txtFile, QStringLiteral("c"));
    QCOMPARE(f.txtFile->text(), accettato ? "ab" + carattere + "c" : QStringLiteral("abc"));
}

void TestCatalogFinestre::barraVerticaleDigitata() {
    TfrmCreaCatalogo f;
    f.mostra();
    digita(f.txtFile, QStringLiteral("Quarzi|alpini"));
    QCOMPARE(f.txtFile->text(), QStringLiteral("Quarzi|alpini"));
    f.btnApplica->click();
    QCOMPARE(messaggi(),
             (QList<Mostrato>{{Tipo::Errore, QStringLiteral("Impossibile creare il file dell'archivio: "
                                                            "il nome contiene il carattere «|», che non "
                                                            "è ammesso nei nomi dei file.")}}));
    QVERIFY(f.isVisible());
}

void TestCatalogFinestre::lunghezzaMassima() {
    TfrmCreaCatalogo f;
    f.mostra();
    QTest::keyClicks(f.txtFile, QString(251, u'q'));
    QCOMPARE(f.txtFile->text(), QString(250, u'q'));
    f.btnApplica->click();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Informazione, creato}}));
    QVERIFY(QFileInfo::exists(percorso(QString(250, u'q') + ".ima")));
}

void TestCatalogFinestre::evidenziazione() {
    TfrmCreaCatalogo f;
    f.mostra();
    QApplication::setActiveWindow(&f); // focus is tracked per active window
    QVERIFY(f.isActiveWindow());
    const auto colore = [&] {
        const QImage img = f.txtFile->grab().toImage();
        return img.pixelColor(img.width() - 6, img.height() / 2);
    };
    QVERIFY(f.txtFile->hasFocus());
    QCOMPARE(colore(), QColor(0xFF, 0xFF, 0x00));
    f.btnAnnulla->setFocus();
    QCOMPARE(colore(), QColor(0xF0, 0xF8, 0xFF));
    f.txtFile->setFocus();
    QCOMPARE(colore(), QColor(0xFF, 0xFF, 0x00));
}

void TestCatalogFinestre::creaRiapreVuota() {
    TfrmCreaCatalogo f;
    QSignalSpy chiusa(&f, &TFinestraCatena::chiusa);
    f.mostra();
    digita(f.txtFile, QStringLiteral("Bozza"));
    clic(f.btnAnnulla);
    QCOMPARE(chiusa.count(), 1);
    QVERIFY(!f.isVisible());
    QCOMPARE(QDir(cartella()).entryList(QDir::Files), QStringList{});
    f.mostra();
    QVERIFY(f.txtFile->text().isEmpty());
}

void TestCatalogFinestre::elencoOrdinato() {
    for (const char* n : {"Berillo.ima", "Calcite.IMA", "ametista.ima", "Agata.ima", "Opali.ima.bak"})
        scriviFile(percorso(QString::fromLatin1(n)), {});
    QVERIFY(QDir().mkdir(percorso("Opali.ima")));
    TfrmApriCatalogo f;
    f.mostra();
    QCOMPARE(f.windowTitle(), QStringLiteral(" Geodario - Apertura archivio minerali"));
    QCOMPARE(voci(f.lstFiles), (QStringList{"Agata.ima", "ametista.ima", "Berillo.ima", "Calcite.IMA"}));
    QCOMPARE(f.lblCreati->text(), conteggio(4));
    QCOMPARE(f.lblMemory->text(), QStringLiteral("avvio"));
    QCOMPARE(f.lblFile->text(), cartella());
    QVERIFY(f.lstFiles->selectedItems().isEmpty());
}

void TestCatalogFinestre::elencoVuoto() {
    scriviFile(percorso("Agata.ima"), {});
    scriviFile(percorso("Berillo.ima"), {});
    TfrmApriCatalogo f;
    f.mostra();
    QCOMPARE(f.lblCreati->text(), conteggio(2));
    f.close();
    // Catalogues removed outside the program: the count line follows the list down to 0.
    QVERIFY(QFile::remove(percorso("Agata.ima")));
    QVERIFY(QFile::remove(percorso("Berillo.ima")));
    f.mostra();
    QCOMPARE(f.lstFiles->count(), 0);
    QCOMPARE(f.lblCreati->text(), conteggio(0));
    f.btnApri->click();
    f.btnElimina->click();
    QCOMPARE(messaggi(),
             (QList<Mostrato>{
                 {Tipo::Avviso, QStringLiteral("Attenzione: l'elenco non contiene nessun archivio.")},
                 {Tipo::Avviso,
                  QStringLiteral(
                      "Attenzione: l'elenco non contiene nessun archivio di campioni mineralogici.")}}));
    QVERIFY(f.isVisible());
}

void TestCatalogFinestre::nessunaSelezione() {
    scriviFile(percorso("Agata.ima"), {});
    TfrmApriCatalogo f;
    f.mostra();
    f.btnApri->click();
    f.btnElimina->click();
    QCOMPARE(messaggi(),
             (QList<Mostrato>{{Tipo::Avviso, QStringLiteral("Attenzione: selezionare l'archivio di "
                                                            "campioni mineralogici dall'elenco prima "
                                                            "di premere il pulsante Apri archivio.")},
                              {Tipo::Avviso, QStringLiteral("Attenzione: selezionare dall'elenco "
                                                            "l'archivio da eliminare prima di premere "
                                                            "il pulsante del cestino.")}}));
    QVERIFY(f.isVisible());
    QCOMPARE(f.lblMemory->text(), QStringLiteral("avvio"));
    QVERIFY(QFileInfo::exists(percorso("Agata.ima")));
}

void TestCatalogFinestre::apri() {
    scriviFile(percorso("Agata.ima"), {});
    scriviFile(percorso("Calcite.IMA"), {});
    TfrmApriCatalogo f;
    QSignalSpy chiusa(&f, &TFinestraCatena::chiusa);
    f.mostra();
    QTest::mouseClick(f.lstFiles->viewport(), Qt::LeftButton, {},
                      f.lstFiles->visualItemRect(f.lstFiles->item(1)).center());
    clic(f.btnApri);
    QCOMPARE(chiusa.count(), 1);
    QCOMPARE(f.lblMemory->text(), QStringLiteral("cartoline"));
    QCOMPARE(f.lblFile->text(), percorso("Calcite.IMA"));
    QCOMPARE(f.voceScelta(), QStringLiteral("Calcite.IMA"));
    // Shown again: marker and path are reset, nothing is selected.
    f.mostra();
    QCOMPARE(f.lblMemory->text(), QStringLiteral("avvio"));
    QCOMPARE(f.lblFile->text(), cartella());
    QVERIFY(f.lstFiles->selectedItems().isEmpty());
}

void TestCatalogFinestre::doppioClicNonApre() {
    scriviFile(percorso("Agata.ima"), {});
    TfrmApriCatalogo f;
    QSignalSpy chiusa(&f, &TFinestraCatena::chiusa);
    f.mostra();
    const QPoint punto = f.lstFiles->visualItemRect(f.lstFiles->item(0)).center();
    QTest::mouseDClick(f.lstFiles->viewport(), Qt::LeftButton, {}, punto);
    QCOMPARE(chiusa.count(), 0);
    QCOMPARE(f.lblMemory->text(), QStringLiteral("avvio"));
}

void TestCatalogFinestre::eliminaNo() {
    scriviFile(percorso("Agata.ima"), "a");
    TfrmApriCatalogo f;
    f.mostra();
    f.lstFiles->item(0)->setSelected(true);
    Messaggi::Test::accoda(Messaggi::Risposta::No);
    clic(f.btnElimina);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, conferma}}));
    QCOMPARE(voci(f.lstFiles), QStringList{"Agata.ima"});
    QVERIFY(f.lstFiles->item(0)->isSelected());
    QCOMPARE(leggiFile(percorso("Agata.ima")), QByteArray("a"));
}

void TestCatalogFinestre::eliminaUnicoArchivio() {
    scriviFile(percorso("Agata.ima"), QByteArray(3646, 'a'));
    QVERIFY(QDir().mkpath(percorso("Foto_Minerali")));
    scriviFile(percorso("Foto_Minerali/Agata_Foto_A_1.jpg"), "jpg");
    QVERIFY(QDir().mkpath(percorso("Documenti_Allegati")));
    scriviFile(percorso("Documenti_Allegati/scheda.pdf"), "pdf");
    TfrmApriCatalogo f;
    QSignalSpy chiusa(&f, &TFinestraCatena::chiusa);
    f.mostra();
    f.lstFiles->item(0)->setSelected(true);
    Messaggi::Test::accoda(Messaggi::Risposta::Si);
    clic(f.btnElimina);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, conferma}, {Tipo::Informazione, eliminato}}));
    QVERIFY(!QFileInfo::exists(percorso("Agata.ima")));
    QVERIFY(QFileInfo::exists(percorso("Foto_Minerali/Agata_Foto_A_1.jpg")));
    QVERIFY(QFileInfo::exists(percorso("Documenti_Allegati/scheda.pdf")));
    QCOMPARE(f.lstFiles->count(), 0);
    QCOMPARE(f.lblCreati->text(), conteggio(0));
    QCOMPARE(f.lblMemory->text(), QStringLiteral("avvio"));
    QVERIFY(f.lblFile->text().isEmpty());
    QVERIFY(f.isVisible());
    QCOMPARE(chiusa.count(), 0);
}

void TestCatalogFinestre::eliminaUnoDiTre() {
    for (const char* n : {"Agata.ima", "ametista.ima", "Berillo.ima"})
        scriviFile(percorso(QString::fromLatin1(n)), {});
    TfrmApriCatalogo f;
    f.mostra();
    QCOMPARE(f.lblCreati->text(), conteggio(3));
    f.lstFiles->item(1)->setSelected(true);
    Messaggi::Test::accoda(Messaggi::Risposta::Si);
    f.btnElimina->click();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, conferma}, {Tipo::Informazione, eliminato}}));
    QCOMPARE(voci(f.lstFiles), (QStringList{"Agata.ima", "Berillo.ima"}));
    QCOMPARE(f.lblCreati->text(), conteggio(2));
    QVERIFY(f.lstFiles->selectedItems().isEmpty());
    // Nothing is selected any more: a second press only warns.
    f.btnElimina->click();
    QCOMPARE(messaggi(),
             (QList<Mostrato>{{Tipo::Avviso, QStringLiteral("Attenzione: selezionare dall'elenco "
                                                            "l'archivio da eliminare prima di premere "
                                                            "il pulsante del cestino.")}}));
}

void TestCatalogFinestre::avvioControlli_data() {
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("segnale"); // "" for none
    QTest::addColumn<QStringList>("aperti");
    QTest::newRow("picture of the create area") << "imgApp01"
                                                << "creaCatalogo" << QStringList{};
    QTest::newRow("create button") << "btnApp01"
                                   << "creaCatalogo" << QStringList{};
    QTest::newRow("picture of the open area") << "imgApp02"
                                              << "apriCatalogo" << QStringList{};
    QTest::newRow("open button") << "btnApp02"
                                 << "apriCatalogo" << QStringList{};
    QTest::newRow("exit icon") << "imgEsci"
                               << "esci" << QStringList{};
    QTest::newRow("web site banner") << "imgSito"
                                     << "" << QStringList{"https://www.geodario.example"};
}

void TestCatalogFinestre::avvioControlli() {
    QFETCH(QString, controllo);
    QFETCH(QString, segnale);
    QFETCH(QStringList, aperti);
    TfrmAvvio f;
    f.mostra();
    QSignalSpy crea(&f, &TfrmAvvio::creaCatalogo);
    QSignalSpy apri(&f, &TfrmAvvio::apriCatalogo);
    QSignalSpy esci(&f, &TfrmAvvio::esci);
    auto* w = f.findChild<TPulsanteImmagine*>(controllo);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!w->accessibleName().isEmpty());
    clic(w);
    QCOMPARE(crea.count(), segnale == "creaCatalogo" ? 1 : 0);
    QCOMPARE(apri.count(), segnale == "apriCatalogo" ? 1 : 0);
    QCOMPARE(esci.count(), segnale == "esci" ? 1 : 0);
    QCOMPARE(TMisc::aperti(), aperti);
}

void TestCatalogFinestre::avvioChiusura() {
    TfrmAvvio f;
    QSignalSpy esci(&f, &TfrmAvvio::esci);
    f.mostra();
    QCOMPARE(f.windowTitle(), QStringLiteral(" Geodario"));
    f.close();
    QCOMPARE(esci.count(), 1);
}

// Every picture of the three windows is found in the resources and is a drawable SVG.
void TestCatalogFinestre::immagini() {
    TfrmAvvio avvio;
    TfrmCreaCatalogo crea;
    TfrmApriCatalogo apri;
    for (QWidget* f : std::initializer_list<QWidget*>{&avvio, &crea, &apri}) {
        const auto pulsanti = f->findChildren<TPulsanteImmagine*>();
        const auto figure = f->findChildren<QSvgWidget*>();
        QVERIFY(!pulsanti.isEmpty() && !figure.isEmpty());
        for (const auto* b : pulsanti)
            QVERIFY2(b->immagineValida(), qPrintable(b->objectName()));
        for (auto* w : figure)
            QVERIFY2(w->renderer()->isValid(), qPrintable(w->objectName()));
    }
}

void TestCatalogFinestre::percorsoCompleto_data() {
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("nome"); // the catalogue name the editor shows
    QTest::newRow("blanks around") << "  Quarzi alpini  "
                                   << "Quarzi alpini.ima"
                                   << "Quarzi alpini";
    QTest::newRow("name ending in .ima") << "Fluoriti.ima"
                                         << "Fluoriti.ima.ima"
                                         << "Fluoriti.ima";
}

// A new user: start window, create, back to the start window, open, editor with the new catalogue.
void TestCatalogFinestre::percorsoCompleto() {
    QFETCH(QString, digitato);
    QFETCH(QString, voce);
    QFETCH(QString, nome);
    scriviFile(percorso("Calcite.IMA"), {});
    TCatena c;
    c.avvia();
    emit c.frmPassword()->accessoConsentito();
    QVERIFY(c.frmAvvio()->isVisible());

    clic(c.frmAvvio()->btnApp01);
    QVERIFY(c.frmCreaCatalogo()->isVisible());
    QVERIFY(!c.frmAvvio()->isVisible());
    digita(c.frmCreaCatalogo()->txtFile, digitato);
    clic(c.frmCreaCatalogo()->btnApplica);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Informazione, creato}}));
    QVERIFY(c.frmAvvio()->isVisible());
    QVERIFY(!c.frmCreaCatalogo()->isVisible());
    QVERIFY(!c.frmApriCatalogo()->isVisible());

    clic(c.frmAvvio()->imgApp02);
    TfrmApriCatalogo* a = c.frmApriCatalogo();
    QVERIFY(a->isVisible());
    QCOMPARE(voci(a->lstFiles), (QStringList{"Calcite.IMA", voce}));
    QCOMPARE(a->lblCreati->text(), conteggio(2));
    a->lstFiles->item(1)->setSelected(true);
    clic(a->btnApri);
    QVERIFY(c.frmCartoline()->isVisible());
    QVERIFY(!a->isVisible());
    QCOMPARE(c.frmCartoline()->lblFile->text(), percorso(voce));
    QCOMPARE(c.frmCartoline()->lblNome->text(), nome);

    // Closing the editor goes back to the start window; the list is rebuilt on the next visit.
    c.frmCartoline()->close();
    QVERIFY(c.frmAvvio()->isVisible());
    clic(c.frmAvvio()->btnApp02);
    QVERIFY(a->lstFiles->selectedItems().isEmpty());
    a->lstFiles->item(0)->setSelected(true);
    a->btnApri->click();
    QCOMPARE(c.frmCartoline()->lblNome->text(), QStringLiteral("Calcite"));
}

QTEST_MAIN(TestCatalogFinestre)
#include "test_catalog_finestre.moc"
