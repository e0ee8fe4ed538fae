// The list logic without windows: the card line, the filter match, the for-sale rule, the order of the
// lines, the find step and the scans over an archive file.
#include "Record.h"
#include "TestSupport.h"

#include "search/Elenco.h"
#include "storage/Archivio.h"
#include "storage/Testo.h"

#include <algorithm>

using namespace Fixture;

namespace {

TScheda scheda(const QByteArray& byte) {
    TScheda s;
    std::copy(byte.begin(), byte.end(), s.byte.begin());
    return s;
}

QString blank(int n) {
    return QString(n, u' ');
}

} // namespace

class TestSearch : public TestGeodario {
    Q_OBJECT
private slots:
    void rigaElenco_data();
    void rigaElenco();
    void filtro_data();
    void filtro();
    void dueFiltri_data();
    void dueFiltri();
    void inVendita_data();
    void inVendita();
    void ordine_data();
    void ordine();
    void righeUgualiRestano();
    void trova_data();
    void trova();
    void trovaListaVuota();
    void raccoltaInterrottaTieneLeRighe();
    void schedeConRigaInOrdineDiFile();
};

void TestSearch::rigaElenco_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("riga");

    const QString n41 = QStringLiteral("Quarzo ialino con inclusioni di rutilo rX");
    QVERIFY(n41.size() == 41);
    QTest::newRow("name of 41 keeps 40, group of 3 padded by 27")
        << card(n41.toLatin1(), "Oss", "Elba", "1987", "12,50")
        << n41.left(40) + "  Gruppo: Oss" + blank(27) + "  Luogo: Elba" + blank(36) + "  Anno: 1987  € 12,50";
    QTest::newRow("accented letters decoded")
        << card("Crisocolla", "Silicati", "Localit\xE0 Ponte di Nava", "2001", "\x80 5")
        << QStringLiteral("Crisocolla") + blank(30) + "  Gruppo: Silicati" + blank(22) +
               QStringLiteral("  Luogo: Località Ponte di Nava") + blank(18) + "  Anno: 2001  € € 5";
    QTest::newRow("empty value: 145 characters, nothing after the euro")
        << card("Galena", "Solfuri", "Bottino", "1975", "")
        << "Galena" + blank(34) + "  Gruppo: Solfuri" + blank(23) + "  Luogo: Bottino" + blank(33) +
               "  Anno: 1975  € ";
    QTest::newRow("value of 12 characters is not cut")
        << card("Oro", "Elementi", "Brosso", "1990", "1.234.567,89")
        << "Oro" + blank(37) + "  Gruppo: Elementi" + blank(22) + "  Luogo: Brosso" + blank(34) +
               "  Anno: 1990  € 1.234.567,89";
    QTest::newRow("stored blanks and control characters trimmed from every column")
        << card("  Pirite\x01", "\tSolfuri ", " Rio ", " 88 ", " 3,00 ")
        << "Pirite" + blank(34) + "  Gruppo: Solfuri" + blank(23) + "  Luogo: Rio" + blank(37) +
               "  Anno: 88    € 3,00";
    QTest::newRow("long locality cut to 40, empty name is 40 blanks")
        << card("", "Carbonati", QByteArray(60, 'x'), "1990", "1,00")
        << blank(40) + "  Gruppo: Carbonati" + blank(21) + "  Luogo: " + QString(40, u'x') +
               "  Anno: 1990  € 1,00";
}

void TestSearch::rigaElenco() {
    QFETCH(QByteArray, record);
    QFETCH(QString, riga);
    const QString fatta = subRigaElenco(scheda(record));
    QCOMPARE(fatta, riga);
    QCOMPARE(fatta.indexOf(QStringLiteral("  € ")), 141);
}

void TestSearch::filtro_data() {
    QTest::addColumn<int>("campo");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("valore");
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<bool>("trovato");

    auto riga = [](const char* nome, Campo c, Offset o, const QByteArray& v, const QString& f, bool t) {
        QTest::newRow(nome) << int(c) << int(o) << v << f << t;
    };
    riga("capitals find small letters", Campo::Titolo, Titolo, "Quarzo rosa", "QUARZO", true);
    riga("substring inside a word", Campo::Titolo, Titolo, "Quarzo rosa", "arzo ro", true);
    riga("capital À does not find à", Campo::Editore, Editore, "Localit\xE0", "LOCALITÀ", false);
    riga("small à finds à", Campo::Editore, Editore, "Localit\xE0", "località", true);
    riga("trailing blank needs a blank after", Campo::Titolo, Titolo, "Calcite", "calcite ", false);
    riga("trailing blank followed by a blank", Campo::Titolo, Titolo, "Calcite spatica", "calcite ", true);
    riga("field not trimmed for the match", Campo::Titolo, Titolo, "Calcite ", "calcite ", true);
    riga("19 finds 1987", Campo::Anno, Anno, "1987", "19", true);
    riga("19 finds 2019", Campo::Anno, Anno, "2019", "19", true);
    riga("19 does not find 2020", Campo::Anno, Anno, "2020", "19", false);
    riga("blanks only: not filled", Campo::Titolo, Titolo, "Galena", "   ", true);
    riga("empty: not filled", Campo::Titolo, Titolo, "Galena", "", true);
    riga("empty field never holds a filled filter", Campo::Note, Note, "", "x", false);
    riga("each filter tests its own field", Campo::Tipologia, Tipologia, "Quarzo", "quarzo", false);
    riga("Roccia Madre", Campo::Destinatario, Destinatario, "Granito", "GRAN", true);
    riga("Classificazione", Campo::Carta, Carta, "4.DA.05", "da.0", true);
}

