#include "Record.h"
#include "TestSupport.h"

#include "editor/Cartoline.h"
#include "editor/Zoom.h"
#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "ui/DialoghiFile.h"
#include "ui/LunghezzaMassima.h"
#include "ui/PulsanteImmagine.h"
#include "ui/RiquadroFoto.h"

#include <QAccessible>
#include <QBuffer>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

using Messaggi::Mostrato;
using Messaggi::Tipo;

namespace {

const QString Vuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString Inserita = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Modificata =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

QByteArray immagine(QSize s, const char* formato, QColor colore = QColor(200, 40, 90)) {
    QImage img(s, QImage::Format_RGB32);
    img.fill(colore);
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, formato).write(img);
    return out;
}

} // namespace

class TestEditor : public TestGeodario {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void apreConSchedaNuova();
    void mostraScheda();
    void navigazione_data();
    void navigazione();
    void archivioSvuotatoAltrove();
    void archivioCancellato();

    void obbligatori_data();
    void obbligatori();
    void aggiungiPoiSovrascrivi();
    void valoreSalvatoSenzaUscire();
    void schedaScomparsaDalFile();

    void valoreDigitato_data();
    void valoreDigitato();
    void lunghezzeMassime();
    void anelloInvio();
    void evidenziazione();
    void suggerimenti();

    void fotoGrandeIntera();
    void fotoPiccolaMaiIngrandita();
    void caricaFotoNonImmagine();
    void caricaAnnullato();
    void cancellaSenzaSalvare();
    void copiaPropostaFotoJpg();
    void bmpSalvataComeJpeg();
    void zoom();
    void fotoGrandeMostrataNitida_data();
    void fotoGrandeMostrataNitida();

    void nessunCampoDopoSalvataggio();
    void testoInizialeSottoIlPuntatore();
    void etichetteLette_data();
    void etichetteLette();
    void zoomOccupaLoSchermo();

private:
    void scriviArchivio(int schede);
    QByteArray archivio() const { return leggiFile(percorsoArchivio); }
    void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    QList<Mostrato> un(Tipo t, const QString& testo) { return {{t, testo}}; }

    std::unique_ptr<TfrmCartoline> ed;
    QString percorsoArchivio;
};

void TestEditor::init() {
    TestGeodario::init();
    percorsoArchivio = percorso(QStringLiteral("Quarzi.ima"));
    ed = std::make_unique<TfrmCartoline>();
    ed->lblFile->setText(QStringLiteral(" ") + percorsoArchivio + QStringLiteral(" "));
    ed->lblNome->setText(QStringLiteral("Quarzi"));
    ed->mostra();
    QVERIFY(QTest::qWaitForWindowActive(ed.get()));
}

void TestEditor::cleanup() {
    ed.reset();
    TestGeodario::cleanup();
}

void TestEditor::scriviArchivio(int schede) {
    QByteArray dati;
    for (int i = 1; i <= schede; ++i)
        dati += Fixture::conObbligatori("Scheda " + QByteArray::number(i));
    scriviFile(percorsoArchivio, dati);
}

