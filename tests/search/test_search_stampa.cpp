// Printing a result list: the "Riepilogo dati" report, its pages as pdftotext reads them, the print
// dialog through the printing seam, and the print date.

#include "SupportoStampa.h"
#include "TestSupport.h"
#include "report/Modello.h"
#include "report/Pagine.h"
#include "search/StampaElenco.h"
#include "storage/Formato.h"
#include "ui/Stampa.h"

using namespace SupportoStampa;

namespace {

// A list line as long as they get: 157 fixed-pitch characters, with a start and an end that pdftotext
// must both show.
QString riga(int i) {
    const QString inizio = QStringLiteral("Minerale%1").arg(i, 3, 10, QChar(u'0'));
    const QString fine = QStringLiteral("fine%1").arg(i, 3, 10, QChar(u'0'));
    return inizio +
           QString(157 - inizio.size() - fine.size(), u' ').replace(70, 6, QStringLiteral("Gruppo")) + fine;
}

QStringList righe(int n) {
    QStringList r;
    for (int i = 1; i <= n; ++i)
        r.append(riga(i));
    return r;
}

QString semplice(const QString& s) {
    return s.simplified();
}

} // namespace

class TestSearchStampa : public TestGeodario {
    Q_OBJECT
public:
    TestSearchStampa() { Stampa::Test::attiva(); }

private slots:
    void init() {
        TestGeodario::init();
        Stampa::Test::azzera();
    }
    void cleanup() {
        const int risposte = Stampa::Test::risposteNonUsate();
        Stampa::Test::azzera();
        TestGeodario::cleanup();
        QVERIFY2(risposte == 0, "scripted print-dialog answers were not used");
    }

    void modello();
    void pagine_data();
    void pagine();
    void ordineDellElenco();
    void stampaDueVolte();
    void dialogoAnnullato();
    void dataStampa_data();
    void dataStampa();

private:
    // Prints through the "Stampa" action and returns the accepted job's pages as text.
    QStringList stampaTesto(const QString& titolo, const QStringList& righe);
};

QStringList TestSearchStampa::stampaTesto(const QString& titolo, const QStringList& r) {
    StampaElenco::stampa(nullptr, titolo, r);
    const auto richieste = Stampa::Test::prendi();
    if (richieste.size() != 1 || richieste[0].tipo != Stampa::Test::Tipo::Stampa)
        return {};
    return testoPdf(Stampa::pdf(richieste[0].lavoro));
}

void TestSearchStampa::modello() {
    const auto r = StampaElenco::creaRiepilogoDati();
    QCOMPARE(r->nome(), QStringLiteral("Riepilogo dati"));
    const Report::Pagina& p = r->trova<Report::Pagina>(QStringLiteral("Page"));
    QCOMPARE(p.orientamento(), QPageLayout::Landscape);
    QCOMPARE(p.formato().id(), QPageSize::A4);
    QCOMPARE(p.margini(), QMarginsF(10, 10, 10, 10));
    QStringList bande;
    for (const Report::Banda* b : p.bande())
        bande.append(b->nome());
    QCOMPARE(bande, (QStringList{"ReportTitle", "MasterData", "Footer"}));
    const auto& riepilogo = r->trova<Report::Testo>(QStringLiteral("txtRiepilogo"));
    QCOMPARE(riepilogo.carattere.famiglia, QStringLiteral("Courier New"));
    QCOMPARE(riepilogo.carattere.punti, 8.0);
    QVERIFY(qAbs(riepilogo.posizione().width() - 1031.811) < 0.01); // 273 mm
    QCOMPARE(r->trova<Report::Testo>(QStringLiteral("txtPagina")).testo(),
             QStringLiteral("Stampa eseguita in data [DATE]"));
    QCOMPARE(r->trova<Report::Testo>(QStringLiteral("txtTitolo")).riempimento, QColor(112, 128, 144));
    QVERIFY(r->trova<Report::Banda>(QStringLiteral("MasterData")).divisibile);

    StampaElenco::riempi(*r, QStringLiteral("T"), righe(100), QDateTime::currentDateTime());
    QVERIFY(qAbs(riepilogo.altezza() - 1282.2) < 0.001);
    QVERIFY(qAbs(r->trova<Report::Banda>(QStringLiteral("MasterData")).altezza() - 1292.2) < 0.001);
}

void TestSearchStampa::pagine_data() {
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("linee");
    QTest::addColumn<int>("numeroPagine");
    QTest::newRow("search window, 100 lines") << StampaElenco::TitoloArchivio << 100 << 2;
    QTest::newRow("for-sale list, 100 lines") << StampaElenco::TitoloInVendita << 100 << 2;
    QTest::newRow("empty list") << StampaElenco::TitoloArchivio << 0 << 1;
    QTest::newRow("one line") << StampaElenco::TitoloInVendita << 1 << 1;
}

