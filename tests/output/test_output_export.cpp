// The spreadsheet export: the file's bytes against expected files written from the format, the grid
// filled from an archive and edited in place, the questions and the failure message.
#include "SchedeEsportazione.h"
#include "TestSupport.h"

#include "output/Esportazione.h"
#include "output/ExpCartoline.h"
#include "output/ModelloEsportazione.h"
#include "storage/Archivio.h"
#include "ui/ArgomentiGuida.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"
#include "ui/Stile.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

using Messaggi::Mostrato;
using Messaggi::Risposta;
using Messaggi::Tipo;

namespace {

const QString Domanda =
    QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                   "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString Esportato = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString NonEsportato = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                            "Accertarsi che il file di Excel non sia già aperto.");

QByteArray atteso(const char* nome) {
    QFile f(QStringLiteral(DATI_ESPORTAZIONE "/") + QLatin1String(nome));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing expected file %s", nome);
    return f.readAll();
}

QByteArray cella(const QByteArray& testo) {
    return "<td style=\"text-align: left;\">" + testo + "</td>";
}

} // namespace

class TestOutputExport : public TestGeodario {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void esportazione_data();
    void esportazione();
    void griglia();
    void modifica_data();
    void modifica();
    void primaRispostaNo();
    void secondaRispostaNo();
    void esportazioneFallita();
    void letturaFallita();
    void suggerimenti();
    void celle_data();
    void celle();
    void fileGrande();
    void modelloSenzaFinestra();

private:
    // The window over the archive, shown and active so that it gets mouse and keyboard input.
    void apri();
    // Presses the export button answering the two questions.
    void esporta(Risposta prima, Risposta seconda);
    QString archivio, xls;
    std::unique_ptr<TfrmExpCartoline> w;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

void TestOutputExport::init() {
    TestGeodario::init();
    archivio = percorso(QStringLiteral("Minerali.ima"));
    xls = percorso(QStringLiteral("Archivio_Minerali.xls"));
}

void TestOutputExport::cleanup() {
    tester.reset();
    w.reset();
    TestGeodario::cleanup();
}

void TestOutputExport::apri() {
    // The editor's label may hold blanks around the path.
    w = std::make_unique<TfrmExpCartoline>(nullptr, QStringLiteral("  ") + archivio + QStringLiteral(" "));
    tester = std::make_unique<QAbstractItemModelTester>(
        w->modello(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
}

void TestOutputExport::esporta(Risposta prima, Risposta seconda) {
    Messaggi::Test::accoda(prima);
    if (prima != Risposta::No)
        Messaggi::Test::accoda(seconda);
    QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
}

void TestOutputExport::esportazione_data() {
    QTest::addColumn<bool>("esiste");
    QTest::addColumn<QList<QByteArray>>("records");
    QTest::addColumn<QByteArray>("coda");
    QTest::addColumn<QString>("oro");
    QTest::addColumn<QStringList>("numeri");
    const QList<QByteArray> due = {schede::conAccenti(), schede::inVendita()};
    QTest::newRow("due schede") << true << due << QByteArray() << "piccolo.xls" << QStringList{"1", "2"};
    // Only whole records count: a trailing partial one is neither shown nor exported.
    QTest::newRow("scheda parziale in coda")
        << true << due << QByteArray(100, 'x') << "piccolo.xls" << QStringList{"1", "2"};
    QTest::newRow("archivio vuoto") << true << QList<QByteArray>{} << QByteArray() << "vuoto.xls"
                                    << QStringList(10, QString());
    QTest::newRow("archivio mancante")
        << false << QList<QByteArray>{} << QByteArray() << "vuoto.xls" << QStringList(10, QString());
}

void TestOutputExport::esportazione() {
    QFETCH(bool, esiste);
    QFETCH(QList<QByteArray>, records);
    QFETCH(QByteArray, coda);
    QFETCH(QString, oro);
    QFETCH(QStringList, numeri);
    if (esiste)
        QVERIFY(schede::scrivi(archivio, QList<QByteArray>(records) << coda));
    scriviFile(xls, "esportazione precedente");
    apri();

    auto* m = w->modello();
    QCOMPARE(m->rowCount(), numeri.size());
    for (int r = 0; r < numeri.size(); ++r)
        QCOMPARE(m->index(r, 0).data().toString(), numeri[r]);
    QVERIFY(QFile::exists(archivio)); // a missing archive is created empty

    esporta(Risposta::Si, Risposta::Si);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, Domanda}, {Tipo::Conferma, Esportato}}));
    const QByteArray file = leggiFile(xls);
    QCOMPARE(file, atteso(qPrintable(oro)));
    QVERIFY(!file.contains('\r') && !file.contains('\n'));
    QCOMPARE(TMisc::aperti(), QStringList{QLatin1Char('"') + xls + QLatin1Char('"')});
    QVERIFY(w->isVisible()); // the window stays open
    // The archive is only read.
    QCOMPARE(leggiFile(archivio), esiste ? QByteArray(records.join() + coda) : QByteArray());
    // Nothing but the export is left in the folder.
    QDir cartella(this->cartella());
    QCOMPARE(cartella.entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"Archivio_Minerali.xls", "Minerali.ima"}));
}