void TestEditor::apreConSchedaNuova() {
    ed->txtTitolo->setText(QStringLiteral("resto"));
    ed->hide();
    ed->mostra();
    QVERIFY(ed->txtTitolo->text().isEmpty());
    QCOMPARE(ed->txtValore->text(), QStringLiteral("0,00"));
    QVERIFY(ed->lblPosizione->text().isEmpty());
    QCOMPARE(ed->focusWidget(), ed->txtTitolo);
    QCOMPARE(TfrmCartoline().panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QCOMPARE(ed->windowTitle(), QStringLiteral(" Geodario - Gestione Archivio Minerali"));
}

void TestEditor::mostraScheda() {
    QByteArray r = Fixture::conObbligatori("  Ametista  ", "S\xec");
    Fixture::campo(r, Fixture::Note, "nota\t ");
    Fixture::campo(r, Fixture::File01, "doc.pdf");
    scriviFile(percorsoArchivio, r + Fixture::conObbligatori("Senza flag", ""));
    clic(ed->cmdAvanti);
    QCOMPARE(ed->txtTitolo->text(), QStringLiteral("Ametista"));
    QCOMPARE(ed->txtNote->text(), QStringLiteral("nota"));
    QCOMPARE(ed->txtValore->text(), QStringLiteral("12,50"));
    QCOMPARE(ed->lblFile01->text(), QStringLiteral("doc.pdf"));
    QVERIFY(ed->chkInVendita->isChecked());
    clic(ed->cmdAvanti); // neither "Sì" nor "No": the tick stays as it was
    QCOMPARE(ed->txtTitolo->text(), QStringLiteral("Senza flag"));
    QVERIFY(ed->chkInVendita->isChecked());
    QCOMPARE(ed->lblPosizione->text(), QStringLiteral("2"));
}

void TestEditor::navigazione_data() {
    QTest::addColumn<int>("schede");
    QTest::addColumn<QString>("partenza"); // "" = a new card
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("posizione"); // lblPosizione afterwards
    QTest::addColumn<bool>("messaggioVuoto");

    for (const char* c : {"cmdPrimo", "cmdIndietro", "cmdUltimo"})
        QTest::addRow("0 cards, new, %s", c) << 0 << "" << c << "" << true;
    QTest::newRow("0 cards, new, next empties the number") << 0 << ""
                                                           << "cmdAvanti"
                                                           << "" << true;
    QTest::newRow("1 card, new, next") << 1 << ""
                                       << "cmdAvanti"
                                       << "1" << false;
    QTest::newRow("1 card, new, previous") << 1 << ""
                                           << "cmdIndietro"
                                           << "1" << false;
    QTest::newRow("1 card, at 1, next does nothing") << 1 << "1"
                                                     << "cmdAvanti"
                                                     << "1" << false;
    QTest::newRow("3 cards, new, next") << 3 << ""
                                        << "cmdAvanti"
                                        << "1" << false;
    QTest::newRow("3 cards, new, previous") << 3 << ""
                                            << "cmdIndietro"
                                            << "1" << false;
    QTest::newRow("3 cards, new, last") << 3 << ""
                                        << "cmdUltimo"
                                        << "3" << false;
    QTest::newRow("3 cards, new, first") << 3 << ""
                                         << "cmdPrimo"
                                         << "1" << false;
    QTest::newRow("3 cards, at 3, next does nothing") << 3 << "3"
                                                      << "cmdAvanti"
                                                      << "3" << false;
    QTest::newRow("3 cards, at 3, last again") << 3 << "3"
                                               << "cmdUltimo"
                                               << "3" << false;
    QTest::newRow("3 cards, at 3, previous") << 3 << "3"
                                             << "cmdIndietro"
                                             << "2" << false;
    QTest::newRow("3 cards, at 2, previous") << 3 << "2"
                                             << "cmdIndietro"
                                             << "1" << false;
    QTest::newRow("3 cards, at 1, previous does nothing") << 3 << "1"
                                                          << "cmdIndietro"
                                                          << "1" << false;
    QTest::newRow("3 cards, at 1, next") << 3 << "1"
                                         << "cmdAvanti"
                                         << "2" << false;
}

void TestEditor::navigazione() {
    QFETCH(int, schede);
    QFETCH(QString, partenza);
    QFETCH(QString, comando);
    QFETCH(QString, posizione);
    QFETCH(bool, messaggioVuoto);
    scriviArchivio(schede);
    if (!partenza.isEmpty()) {
        const int n = partenza.toInt();
        TScheda s;
        std::copy_n(archivio().constData() + (n - 1) * Fixture::Record, Fixture::Record, s.byte.begin());
        ed->subMostraScheda(s, n);
    }
    ed->txtNote->setText(QStringLiteral("modifica non salvata"));
    clic(ed->findChild<QWidget*>(comando));
    QCOMPARE(ed->lblPosizione->text(), posizione);
    QCOMPARE(messaggi(), messaggioVuoto ? un(Tipo::Informazione, Vuoto) : QList<Mostrato>{});
    if (!posizione.isEmpty() && posizione != partenza)
        QCOMPARE(ed->txtTitolo->text(), QStringLiteral("Scheda ") + posizione);
    QCOMPARE(QFileInfo(percorsoArchivio).size(), qint64(schede) * Fixture::Record); // nothing written
}

void TestEditor::archivioSvuotatoAltrove() {
    scriviArchivio(3);
    clic(ed->cmdUltimo);
    clic(ed->cmdIndietro);
    QCOMPARE(ed->lblPosizione->text(), QStringLiteral("2"));
    scriviFile(percorsoArchivio, {});
    for (QWidget* c : std::initializer_list<QWidget*>{ed->cmdIndietro, ed->cmdPrimo, ed->cmdUltimo}) {
        clic(c);
        QCOMPARE(ed->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(messaggi(), un(Tipo::Informazione, Vuoto));
    }
    clic(ed->cmdAvanti);
    QVERIFY(ed->lblPosizione->text().isEmpty());
    QCOMPARE(messaggi(), un(Tipo::Informazione, Vuoto));
    // At card 1, previous does nothing even on an emptied archive.
    ed->lblPosizione->setText(QStringLiteral("1"));
    clic(ed->cmdIndietro);
    QVERIFY(messaggi().isEmpty());
}

void TestEditor::archivioCancellato() {
    scriviArchivio(2);
    clic(ed->cmdAvanti);
    QFile::remove(percorsoArchivio);
    clic(ed->cmdAvanti);
    QCOMPARE(messaggi(), un(Tipo::Informazione, Vuoto));
    QVERIFY(QFile::exists(percorsoArchivio));
    QCOMPARE(QFileInfo(percorsoArchivio).size(), 0);
}

void TestEditor::obbligatori_data() {
    QTest::addColumn<QStringList>("valori"); // name, group, locality, year
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("fuoco");
    QTest::newRow("name blank")
        << QStringList{"   ", "g", "l", "1999"}
        << "Attenzione: per salvare la scheda è necessario indicare il nome del minerale."
        << "txtTitolo";
    QTest::newRow("group and locality empty")
        << QStringList{"n", "", "", "1999"}
        << "Attenzione: per salvare la scheda è necessario indicare il gruppo di appartenenza del minerale."
        << "txtTipologia";
    QTest::newRow("locality")
        << QStringList{"n", "g", "", ""}
        << "Attenzione: per salvare la scheda è necessario indicare la località di ritrovamento del minerale."
        << "txtEditore";
    QTest::newRow("year")
        << QStringList{"n", "g", "l", ""}
        << "Attenzione: per salvare la scheda è necessario indicare l'anno di ritrovamento del minerale."
        << "txtAnno";
}

void TestEditor::obbligatori() {
    QFETCH(QStringList, valori);
    QFETCH(QString, messaggio);
    QFETCH(QString, fuoco);
    ed->txtTitolo->setText(valori[0]);
    ed->txtTipologia->setText(valori[1]);
    ed->txtEditore->setText(valori[2]);
    ed->txtAnno->setText(valori[3]);
    ed->txtNote->setFocus();
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(), un(Tipo::Avviso, messaggio));
    QCOMPARE(QApplication::focusWidget()->objectName(), fuoco);
    QVERIFY(!QFile::exists(percorsoArchivio));
}

void TestEditor::aggiungiPoiSovrascrivi() {
    scriviArchivio(0);
    digita(ed->txtTitolo, QStringLiteral("  calcite  "));
    ed->txtTipologia->setText(QStringLiteral("Carbonati"));
    ed->txtEditore->setText(QStringLiteral("Località Àlpe"));
    ed->txtAnno->setText(QStringLiteral("87"));
    ed->chkInVendita->setChecked(true);
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(),
             un(Tipo::Informazione, QStringLiteral("La scheda corrente è stata inserita in archivio.")));
    QCOMPARE(ed->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), nullptr);
    QByteArray a = archivio();
    QCOMPARE(a.size(), Fixture::Record);
    QCOMPARE(a.mid(0, 8), QByteArray("\x07"
                                     "calcite"));
    QCOMPARE(a.mid(Fixture::Editore, 14), QByteArray("\x0dLocalit\xe0 \xc0lpe"));
    QCOMPARE(a.mid(Fixture::InVendita, 3), QByteArray("\x02\x53\xec"));
    QCOMPARE(ed->txtTitolo->text(), QStringLiteral("  calcite  ")); // the controls are not refreshed
    QVERIFY(QFile::exists(PercorsoFoto("Quarzi", "1", SlotFoto::A)));
    QVERIFY(QFile::exists(PercorsoFoto("Quarzi", "1", SlotFoto::B)));

    ed->chkInVendita->setChecked(false);
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(),
             un(Tipo::Informazione, QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                                   "state salvate in archivio.")));
    a = archivio();
    QCOMPARE(a.size(), Fixture::Record);
    QCOMPARE(a.mid(Fixture::InVendita, 3), QByteArray("\x02No"));

    // Card 2 of 3 edited: only its record changes.
    scriviArchivio(3);
    const QByteArray prima = archivio();
    ed->lblPosizione->setText(QStringLiteral("2"));
    ed->txtTitolo->setText(QStringLiteral("Nuovo nome"));
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(), un(Tipo::Informazione, Modificata));
    a = archivio();
    QCOMPARE(a.size(), 3 * Fixture::Record);
    QCOMPARE(Fixture::titoloDi(a, 1), QByteArray("Nuovo nome"));
    QCOMPARE(a.left(Fixture::Record), prima.left(Fixture::Record));
    QCOMPARE(a.mid(2 * Fixture::Record), prima.mid(2 * Fixture::Record));
}