void TestSearchStampa::pagine() {
    QFETCH(QString, titolo);
    QFETCH(int, linee);
    QFETCH(int, numeroPagine);
    const QStringList pagine = stampaTesto(titolo, righe(linee));
    QCOMPARE(pagine.size(), numeroPagine);

    QStringList stampate;
    for (int i = 0; i < pagine.size(); ++i) {
        const QStringList r = righePiene(pagine[i]);
        QVERIFY(!r.isEmpty());
        // The title heads the first page and no other.
        QCOMPARE(semplice(r.first()) == titolo, i == 0);
        QCOMPARE(pagine[i].contains(titolo), i == 0);
        for (const QString& l : r)
            if (l.contains(QStringLiteral("Minerale")))
                stampate.append(semplice(l));
        // The date line comes once, last on the last page.
        QCOMPARE(pagine[i].contains(QStringLiteral("Stampa eseguita in data")), i == pagine.size() - 1);
        if (i == pagine.size() - 1)
            QVERIFY2(semplice(r.last()).startsWith(QStringLiteral("Stampa eseguita in data ")),
                     qPrintable(r.last()));
    }
    QStringList attese;
    for (const QString& l : righe(linee))
        attese.append(semplice(l)); // whole lines: 157 characters fit the box
    QCOMPARE(stampate, attese);
    if (linee == 100)
        QVERIFY(righePiene(pagine[1]).size() > 2); // lines continue on the second page
}

void TestSearchStampa::ordineDellElenco() {
    // The list's own order, not a sorted one.
    const QStringList r = {riga(30), riga(2), riga(17)};
    const QStringList pagine = stampaTesto(StampaElenco::TitoloArchivio, r);
    QCOMPARE(pagine.size(), 1);
    const qsizetype a = pagine[0].indexOf(QStringLiteral("Minerale030"));
    const qsizetype b = pagine[0].indexOf(QStringLiteral("Minerale002"));
    const qsizetype c = pagine[0].indexOf(QStringLiteral("Minerale017"));
    QVERIFY(a >= 0 && a < b && b < c);
}

void TestSearchStampa::stampaDueVolte() {
    const QStringList prima = stampaTesto(StampaElenco::TitoloArchivio, righe(3));
    const QStringList seconda = stampaTesto(StampaElenco::TitoloArchivio, righe(3));
    QCOMPARE(seconda.size(), 1);
    QCOMPARE(seconda[0].count(QStringLiteral("Minerale")), 3);
    QCOMPARE(righePiene(seconda[0]).size(), righePiene(prima[0]).size());
}

void TestSearchStampa::dialogoAnnullato() {
    Stampa::Test::accoda(false);
    StampaElenco::stampa(nullptr, StampaElenco::TitoloInVendita, righe(5));
    const auto richieste = Stampa::Test::prendi();
    QCOMPARE(richieste.size(), 1);
    QVERIFY(!richieste[0].accettata);
    QCOMPARE(richieste[0].lavoro.titolo, QStringLiteral("Riepilogo dati")); // the print job's title
    QCOMPARE(richieste[0].lavoro.pagine[0].orientation(), QPageLayout::Landscape);
    QVERIFY(messaggi().isEmpty()); // no box: a cancelled dialog prints nothing, silently
}

void TestSearchStampa::dataStampa_data() {
    QTest::addColumn<QDateTime>("quando");
    QTest::addColumn<QString>("atteso"); // "/" stands for the system's date separator
    QTest::newRow("morning") << QDateTime(QDate(2025, 12, 8), QTime(9, 5, 7))
                             << "Stampa eseguita in data 08/12/2025 alle ore 09:05:07";
    QTest::newRow("evening") << QDateTime(QDate(2026, 1, 31), QTime(23, 59, 59))
                             << "Stampa eseguita in data 31/01/2026 alle ore 23:59:59";
}

void TestSearchStampa::dataStampa() {
    QFETCH(QDateTime, quando);
    QFETCH(QString, atteso);
    const QChar separatore = Formato::separatoreData();
    // A run with another system date format says which separator it expects.
    const QString voluto = qEnvironmentVariable("GEODARIO_SEPARATORE_DATA");
    if (!voluto.isEmpty())
        QCOMPARE(separatore, voluto.at(0));
    atteso.replace(u'/', separatore);
    QCOMPARE(StampaElenco::testoDataStampa(quando), atteso);
    // The printed report carries today's date with the same separator.
    const QStringList pagine = stampaTesto(StampaElenco::TitoloArchivio, righe(1));
    QCOMPARE(pagine.size(), 1);
    const QString oggi = QDate::currentDate().toString(
        QStringLiteral("dd") + separatore + QStringLiteral("MM") + separatore + QStringLiteral("yyyy"));
    QVERIFY2(
        pagine[0].contains(QStringLiteral("Stampa eseguita in data ") + oggi + QStringLiteral(" alle ore ")),
        qPrintable(pagine[0]));
}

QTEST_MAIN(TestSearchStampa)
#include "test_search_stampa.moc"