void TestOutputExport::griglia() {
    QVERIFY(schede::scrivi(archivio, {schede::conAccenti(), schede::inVendita()}));
    w = std::make_unique<TfrmExpCartoline>(nullptr, archivio);
    auto* g = w->grdRecords;
    // Before it is shown: ten empty rows.
    QCOMPARE(w->modello()->rowCount(), 10);
    QCOMPARE(w->windowTitle(), QStringLiteral(" Esporta archivio minerali in Excel"));
    QCOMPARE(w->size(), QSize(862, 560));
    QCOMPARE(w->panContainer->size(), QSize(837, 533));
    QCOMPARE(g->size(), QSize(821, 409));
    QCOMPARE(w->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    w->show();

    QCOMPARE(g->model()->columnCount(), 23);
    const std::tuple<int, const char*, int> colonne[] = {{0, "N.", 60},
                                                         {1, "Nome del minerale", 280},
                                                         {3, "Località di ritrovamento", 300},
                                                         {6, "Anno ritrovamento", 180},
                                                         {10, "Rarità", 200},
                                                         {22, "In vendita", 120}};
    for (auto [c, testo, larghezza] : colonne) {
        QCOMPARE(g->model()->headerData(c, Qt::Horizontal).toString(), QString::fromUtf8(testo));
        QCOMPARE(g->horizontalHeader()->sectionSize(c), larghezza);
    }
    QCOMPARE(g->verticalHeader()->sectionSize(1), 21);
    QVERIFY(g->alternatingRowColors());
    QVERIFY(g->palette().color(QPalette::AlternateBase) != g->palette().color(QPalette::Base));

    // Cells hold the values trimmed; the attachments are not shown.
    const auto testo = [&](int r, int c) { return g->model()->index(r, c).data().toString(); };
    QCOMPARE(testo(0, 3), QStringLiteral("Località Rio Marina, Isola d'Elba"));
    QCOMPARE(testo(0, 21), QStringLiteral("Dono di un amico; più di 10 €"));
    QCOMPARE(testo(1, 1), QStringLiteral("Pirite & marcasite"));
    QCOMPARE(testo(1, 2), QStringLiteral("Solfuri"));
    QCOMPARE(testo(1, 3), QStringLiteral("Rio  Marina"));
    QCOMPARE(testo(1, 22), QStringLiteral("Sì"));
    for (int c = 0; c < 23; ++c)
        QVERIFY(!testo(0, c).contains(QStringLiteral("ertificat")));

    for (QWidget* c : std::initializer_list<QWidget*>{w->cmdEsporta, w->cmdGuida, w->cmdEsci, g}) {
        QVERIFY(!c->accessibleName().isEmpty());
        QVERIFY(!c->objectName().isEmpty());
    }
    for (auto* b : {w->cmdEsporta, w->cmdGuida, w->cmdEsci})
        QVERIFY(b->immagineValida());
    QVERIFY(w->panInfo->accessibleName().isEmpty()); // read by its text

    QTest::mouseClick(w->cmdEsci, Qt::LeftButton);
    QVERIFY(!w->isVisible());
}

void TestOutputExport::modifica_data() {
    QTest::addColumn<int>("colonna");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<bool>("invio");         // confirmed with Enter, or still open when the export starts
    QTest::addColumn<QByteArray>("nelFile"); // the row's cell in the file; empty when the edit is refused
    QTest::newRow("gruppo") << 2 << QStringLiteral("Solfuri di ferro") << true
                            << QByteArray("Solfuri di ferro");
    QTest::newRow("valore non confermato") << 7 << QStringLiteral("40,00") << false << QByteArray("40,00");
    QTest::newRow("rarità con accento")
        << 10 << QStringLiteral("Più rara <3") << true << QByteArray("Pi\xF9 rara &lt;3");
    // The file's code page has no Greek letters.
    QTest::newRow("carattere fuori codifica")
        << 21 << QStringLiteral("α & β") << true << QByteArray("? &amp; ?");
    QTest::newRow("in vendita") << 22 << QStringLiteral(" No ") << true << QByteArray("No");
    QTest::newRow("numero") << 0 << QStringLiteral("99") << true << QByteArray();
    QTest::newRow("nome") << 1 << QStringLiteral("Oro") << true << QByteArray();
    QTest::newRow("località") << 3 << QStringLiteral("Altrove") << true << QByteArray();
    QTest::newRow("formula") << 11 << QStringLiteral("Au") << true << QByteArray();
}

void TestOutputExport::modifica() {
    QFETCH(int, colonna);
    QFETCH(QString, digitato);
    QFETCH(bool, invio);
    QFETCH(QByteArray, nelFile);
    QVERIFY(schede::scrivi(archivio, {schede::conAccenti(), schede::inVendita()}));
    apri();
    auto* g = w->grdRecords;
    const QModelIndex i = g->model()->index(1, colonna);
    const QString prima = i.data().toString();
    g->scrollTo(i);
    const QPoint centro = g->visualRect(i).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, centro);
    auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(i));
    if (nelFile.isEmpty()) {
        QVERIFY(!editor);
        QVERIFY(!(g->model()->flags(i) & Qt::ItemIsEditable));
        digita(g, digitato);
        QVERIFY(!g->model()->setData(i, digitato));
        QCOMPARE(i.data().toString(), prima);
        esporta(Risposta::Si, Risposta::No);
        QCOMPARE(leggiFile(xls), atteso("piccolo.xls"));
    } else {
        QVERIFY(editor);
        QCOMPARE(editor->text(), prima);
        editor->selectAll();
        digita(editor, digitato);
        if (invio) {
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(i.data().toString(), digitato); // the view commits on its next turn
            QVERIFY(!g->indexWidget(i));
        }
        esporta(Risposta::Si, Risposta::No);
        QCOMPARE(i.data().toString(), digitato);
        // The second row of the file, cell by cell from the expected file with this one changed.
        QByteArray riga = atteso("piccolo.xls");
        const qsizetype inizioRiga = riga.lastIndexOf("<tr>");
        qsizetype pos = inizioRiga;
        for (int c = 1; c <= colonna; ++c)
            pos = riga.indexOf("<td", pos + 1);
        const qsizetype fine = riga.indexOf("</td>", pos) + 5;
        riga.replace(pos, fine - pos, cella(nelFile));
        QCOMPARE(leggiFile(xls), riga);
    }
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, Domanda}, {Tipo::Conferma, Esportato}}));
    QVERIFY(TMisc::aperti().isEmpty());
    // The archive never changes.
    QCOMPARE(leggiFile(archivio), schede::conAccenti() + schede::inVendita());
}