void TestEditor::valoreSalvatoSenzaUscire() {
    ed->txtTitolo->setText(QStringLiteral("n"));
    ed->txtTipologia->setText(QStringLiteral("g"));
    ed->txtEditore->setText(QStringLiteral("l"));
    ed->txtAnno->setText(QStringLiteral("2001"));
    ed->txtValore->setFocus();
    ed->txtValore->selectAll();
    QTest::keyClicks(ed->txtValore, QStringLiteral("12,345"));
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(), un(Tipo::Informazione, Inserita));
    QCOMPARE(ed->txtValore->text(), QStringLiteral("12,35"));
    QCOMPARE(archivio().mid(Fixture::Valore, 6), QByteArray("\x05"
                                                            "12,35"));
}

void TestEditor::schedaScomparsaDalFile() {
    scriviArchivio(1);
    ed->lblPosizione->setText(QStringLiteral("3")); // the file was shortened by another program
    for (QLineEdit* e : {ed->txtTitolo, ed->txtTipologia, ed->txtEditore, ed->txtAnno})
        e->setText(QStringLiteral("x"));
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(), un(Tipo::Errore, MessaggioErroreArchivio()));
    QCOMPARE(QFileInfo(percorsoArchivio).size(), Fixture::Record);
    QCOMPARE(ed->lblPosizione->text(), QStringLiteral("3"));
    QVERIFY(!QFile::exists(PercorsoFoto("Quarzi", "3", SlotFoto::A)));
}