void TestSearch::filtro() {
    QFETCH(int, campo);
    QFETCH(int, offset);
    QFETCH(QByteArray, valore);
    QFETCH(QString, filtro);
    QFETCH(bool, trovato);
    // The "each filter tests its own field" row stores the value under Titolo.
    const Offset dove = campo == int(Campo::Tipologia) ? Titolo : Offset(offset);
    const TScheda r = scheda(record({{dove, valore}}));
    QCOMPARE(TRicerca({{Campo(campo), filtro}}).corrisponde(r), trovato);
}

void TestSearch::dueFiltri_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("gruppo");
    QTest::addColumn<bool>("trovato");
    QTest::addColumn<int>("compilati");
    QTest::newRow("both match") << "quarzo"
                                << "ossidi" << true << 2;
    QTest::newRow("only the name matches") << "quarzo"
                                           << "silicati" << false << 2;
    QTest::newRow("only the group matches") << "calcite"
                                            << "ossidi" << false << 2;
    QTest::newRow("a blank filter takes no part") << "quarzo"
                                                  << "  " << true << 1;
    QTest::newRow("no filter filled: every card") << ""
                                                  << " " << true << 0;
}

void TestSearch::dueFiltri() {
    QFETCH(QString, nome);
    QFETCH(QString, gruppo);
    QFETCH(bool, trovato);
    QFETCH(int, compilati);
    const TRicerca ricerca({{Campo::Titolo, nome}, {Campo::Tipologia, gruppo}});
    QCOMPARE(ricerca.filtriCompilati(), compilati);
    QCOMPARE(ricerca.corrisponde(scheda(card("Quarzo rosa", "Ossidi"))), trovato);
}

void TestSearch::inVendita_data() {
    QTest::addColumn<QByteArray>("valore");
    QTest::addColumn<bool>("inVendita");
    QTest::newRow("Sì") << QByteArray("S\xEC") << true;
    QTest::newRow("No") << QByteArray("No") << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("other text") << QByteArray("Si") << true;
    QTest::newRow("NO is not No") << QByteArray("NO") << true;
    QTest::newRow("blank before N") << QByteArray(" N") << true;
}

void TestSearch::inVendita() {
    QFETCH(QByteArray, valore);
    QFETCH(bool, inVendita);
    QCOMPARE(eInVendita(scheda(record({{InVendita, valore}}))), inVendita);
}

void TestSearch::ordine_data() {
    QTest::addColumn<QStringList>("righe");
    QTest::addColumn<QStringList>("ordinate");
    QTest::newRow("a-z compared as A-Z")
        << QStringList{"Fluorite", "calcite", "Baritina"} << QStringList{"Baritina", "calcite", "Fluorite"};
    // Folding to capitals puts letters before '_' (0x5F); folding to small letters would not.
    QTest::newRow("letters before underscore") << QStringList{"_x", "ax"} << QStringList{"ax", "_x"};
    QTest::newRow("accented letters after Z, not folded")
        << QStringList{"Ématite", "Zircone", "ématite", "agata"}
        << QStringList{"agata", "Zircone", "Ématite", "ématite"};
    QTest::newRow("shorter prefix first")
        << QStringList{"Quarzo rosa", "Quarzo"} << QStringList{"Quarzo", "Quarzo rosa"};
    QTest::newRow("blank before letters and digits")
        << QStringList{"Oro2", "Oro 1", "Oro1"} << QStringList{"Oro 1", "Oro1", "Oro2"};
}

void TestSearch::ordine() {
    QFETCH(QStringList, righe);
    QFETCH(QStringList, ordinate);
    ordinaElenco(righe);
    QCOMPARE(righe, ordinate);
}

void TestSearch::righeUgualiRestano() {
    QStringList righe{"quarzo", "Calcite", "Quarzo", "calcite", "Calcite"};
    ordinaElenco(righe);
    // All kept; lines equal but for a-z case stay in the order they came from the file.
    QCOMPARE(righe, (QStringList{"Calcite", "calcite", "Calcite", "quarzo", "Quarzo"}));
}

