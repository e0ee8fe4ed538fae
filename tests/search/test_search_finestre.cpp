// The search window and the for-sale list driven through their controls, with a record editor as
// opener, and once end to end from the editor's own buttons.
#include "Record.h"
#include "TestSupport.h"

#include "editor/Cartoline.h"
#include "search/InVendita.h"
#include "search/ModelloElenco.h"
#include "search/TrovaCartoline.h"
#include "storage/Archivio.h"
#include "ui/Stampa.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTimer>

using namespace Fixture;

namespace {

const QString ErroreArchivio = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");
const QString ListaVuota = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

QByteArray conNote(QByteArray r, const QByteArray& note) {
    r[Note] = char(note.size());
    r.replace(Note + 1, note.size(), note);
    return r;
}

QStringList righeDi(TFinestraElenco& f) {
    return f.modello()->righe();
}

void doppioClicSu(QListView* l, int riga) {
    const QRect r = l->visualRect(l->model()->index(riga, 0));
    QVERIFY(r.isValid());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, r.center());
}

// Keeps the keyboard focus events flowing, which the focus frames follow.
void attiva(QWidget* w) {
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// A failed check inside a modal window must not leave the test waiting on it.
void chiudiFinestraModale() {
    if (QWidget* w = QApplication::activeModalWidget())
        w->close();
}

} // namespace

class TestSearchFinestre : public TestGeodario {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stampaEdEtichette();

    void ricercaDaiControlli();
    void riepilogo_data();
    void riepilogo();
    void ricercaSenzaArchivio();
    void invioNeiFiltri();
    void trovaDaiControlli();
    void trovaSuListaVuota();
    void doppioClic_data();
    void doppioClic();
    void inVenditaElenco();
    void inVenditaDoppioClic();
    void inVenditaSenzaArchivio();
    void dallEditor();

private:
    QString archivio() const { return percorso(QStringLiteral("Quarzi.ima")); }
    std::unique_ptr<TfrmCartoline> editor;
};

void TestSearchFinestre::init() {
    TestGeodario::init();
    editor = std::make_unique<TfrmCartoline>();
    editor->lblFile->setText(QStringLiteral("  ") + archivio() + QStringLiteral(" "));
    editor->lblNome->setText(QStringLiteral("Quarzi"));
}

void TestSearchFinestre::cleanup() {
    editor.reset();
    TestGeodario::cleanup();
}