void TestEditor::valoreDigitato_data() {
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("mostrato");
    const char* casi[][2] = {
        {"12", "12,00"},      {"12,5", "12,50"},
        {"12,345", "12,35"},  {"12,344", "12,34"},
        {"0012,10", "12,10"}, {"", "0,00"},
        {"007", "7,00"},      {",5", "0,50"},
        {"5,", "5,00"},       {",", "0,00"},
        {"1,2,3", "0,00"},    {"0,004", "0,00"},
        {"0,005", "0,01"},    {"0,125", "0,13"},
        {"0,285", "0,28"},    {"1,005", "1,00"},
        {"2,675", "2,67"},    {"1a2", "12,00"},
        {"1.5", "15,00"},     {"-5", "5,00"},
        {"3 4", "34,00"},     {"123456789012", "123456789012,00"},
    };
    for (const auto& c : casi)
        QTest::newRow(*c[0] ? c[0] : "(empty)") << QString::fromLatin1(c[0]) << QString::fromLatin1(c[1]);
}

void TestEditor::valoreDigitato() {
    QFETCH(QString, digitato);
    QFETCH(QString, mostrato);
    ed->txtValore->setFocus();
    ed->txtValore->clear();
    QTest::keyClicks(ed->txtValore, digitato);
    QTest::keyClick(ed->txtValore, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ed->txtDimensioni);
    QCOMPARE(ed->txtValore->text(), mostrato);
}