void TestSearch::trova_data() {
    QTest::addColumn<int>("selezione");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("ultimo");
    QTest::addColumn<int>("atteso");
    QTest::newRow("new term from the top, though a later line is selected") << 3 << "calcite"
                                                                            << "" << 0;
    QTest::newRow("same term: next matching line") << 0 << "calcite"
                                                   << "calcite" << 2;
    QTest::newRow("same term after the last: back to the first") << 2 << "calcite"
                                                                 << "calcite" << 0;
    QTest::newRow("one match, same term: stays on it") << 1 << "quarzo"
                                                       << "quarzo" << 1;
    QTest::newRow("no match: selection stays") << 3 << "zircone"
                                               << "" << 3;
    QTest::newRow("nothing selected, no match: first line") << -1 << "zircone"
                                                            << "" << 0;
    QTest::newRow("nothing selected, same term: after the first") << -1 << "calcite"
                                                                  << "calcite" << 2;
    QTest::newRow("capitals are the same term") << 0 << "CALCITE"
                                                << "calcite" << 2;
    QTest::newRow("À does not find à") << 0 << "LOCALITÀ"
                                       << "" << 0;
    QTest::newRow("à finds à") << 0 << "località"
                               << "" << 3;
    QTest::newRow("term not trimmed") << 0 << "rosa "
                                      << "" << 1;
    QTest::newRow("empty term never matches") << 1 << ""
                                              << "" << 1;
    QTest::newRow("blank term matches blanks") << 0 << " "
                                               << "" << 0;
}

void TestSearch::trova() {
    QFETCH(int, selezione);
    QFETCH(QString, testo);
    QFETCH(QString, ultimo);
    QFETCH(int, atteso);
    const QStringList righe{"Calcite bianca", "Quarzo rosa e fumé", "calcite rossa", "Zolfo Località Cava"};
    QCOMPARE(subTrovaInElenco(righe, selezione, testo, ultimo), atteso);
    QCOMPARE(ultimo, Testo::minuscoleAZ(testo));
}

void TestSearch::trovaListaVuota() {
    QString ultimo = QStringLiteral("prima");
    QCOMPARE(subTrovaInElenco({}, -1, QStringLiteral("x"), ultimo), -1);
    QCOMPARE(ultimo, QStringLiteral("prima"));
}

void TestSearch::raccoltaInterrottaTieneLeRighe() {
    // More records than one read-ahead block; the file shrinks under the scan, as another program may do.
    QList<QByteArray> records;
    for (int i = 0; i < 300; ++i)
        records.append(card("Quarzo " + QByteArray::number(i), "Ossidi"));
    const QString percorso = this->percorso(QStringLiteral("Quarzi.ima"));
    QVERIFY(scrivi(percorso, records));

    TArchivio archivio;
    archivio.ApriOCrea(percorso);
    QStringList righe;
    auto accetta = [&](const TScheda&) {
        if (righe.isEmpty())
            QFile::resize(percorso, 10 * Record);
        return true;
    };
    QVERIFY_THROWS_EXCEPTION(EArchivio, raccogliRighe(archivio, accetta, righe));
    QVERIFY(!righe.isEmpty());
    QVERIFY(righe.size() < 300);
    QVERIFY(righe.first().startsWith(QStringLiteral("Quarzo 0 ")));
}

void TestSearch::schedeConRigaInOrdineDiFile() {
    const QByteArray uguale = card("Quarzo", "Ossidi", "Elba", "1990", "10,00", "No");
    QByteArray diverso = uguale;
    diverso.replace(Note, 6,
                    QByteArray("\x05"
                               "altro")); // fields outside the line differ
    diverso.replace(InVendita, 3, QByteArray("\x02S\xEC"));
    const QString percorso = this->percorso(QStringLiteral("Quarzi.ima"));
    QVERIFY(scrivi(percorso, {card("Calcite", "Carbonati"), uguale, card("quarzo", "Ossidi"), diverso,
                              card("Quarzo", "Ossidi", "Elba", "1990", "10,0")}));
    const QString riga = subRigaElenco(scheda(uguale)) + QStringLiteral("  ");

    TArchivio archivio;
    archivio.ApriOCrea(percorso);
    QList<qint64> numeri;
    QList<QString> note;
    schedeConRiga(archivio, riga, [&](const TScheda& r, qint64 n) {
        numeri.append(n);
        note.append(r.testo(Campo::Note));
    });
    QCOMPARE(numeri, (QList<qint64>{2, 4}));
    QCOMPARE(note, (QList<QString>{QString(), QStringLiteral("altro")}));
}

QTEST_MAIN(TestSearch)
#include "test_search.moc"