void TestOutputExport::primaRispostaNo() {
    QVERIFY(schede::scrivi(archivio, {schede::conAccenti()}));
    scriviFile(xls, "esportazione precedente");
    apri();
    esporta(Risposta::No, Risposta::No);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, Domanda}}));
    QCOMPARE(leggiFile(xls), QByteArray("esportazione precedente"));
    QVERIFY(TMisc::aperti().isEmpty());
}

void TestOutputExport::secondaRispostaNo() {
    QVERIFY(schede::scrivi(archivio, {schede::conAccenti(), schede::inVendita()}));
    apri();
    esporta(Risposta::Si, Risposta::No);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, Domanda}, {Tipo::Conferma, Esportato}}));
    QCOMPARE(leggiFile(xls), atteso("piccolo.xls"));
    QVERIFY(TMisc::aperti().isEmpty());
    // A second export replaces the first with the same bytes.
    esporta(Risposta::Si, Risposta::No);
    QCOMPARE(messaggi().size(), 2);
    QCOMPARE(leggiFile(xls), atteso("piccolo.xls"));
}

void TestOutputExport::esportazioneFallita() {
    // The name is taken by a folder: the file cannot be written.
    QVERIFY(schede::scrivi(archivio, {schede::conAccenti()}));
    QVERIFY(QDir().mkdir(xls));
    scriviFile(xls + "/dentro.txt", "resta");
    apri();
    Messaggi::Test::accoda(Risposta::Si); // the second question is never asked
    QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, Domanda}, {Tipo::Semplice, NonEsportato}}));
    QVERIFY(QFileInfo(xls).isDir());
    QCOMPARE(leggiFile(xls + "/dentro.txt"), QByteArray("resta"));
    QVERIFY(TMisc::aperti().isEmpty());
    QCOMPARE(QDir(cartella()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"Archivio_Minerali.xls", "Minerali.ima"}));
    QVERIFY(w->isVisible());
}