void TestEditor::lunghezzeMassime() {
    ed->txtAnno->setFocus();
    QTest::keyClicks(ed->txtAnno, QStringLiteral("19871"));
    QCOMPARE(ed->txtAnno->text(), QStringLiteral("1987"));
    const std::pair<Campo, int> larghezze[] = {{Campo::Titolo, 120},
                                               {Campo::Editore, 250},
                                               {Campo::Valore, 12},
                                               {Campo::Data, 50},
                                               {Campo::Note, 250}};
    for (auto [c, w] : larghezze)
        QCOMPARE(qobject_cast<const TLunghezzaMassima*>(ed->campo(c)->validator())->massimo(), w);
    // Pasting beyond the limit keeps what fits.
    ed->txtAnno->clear();
    QTest::keyClicks(ed->txtAnno, QStringLiteral("19"));
    ed->txtAnno->insert(QStringLiteral("8765"));
    QCOMPARE(ed->txtAnno->text(), QStringLiteral("1987"));
    // Text put in by the program is not cut by the limit.
    TLunghezzaMassima::impostaTesto(ed->txtTitolo, QString(130, u'x'));
    QCOMPARE(ed->txtTitolo->text().size(), 130);
}

void TestEditor::anelloInvio() {
    ed->txtNote->setFocus();
    QTest::keyClick(ed->txtNote, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), ed->txtTitolo);
    QTest::keyClick(ed->txtTitolo, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), ed->txtTipologia);
    ed->txtValore->setFocus();
    QTest::keyClick(ed->txtValore, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), ed->txtDimensioni);
    ed->txtNote->setFocus();
    QTest::keyClick(ed->txtNote, Qt::Key_Tab); // the check box is in the tab order only
    QCOMPARE(QApplication::focusWidget(), ed->chkInVendita);
    QVERIFY(!QFile::exists(percorsoArchivio)); // Enter never saves
}