void TestSearchFinestre::ricercaDaiControlli() {
    QVERIFY(scrivi(archivio(), {card("Quarzo rosa", "Ossidi", "Elba", "1987", "12,00"),
                                card("quarzo affumicato", "Ossidi", "Baveno", "2019"),
                                card("Quarzo", "Silicati"), card("Calcite", "Ossidi")}));
    TfrmTrovaCartoline f(editor.get());
    f.lblMemory->setText(QStringLiteral("cartoline"));
    f.show();
    QVERIFY(f.panAvvio->isVisible());
    QVERIFY(!f.panContainer->isVisible());
    QVERIFY(!f.lblAttendere->isVisible());
    QCOMPARE(f.focusWidget(), f.txtTitolo);
    QCOMPARE(f.windowTitle(), QStringLiteral(" Trova campioni mineralogici in archivio"));

    QTest::keyClicks(f.txtTitolo, "QUARZO");
    QTest::keyClicks(f.txtTipologia, "ossidi");
    QTest::keyClicks(f.txtNote, "   ");
    QTest::mousePress(f.btnCerca, Qt::LeftButton);
    QVERIFY(f.lblAttendere->isVisible());
    QCOMPARE(f.lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    QVERIFY(f.panAvvio->isVisible());
    QTest::mouseRelease(f.btnCerca, Qt::LeftButton);

    QCOMPARE(f.lblConta->text(), QStringLiteral("2"));
    QVERIFY(f.panContainer->isVisible());
    QVERIFY(!f.panAvvio->isVisible());
    QCOMPARE(f.focusWidget(), f.txtTrova);
    QCOMPARE(f.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
    const QStringList righe = righeDi(f);
    QCOMPARE(righe.size(), 2);
    QVERIFY(righe[0].startsWith(QStringLiteral("quarzo affumicato ")));
    QVERIFY(righe[1].startsWith(QStringLiteral("Quarzo rosa ")));
    QVERIFY(righe[1].endsWith(QStringLiteral("  Anno: 1987  € 12,00")));

    // The item look: fixed pitch, long lines scroll sideways.
    const QModelIndex i = f.lstRecords->model()->index(0, 0);
    QCOMPARE(i.data(Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier New"));
    QCOMPARE(i.data(Qt::FontRole).value<QFont>().pointSize(), 12);
    QCOMPARE(i.data(Qt::SizeHintRole).toSize().width(), 1600);
    QCOMPARE(f.lstRecords->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(f.lstRecords->horizontalScrollBar()->maximum() > 0);
    QAbstractItemModelTester tester(f.lstRecords->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);

    QTest::mouseClick(f.btnChiudi, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QCOMPARE(f.lstRecords->model()->rowCount(), 0);
    QVERIFY(!f.lblAttendere->isVisible());
}

void TestSearchFinestre::riepilogo_data() {
    QTest::addColumn<int>("schede");
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QString>("riepilogo");
    QTest::newRow("missing archive: created empty") << -1 << ""
                                                    << "Il presente riepilogo contiene 0 schede.";
    QTest::newRow("empty archive, no filter") << 0 << ""
                                              << "Il presente riepilogo contiene 0 schede.";
    QTest::newRow("no filter: every card") << 3 << ""
                                           << "Il presente riepilogo contiene 3 schede.";
    QTest::newRow("one hit: plural all the same") << 3 << "2"
                                                  << "Il presente riepilogo contiene 1 schede.";
}

void TestSearchFinestre::riepilogo() {
    QFETCH(int, schede);
    QFETCH(QString, filtro);
    QFETCH(QString, riepilogo);
    QList<QByteArray> records;
    for (int i = 0; i < schede; ++i)
        records.append(card("Calcite " + QByteArray::number(i), "Carbonati"));
    if (schede >= 0)
        QVERIFY(scrivi(archivio(), records));
    TfrmTrovaCartoline f(editor.get());
    f.show();
    QTest::keyClicks(f.txtTitolo, filtro);
    QTest::mouseClick(f.btnCerca, Qt::LeftButton);
    QCOMPARE(f.lblTrovate->text(), riepilogo);
    QVERIFY(f.panContainer->isVisible());
    QVERIFY(QFile::exists(archivio()));
}

void TestSearchFinestre::ricercaSenzaArchivio() {
    QVERIFY(QDir().mkpath(archivio())); // a folder where the archive should be: it cannot be opened
    TfrmTrovaCartoline f(editor.get());
    f.show();
    QTest::keyClicks(f.txtTitolo, "quarzo");
    QTest::mouseClick(f.btnCerca, Qt::LeftButton);
    QCOMPARE(messaggi(), (QList<Messaggi::Mostrato>{{Messaggi::Tipo::Semplice, ErroreArchivio}}));
    QVERIFY(f.panAvvio->isVisible());
    QVERIFY(!f.panContainer->isVisible());
    QVERIFY(!f.lblAttendere->isVisible());
    QCOMPARE(f.txtTitolo->text(), QStringLiteral("quarzo"));
}

void TestSearchFinestre::invioNeiFiltri() {
    TfrmTrovaCartoline f(editor.get());
    attiva(&f);
    const QStringList ordine{"txtTipologia", "txtEditore",      "txtSerie", "txtDescrizione", "txtAnno",
                             "txtMittente",  "txtDestinatario", "txtCarta", "txtNote",        "txtTitolo"};
    const QStringList riquadri{"effCampo02", "effCampo09", "effCampo10", "effCampo05", "effCampo06",
                               "effCampo07", "effCampo08", "effCampo03", "effCampo04", "effCampo01"};
    QCOMPARE(QApplication::focusWidget(), f.txtTitolo);
    for (int i = 0; i < ordine.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), ordine[i]);
        // Only the focused filter's frame shows, 4 units round it.
        const auto* campo = QApplication::focusWidget();
        for (const QString& r : riquadri) {
            auto* cornice = f.findChild<QWidget*>(r);
            QVERIFY(cornice);
            QCOMPARE(cornice->isVisible(), r == riquadri[i]);
            if (r == riquadri[i]) {
                QCOMPARE(cornice->geometry(), campo->geometry().adjusted(-4, -4, 4, 4));
                QCOMPARE(cornice->size(), QSize(328, 30));
            }
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), f.txtTipologia);
    // Enter never searched.
    QVERIFY(f.panAvvio->isVisible());
    QVERIFY(!f.lblAttendere->isVisible());
    QCOMPARE(f.lblConta->text(), QStringLiteral("0"));
}

void TestSearchFinestre::trovaDaiControlli() {
    QVERIFY(scrivi(archivio(), {card("Calcite rossa", "Carbonati"), card("Quarzo", "Ossidi"),
                                card("calcite bianca", "Carbonati"), card("Fluorite", "Alogenuri")}));
    TfrmTrovaCartoline f(editor.get());
    attiva(&f);
    QTest::mouseClick(f.btnCerca, Qt::LeftButton);
    QCOMPARE(righeDi(f).size(), 4);
    auto selezionata = [&] {
        const auto s = f.lstRecords->selectionModel()->selectedRows();
        return s.isEmpty() ? -1 : s.first().row();
    };
    QTest::keyClicks(f.txtTrova, "CALCITE");
    QTest::keyClick(f.txtTrova, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.btnTrova);
    QCOMPARE(selezionata(), -1); // Enter did not press Trova
    QTest::mouseClick(f.btnTrova, Qt::LeftButton);
    QCOMPARE(selezionata(), 0);                  // "calcite bianca"
    QTest::keyClick(f.btnTrova, Qt::Key_Return); // Enter on the focused button presses it
    QCOMPARE(selezionata(), 1);                  // "Calcite rossa"
    QTest::mouseClick(f.btnTrova, Qt::LeftButton);
    QCOMPARE(selezionata(), 0); // wrapped to the top
    f.txtTrova->setText(QStringLiteral("zircone"));
    QTest::mouseClick(f.btnTrova, Qt::LeftButton);
    QCOMPARE(selezionata(), 0);
    f.txtTrova->setText(QStringLiteral("quarzo"));
    QTest::mouseClick(f.btnTrova, Qt::LeftButton);
    QCOMPARE(righeDi(f).at(selezionata()).left(6), QStringLiteral("Quarzo"));
}

void TestSearchFinestre::trovaSuListaVuota() {
    TfrmTrovaCartoline f(editor.get());
    f.show();
    QTest::mouseClick(f.btnCerca, Qt::LeftButton);
    QTest::keyClicks(f.txtTrova, "x");
    QTest::mouseClick(f.btnTrova, Qt::LeftButton);
    QCOMPARE(messaggi(), (QList<Messaggi::Mostrato>{{Messaggi::Tipo::Semplice, ListaVuota}}));
}

void TestSearchFinestre::doppioClic_data() {
    QTest::addColumn<QString>("marcatore");
    QTest::addColumn<bool>("seleziona");
    QTest::addColumn<bool>("archivioSparito");
    QTest::addColumn<QString>("posizione"); // what the editor shows afterwards
    QTest::addColumn<QString>("note");
    QTest::newRow("identical lines: the later card") << " cartoline " << true << false << "3"
                                                     << "terza";
    QTest::newRow("another marker copies nothing") << "avvio" << true << false << ""
                                                   << "";
    QTest::newRow("nothing selected: only closes") << "cartoline" << false << false << ""
                                                   << "";
    QTest::newRow("archive gone: closes silently") << "cartoline" << true << true << ""
                                                   << "";
}

void TestSearchFinestre::doppioClic() {
    QFETCH(QString, marcatore);
    QFETCH(bool, seleziona);
    QFETCH(bool, archivioSparito);
    QFETCH(QString, posizione);
    QFETCH(QString, note);
    const QByteArray quarzo = card("Quarzo", "Ossidi", "Elba", "1990", "10,00", "No");
    QVERIFY(scrivi(archivio(),
                   {conNote(quarzo, "prima"), card("Calcite", "Carbonati"), conNote(quarzo, "terza")}));
    TfrmTrovaCartoline f(editor.get());
    f.lblMemory->setText(marcatore);
    f.show();
    QTest::mouseClick(f.btnCerca, Qt::LeftButton);
    const QStringList righe = righeDi(f);
    QCOMPARE(righe.size(), 3);
    QCOMPARE(righe[1], righe[2]);
    if (archivioSparito) {
        QVERIFY(QFile::remove(archivio()));
        QVERIFY(QDir().mkpath(archivio()));
    }
    if (seleziona) {
        doppioClicSu(f.lstRecords, 1);
    } else {
        const QPoint vuoto(10, f.lstRecords->viewport()->height() - 5);
        QVERIFY(!f.lstRecords->indexAt(vuoto).isValid());
        QTest::mouseDClick(f.lstRecords->viewport(), Qt::LeftButton, {}, vuoto);
    }
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.lstRecords->model()->rowCount(), 0);
    QCOMPARE(editor->lblPosizione->text(), posizione);
    QCOMPARE(editor->txtNote->text(), note);
    QCOMPARE(editor->txtTitolo->text(), posizione.isEmpty() ? QString() : QStringLiteral("Quarzo"));
}

void TestSearchFinestre::inVenditaElenco() {
    QVERIFY(scrivi(archivio(), {card("Agata", "Silicati", "Elba", "1990", "1,00", "S\xEC"),
                                card("Barite", "Solfati", "Elba", "1990", "1,00", "No"),
                                card("Cinabro", "Solfuri", "Elba", "1990", "1,00", ""),
                                card("Dolomite", "Carbonati", "Elba", "1990", "1,00", "Si"),
                                record({{Titolo, "Ematite"}, {InVendita, "No"}, {Note, "S\xEC"}})}));
    TfrmInVendita f(editor.get());
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral(" Riepilogo campioni mineralogici in vendita"));
    QCOMPARE(f.focusWidget(), f.txtTrova);
    QStringList nomi;
    for (const QString& r : righeDi(f))
        nomi.append(r.left(40).trimmed());
    QCOMPARE(nomi, (QStringList{"Agata", "Cinabro", "Dolomite"}));
    QCOMPARE(f.lstRecords->model()->index(0, 0).data(Qt::SizeHintRole).toSize().width(), 1600);

    QTest::keyClicks(f.txtTrova, "solfuri");
    QTest::keyClick(f.txtTrova, Qt::Key_Return);
    QCOMPARE(f.focusWidget(), f.btnTrova);
    QTest::mouseClick(f.btnTrova, Qt::LeftButton);
    QCOMPARE(f.lstRecords->currentIndex().row(), 1);
    QTest::mouseClick(f.btnChiudi, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QCOMPARE(f.lstRecords->model()->rowCount(), 0);
}

void TestSearchFinestre::inVenditaDoppioClic() {
    const QByteArray opale = card("Opale", "Silicati", "Elba", "1990", "5,00", "S\xEC");
    QByteArray nonInVendita = conNote(opale, "dopo");
    nonInVendita.replace(InVendita, 3, QByteArray("\x02No"));
    QVERIFY(scrivi(archivio(), {card("Zolfo", "Elementi"), conNote(opale, "prima"), nonInVendita,
                                conNote(opale, "ultima")}));
    editor->chkInVendita->setChecked(false);
    TfrmInVendita f(editor.get());
    f.show();
    QCOMPARE(righeDi(f).size(), 2); // the two for sale; identical lines, both kept
    doppioClicSu(f.lstRecords, 0);
    QVERIFY(!f.isVisible());
    // Matched against every card, for sale or not; the last equal one wins.
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("4"));
    QCOMPARE(editor->txtNote->text(), QStringLiteral("ultima"));
    QVERIFY(editor->chkInVendita->isChecked());
}

void TestSearchFinestre::inVenditaSenzaArchivio() {
    QVERIFY(QDir().mkpath(archivio()));
    TfrmInVendita f(editor.get());
    f.show();
    QCOMPARE(righeDi(f).size(), 0);
    QVERIFY(messaggi().isEmpty()); // failing to read the archive shows nothing
    QTest::mouseClick(f.btnTrova, Qt::LeftButton);
    QCOMPARE(messaggi(), (QList<Messaggi::Mostrato>{{Messaggi::Tipo::Semplice, ListaVuota}}));
}

void TestSearchFinestre::dallEditor() {
    QVERIFY(scrivi(archivio(), {card("Calcite", "Carbonati", "Elba", "1990", "3,00", "No"),
                                card("Fluorite", "Alogenuri", "Localit\xE0 Cava", "2019", "7,50", "S\xEC"),
                                card("Quarzo", "Ossidi", "Baveno", "1987", "1,00", "No")}));
    editor->mostra();

    // Search: filter by year, find the line, open it.
    bool guidata = false;
    QTimer::singleShot(0, this, [&] {
        const auto nonBloccare = qScopeGuard(chiudiFinestraModale);
        auto* f = qobject_cast<TfrmTrovaCartoline*>(QApplication::activeModalWidget());
        QVERIFY(f);
        QCOMPARE(f->lblMemory->text(), QStringLiteral("cartoline"));
        QTest::keyClicks(f->txtAnno, "19");
        QTest::mouseClick(f->btnCerca, Qt::LeftButton);
        QCOMPARE(f->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 3 schede."));
        digita(f->txtTrova, QStringLiteral("località"));
        QTest::mouseClick(f->btnTrova, Qt::LeftButton);
        QCOMPARE(f->lstRecords->currentIndex().row(), 1);
        doppioClicSu(f->lstRecords, 1);
        guidata = true;
    });
    QTest::mouseClick(editor->findChild<QAbstractButton*>(QStringLiteral("cmdTrova")), Qt::LeftButton);
    QVERIFY(guidata);
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(editor->txtTitolo->text(), QStringLiteral("Fluorite"));
    QCOMPARE(editor->txtEditore->text(), QStringLiteral("Località Cava"));
    QVERIFY(editor->chkInVendita->isChecked());

    // For-sale list: the only card for sale, opened from its line.
    editor->cmdNuovoClick();
    guidata = false;
    QTimer::singleShot(0, this, [&] {
        const auto nonBloccare = qScopeGuard(chiudiFinestraModale);
        auto* f = qobject_cast<TfrmInVendita*>(QApplication::activeModalWidget());
        QVERIFY(f);
        QCOMPARE(f->modello()->righe().size(), 1);
        doppioClicSu(f->lstRecords, 0);
        guidata = true;
    });
    QTest::mouseClick(editor->findChild<QAbstractButton*>(QStringLiteral("cmdCercaDisponibili")),
                      Qt::LeftButton);
    QVERIFY(guidata);
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(editor->txtValore->text(), QStringLiteral("7,50"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// The list's two print buttons: the printed list through the print dialog, the labels through the preview.
void TestSearchFinestre::stampaEdEtichette() {
    QVERIFY(scrivi(archivio(), {card("Agata", "Silicati", "Elba", "1990", "1,00", "S\xEC"),
                                card("Dolomite", "Carbonati", "Elba", "1990", "1,00", "S\xEC")}));
    TfrmInVendita f(editor.get());
    f.show();
    QCOMPARE(f.btnEtichette->accessibleName(), QStringLiteral("Etichette"));
    Stampa::Test::prendi();
    QTest::mouseClick(f.btnStampa, Qt::LeftButton);
    auto richieste = Stampa::Test::prendi();
    QCOMPARE(richieste.size(), 1);
    QCOMPARE(richieste[0].tipo, Stampa::Test::Tipo::Stampa);
    QCOMPARE(richieste[0].lavoro.numeroPagine(), 1);
    QTest::mouseClick(f.btnEtichette, Qt::LeftButton);
    richieste = Stampa::Test::prendi();
    QCOMPARE(richieste.size(), 1);
    QCOMPARE(richieste[0].tipo, Stampa::Test::Tipo::Anteprima);
    QCOMPARE(richieste[0].lavoro.numeroPagine(), 1);
    QCOMPARE(messaggi(), QList<Messaggi::Mostrato>{});
}

QTEST_MAIN(TestSearchFinestre)
#include "test_search_finestre.moc"