void TestOutputExport::letturaFallita() {
    // An archive that cannot be read leaves the ten empty rows and shows nothing.
    QVERIFY(QDir().mkdir(archivio));
    apri();
    QCOMPARE(w->modello()->rowCount(), 10);
    QCOMPARE(messaggi(), QList<Mostrato>{});
    esporta(Risposta::Si, Risposta::No);
    QCOMPARE(messaggi().size(), 2);
    QCOMPARE(leggiFile(xls), atteso("vuoto.xls"));
}

void TestOutputExport::suggerimenti() {
    apri();
    const auto sopra = [](QObject* o) {
        QEvent e(QEvent::Enter);
        QCoreApplication::sendEvent(o, &e);
    };
    const std::pair<QWidget*, const char*> casi[] = {
        {w->cmdEsporta, "Esporta l'archivio in formato Microsoft Excel."},
        {w->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {w->cmdEsci, "Esci da questo ambiente di lavoro."},
    };
    const QList<QWidget*> sfondi = {w.get(),      w->panContainer, w->grdRecords, w->grdRecords->viewport(),
                                    w->shpSfondo, w->shpInfo};
    for (auto [b, testo] : casi) {
        for (QWidget* s : sfondi) {
            sopra(b);
            QCOMPARE(w->panInfo->text(), QString::fromUtf8(testo));
            sopra(s);
            QVERIFY2(w->panInfo->text().isEmpty(), qPrintable(s->objectName()));
        }
    }
    // The help button opens the export topic in the help window.
    QString titolo;
    QTimer::singleShot(0, [&] {
        if (auto* g = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (auto* l = g->findChild<QLabel*>(QStringLiteral("lblTitolo")))
                titolo = l->text();
            g->close();
        }
    });
    QTest::mouseClick(w->cmdGuida, Qt::LeftButton);
    QCOMPARE(titolo, ArgomentiGuida::titolo(Argomento::Esportazione));
    QVERIFY(w->isVisible());
}

void TestOutputExport::celle_data() {
    QTest::addColumn<QString>("valore");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("vuota") << QString() << QByteArray();
    QTest::newRow("spazi e controlli ai lati") << QStringLiteral("\t\x01 a  b \r\n") << QByteArray("a  b");
    QTest::newRow("markup") << QStringLiteral("<b>&amp;</b>") << QByteArray("&lt;b&gt;&amp;amp;&lt;/b&gt;");
    QTest::newRow("a capo all'interno")
        << QStringLiteral("riga 1\r\nriga 2") << QByteArray("riga 1\r\nriga 2");
    QTest::newRow("spazio non separabile resta")
        << QStringLiteral("\u00A0x\u00A0") << QByteArray("\xA0x\xA0");
    QTest::newRow("euro e virgolette") << QStringLiteral("“10 €”")
                                       << QByteArray("\x93"
                                                     "10 \x80\x94");
    // A character without a Windows-1252 form may become "<" only through the conversion: still escaped.
    QTest::newRow("minore piccolo") << QStringLiteral("\uFE64") << QByteArray("&lt;");
}

void TestOutputExport::celle() {
    QFETCH(QString, valore);
    QFETCH(QByteArray, bytes);
    QByteArray out;
    Esportazione::aggiungiCella(out, valore);
    QCOMPARE(out, cella(bytes));
}

void TestOutputExport::fileGrande() {
    // Many rows, written in several pieces: the file is the same as written at once.
    Esportazione::Griglia righe(5000);
    for (std::size_t r = 0; r < righe.size(); ++r)
        for (int c = 0; c < Esportazione::NumeroColonne; ++c)
            righe[r][c] = QStringLiteral("riga %1 colonna %2 %3").arg(r).arg(c).arg(QString(c * 3, u'à'));
    QList<qsizetype> fatte;
    QVERIFY(Esportazione::scrivi(xls, righe, [&](qsizetype f, qsizetype totale) {
        QCOMPARE(totale, qsizetype(5000));
        fatte << f;
    }));
    const QByteArray file = leggiFile(xls);
    QVERIFY(file.size() > 4 * 1024 * 1024);
    QCOMPARE(file, Esportazione::contenuto(righe));
    QCOMPARE(file.count("<tr>"), 5001);
    QVERIFY(fatte.size() > 2);
    QVERIFY(std::is_sorted(fatte.begin(), fatte.end()));
    QCOMPARE(fatte.last(), qsizetype(5000));
}

void TestOutputExport::modelloSenzaFinestra() {
    TModelloEsportazione m;
    QAbstractItemModelTester t(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Two equal cards in a row, then a different one.
    QVERIFY(schede::scrivi(archivio, {schede::conAccenti(), schede::conAccenti(), schede::inVendita()}));
    Esportazione::Griglia righe = Esportazione::grigliaIniziale();
    TArchivio a;
    a.ApriOCrea(archivio);
    Esportazione::riempiGriglia(a, righe);
    a.Chiudi();
    m.impostaRighe(std::move(righe));
    QCOMPARE(m.rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(m.index(r, 0).data().toString(), QString::number(r + 1));
    for (int c = 1; c < Esportazione::NumeroColonne; ++c)
        QCOMPARE(m.righe()[1][c], m.righe()[0][c]);
    QCOMPARE(m.righe()[2][2], QStringLiteral("Solfuri"));
    QCOMPARE(m.righe()[2][4], QString());
    // An edit changes its own cell only, also where two rows held the same value.
    QVERIFY(m.setData(m.index(1, 13), QStringLiteral("Basalto")));
    QCOMPARE(m.righe()[1][13], QStringLiteral("Basalto"));
    QCOMPARE(m.righe()[0][13], QStringLiteral("Granito"));
    QVERIFY(!m.setData(m.index(1, 12), QStringLiteral("Aciculare")));
    QCOMPARE(m.righe()[1][12], QStringLiteral("Prismatico"));
}

QTEST_MAIN(TestOutputExport)
#include "test_output_export.moc"