void TestEditor::evidenziazione() {
    auto evidenziato = [](QLineEdit* e) { return e->property("evidenziato").toBool(); };
    ed->txtSerie->setFocus();
    QVERIFY(evidenziato(ed->txtSerie));
    QVERIFY(!evidenziato(ed->txtTitolo));
    const QColor giallo = ed->txtSerie->grab().toImage().pixelColor(ed->txtSerie->width() / 2, 3);
    QCOMPARE(giallo, QColor(255, 255, 0));
    QCOMPARE(ed->txtTitolo->grab().toImage().pixelColor(ed->txtTitolo->width() - 3, 3),
             QColor(0xF0, 0xF8, 0xFF));
    clic(ed->cmdNuovo); // commands leave focus and highlight where they were... except that a new card
    QCOMPARE(QApplication::focusWidget(), ed->txtTitolo);
    ed->txtSerie->setFocus();
    clic(ed->cmdAvanti);
    QCOMPARE(messaggi(), un(Tipo::Informazione, Vuoto));
    clic(ed->btnCancFoto);
    QCOMPARE(QApplication::focusWidget(), ed->txtSerie);
    QVERIFY(evidenziato(ed->txtSerie));
    clic(ed->cmdSalva);
    QCOMPARE(
        messaggi(),
        un(Tipo::Avviso,
           QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del minerale.")));
    QVERIFY(!evidenziato(ed->txtSerie));
}

void TestEditor::suggerimenti() {
    auto sopra = [](QObject* o) {
        QEvent e(QEvent::Enter);
        QCoreApplication::sendEvent(o, &e);
    };
    const std::pair<QWidget*, const char*> casi[] = {
        {ed->cmdSalva, "Salva la scheda in archivio."},
        {ed->cmdCercaDisponibili, "Visualizza il riepilogo dei campioni mineralogici in vendita."},
        {ed->cmdEsci, "Esci da questa schermata."},
        {ed->btnZoomFoto02, "Visualizza la foto nelle sue dimensioni reali."},
        {ed->btnAcquisisciFoto, "Acquisisci la foto da WebCam."},
    };
    for (auto [w, testo] : casi) {
        sopra(w);
        QCOMPARE(ed->panInfo->text(), QString::fromUtf8(testo));
    }
    sopra(ed->txtTitolo); // edits have no hint and leave it
    QCOMPARE(ed->panInfo->text(), QStringLiteral("Acquisisci la foto da WebCam."));
    sopra(ed->findChild<QWidget*>(QStringLiteral("shpSezione01")));
    QVERIFY(ed->panInfo->text().isEmpty());
    for (auto* b : ed->findChildren<TPulsanteImmagine*>())
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
}

void TestEditor::fotoGrandeIntera() {
    const QString file = percorso(QStringLiteral("grande.jpg"));
    const QByteArray dati = immagine({4000, 3000}, "jpeg");
    scriviFile(file, dati);
    DialoghiFile::Test::accoda(file);
    clic(ed->btnCaricaFoto);
    QCOMPARE(ed->imgFoto->foto().immagine().size(), QSize(4000, 3000));
    QCOMPARE(ed->imgFoto->areaImmagine(), QRect(10, 0, 346, 260)); // reduced to fit, centred
    for (QLineEdit* e : {ed->txtTitolo, ed->txtTipologia, ed->txtEditore, ed->txtAnno})
        e->setText(QStringLiteral("x"));
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(), un(Tipo::Informazione, Inserita));
    QCOMPARE(leggiFile(PercorsoFoto("Quarzi", "1", SlotFoto::A)), dati); // written whole, unchanged
    QCOMPARE(DialoghiFile::Test::richieste().constFirst().titolo,
             QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
}

void TestEditor::fotoPiccolaMaiIngrandita() {
    const QString file = percorso(QStringLiteral("piccola.jpg"));
    scriviFile(file, immagine({300, 200}, "jpeg"));
    DialoghiFile::Test::accoda(file);
    clic(ed->btnCaricaFoto02);
    QCOMPARE(ed->imgFoto02->areaImmagine(), QRect(33, 30, 300, 200));
    QCOMPARE(TRiquadroFoto::adatta({300, 200}, QRect(0, 0, 1220, 934)), QRect(460, 367, 300, 200));
}

void TestEditor::caricaFotoNonImmagine() {
    const QString file = percorso(QStringLiteral("testo.jpg"));
    scriviFile(file, "solo testo");
    DialoghiFile::Test::accoda(percorso(QStringLiteral("piccola.jpg")));
    scriviFile(percorso(QStringLiteral("piccola.jpg")), immagine({30, 20}, "jpeg"));
    clic(ed->btnCaricaFoto);
    DialoghiFile::Test::accoda(file);
    clic(ed->btnCaricaFoto);
    QCOMPARE(ed->imgFoto->foto().immagine(), TfrmCartoline::segnaposto(SlotFoto::A).immagine());
    DialoghiFile::Test::richieste();
}

void TestEditor::caricaAnnullato() {
    scriviFile(percorso(QStringLiteral("p.jpg")), immagine({30, 20}, "jpeg"));
    DialoghiFile::Test::accoda(percorso(QStringLiteral("p.jpg")));
    clic(ed->btnCaricaFoto);
    DialoghiFile::Test::accoda(QString());
    clic(ed->btnCaricaFoto);
    QCOMPARE(ed->imgFoto->foto().immagine().size(), QSize(30, 20));
    DialoghiFile::Test::richieste();
}

void TestEditor::cancellaSenzaSalvare() {
    scriviArchivio(2);
    QDir().mkpath(CartellaFoto());
    const QByteArray a = immagine({40, 30}, "jpeg", Qt::red), b = immagine({20, 10}, "jpeg", Qt::blue);
    scriviFile(PercorsoFoto("Quarzi", "1", SlotFoto::A), a);
    scriviFile(PercorsoFoto("Quarzi", "1", SlotFoto::B), b);
    clic(ed->cmdAvanti);
    QCOMPARE(ed->imgFoto02->foto().immagine().size(), QSize(20, 10));
    clic(ed->btnCancFoto02);
    QCOMPARE(ed->imgFoto02->foto().immagine(), TfrmCartoline::segnaposto(SlotFoto::B).immagine());
    clic(ed->cmdAvanti);
    clic(ed->cmdIndietro);
    QCOMPARE(leggiFile(PercorsoFoto("Quarzi", "1", SlotFoto::B)), b);
    QCOMPARE(ed->imgFoto02->foto().immagine().size(), QSize(20, 10));
}

void TestEditor::copiaPropostaFotoJpg() {
    const QString dest = percorso(QStringLiteral("copia"));
    DialoghiFile::Test::accoda(dest);
    clic(ed->btnSalvaFoto);
    DialoghiFile::Test::accoda(QString());
    clic(ed->btnSalvaFoto02);
    const auto richieste = DialoghiFile::Test::richieste();
    QCOMPARE(richieste.size(), 2);
    for (const auto& r : richieste) {
        QCOMPARE(r.nomeProposto, QStringLiteral("Foto.jpg"));
        QCOMPARE(r.estensione, QStringLiteral("jpg"));
        QCOMPARE(r.titolo,
                 QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    }
    const Foto copia = Foto::daFile(dest + QStringLiteral(".jpg"));
    QCOMPARE(copia.immagine().size(), QSize(366, 260));
}

void TestEditor::bmpSalvataComeJpeg() {
    const QString bmp = percorso(QStringLiteral("foto.bmp"));
    scriviFile(bmp, immagine({64, 48}, "bmp"));
    DialoghiFile::Test::accoda(bmp);
    clic(ed->btnCaricaFoto);
    DialoghiFile::Test::richieste();
    for (QLineEdit* e : {ed->txtTitolo, ed->txtTipologia, ed->txtEditore, ed->txtAnno})
        e->setText(QStringLiteral("x"));
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(), un(Tipo::Informazione, Inserita));
    const QByteArray scritto = leggiFile(PercorsoFoto("Quarzi", "1", SlotFoto::A));
    QVERIFY(scritto.startsWith("\xFF\xD8\xFF"));
    QCOMPARE(Foto::daDati(scritto).immagine().size(), QSize(64, 48));
}

void TestEditor::zoom() {
    QImage img(300, 200, QImage::Format_RGB32);
    img.fill(Qt::green);
    TfrmZoom z(ed.get(), Foto(img));
    QCOMPARE(z.windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    z.show();
    const QSize schermo = z.screen()->size();
    QCOMPARE(z.imgFoto->size(), QSize(schermo.width() - 60, schermo.height() - 90));
    QCOMPARE(z.imgFoto->areaImmagine().size(), QSize(300, 200)); // never enlarged
    QCOMPARE(z.imgFoto->areaImmagine().center(), z.imgFoto->rect().center());
    QTest::mouseClick(z.imgFoto, Qt::LeftButton, {}, z.imgFoto->rect().center());
    QVERIFY(!z.isVisible());
    QCOMPARE(z.result(), int(QDialog::Accepted));
}

// A 4000 x 3000 photo is decoded reduced for the screen: what the slot and the zoom window paint must
// be the whole photo as sharp as a reduction of the full picture, not a smaller copy stretched.
void TestEditor::fotoGrandeMostrataNitida_data() {
    QTest::addColumn<bool>("nelloZoom");
    QTest::newRow("slot") << false;
    QTest::newRow("zoom window") << true;
}

void TestEditor::fotoGrandeMostrataNitida() {
    QFETCH(bool, nelloZoom);
    QImage scacchi(4000, 3000, QImage::Format_RGB32); // squares of 40 pixels: sharp edges at any size
    for (int y = 0; y < scacchi.height(); ++y)
        for (int x = 0; x < scacchi.width(); ++x)
            scacchi.setPixel(x, y, (x / 40 + y / 40) % 2 ? qRgb(230, 225, 210) : qRgb(40, 30, 60));
    const QString file = percorso(QStringLiteral("scacchi.jpg"));
    QVERIFY(scacchi.save(file, "JPEG", 90));
    DialoghiFile::Test::accoda(file);
    clic(ed->btnCaricaFoto);
    DialoghiFile::Test::richieste();

    std::unique_ptr<TfrmZoom> z;
    TRiquadroFoto* r = ed->imgFoto;
    if (nelloZoom) {
        z = std::make_unique<TfrmZoom>(ed.get(), ed->imgFoto->foto());
        z->show();
        r = z->imgFoto;
    }
    const QRect area = r->areaImmagine();
    QCOMPARE(area, TRiquadroFoto::adatta({4000, 3000}, r->rect()));
    QImage dipinto(r->size(), QImage::Format_RGB32);
    r->render(&dipinto);
    const QImage mostrato = dipinto.copy(area);
    const QImage atteso = QImage(file).scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 scarto = 0;
    for (int y = 0; y < atteso.height(); ++y)
        for (int x = 0; x < atteso.width(); ++x)
            scarto += std::abs(qGray(mostrato.pixel(x, y)) - qGray(atteso.pixel(x, y)));
    const double medio = double(scarto) / (atteso.width() * atteso.height());
    QVERIFY2(medio < 6, qPrintable(QString::number(medio)));
}

// After a save and the window active again, no field has the focus or the highlight, and a typed key
// changes nothing.
void TestEditor::nessunCampoDopoSalvataggio() {
    for (QLineEdit* e : {ed->txtTitolo, ed->txtTipologia, ed->txtEditore, ed->txtAnno})
        e->setText(QStringLiteral("x"));
    ed->txtSerie->setFocus();
    clic(ed->cmdSalva);
    QCOMPARE(messaggi(), un(Tipo::Informazione, Inserita));
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(ed.get());
    QVERIFY(QTest::qWaitForWindowActive(ed.get()));
    const auto campi = ed->findChildren<QLineEdit*>();
    for (QLineEdit* e : campi) {
        QVERIFY2(!e->hasFocus(), qPrintable(e->objectName()));
        QVERIFY2(!e->property("evidenziato").toBool(), qPrintable(e->objectName()));
    }
    QStringList prima;
    for (QLineEdit* e : campi)
        prima << e->text();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("q"));
    QStringList dopo;
    for (QLineEdit* e : campi)
        dopo << e->text();
    QCOMPARE(dopo, prima);
}

// The window appearing under a resting pointer is not a move over the background.
void TestEditor::testoInizialeSottoIlPuntatore() {
    ed.reset();
    TfrmCartoline finestra;
    finestra.mostra();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    QCoreApplication::processEvents();
    QCOMPARE(finestra.panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    // Shown again with the pointer resting over a field.
    const QPoint sopraCampo = finestra.txtTitolo->mapTo(&finestra, QPoint(5, 5));
    finestra.hide();
    QCursor::setPos(finestra.mapToGlobal(sopraCampo));
    finestra.mostra();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    QCoreApplication::processEvents();
    QCOMPARE(finestra.panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
}

// Labels whose text the program changes expose that text to screen readers.
void TestEditor::etichetteLette_data() {
    QTest::addColumn<QString>("nome");
    QTest::newRow("card number") << "lblPosizione";
    QTest::newRow("catalogue name") << "lblNome";
    QTest::newRow("status line") << "panInfo";
}

void TestEditor::etichetteLette() {
    QFETCH(QString, nome);
    scriviArchivio(2);
    clic(ed->cmdUltimo);
    // A hint in the status line.
    QEvent sopra(QEvent::Enter);
    QCoreApplication::sendEvent(ed->cmdSalva, &sopra);
    auto* l = ed->findChild<QLabel*>(nome);
    QVERIFY(l);
    QVERIFY(!l->text().isEmpty());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l);
    QVERIFY(a);
    QCOMPARE(a->text(QAccessible::Name), l->text());
}

void TestEditor::zoomOccupaLoSchermo() {
    TfrmZoom z(ed.get(), TfrmCartoline::segnaposto(SlotFoto::A));
    QRect mostrata;
    QTimer::singleShot(0, &z, [&] {
        mostrata = z.frameGeometry();
        z.accept();
    });
    z.exec();
    QVERIFY(z.isMaximized());
    QVERIFY2(mostrata.contains(z.screen()->availableGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                                .arg(mostrata.x())
                                                                                .arg(mostrata.y())
                                                                                .arg(mostrata.width())
                                                                                .arg(mostrata.height())));
}

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
