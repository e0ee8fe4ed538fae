// Specimen labels from a result list: the sheets laid out to PDF, the texts of each label, cutting and
// wrapping, the QR code read back by a decoder, one label per record, and the empty list.

#include "SupportoStampa.h"
#include "TestSupport.h"
#include "report/Modello.h"
#include "search/Elenco.h"
#include "search/Etichette.h"
#include "storage/Archivio.h"
#include "ui/Stampa.h"

#include <QProcess>
#include <QStandardPaths>

using namespace SupportoStampa;

namespace {

struct Carta {
    QString nome, gruppo, localita, anno;
};

TScheda scheda(const Carta& c) {
    TScheda s;
    s.impostaTesto(Campo::Titolo, c.nome);
    s.impostaTesto(Campo::Tipologia, c.gruppo);
    s.impostaTesto(Campo::Editore, c.localita);
    s.impostaTesto(Campo::Anno, c.anno);
    return s;
}

Carta numerata(int i) {
    return {QStringLiteral("Minerale%1").arg(i, 2, 10, QChar(u'0')), QStringLiteral("Gruppo%1").arg(i),
            QStringLiteral("Luogo%1").arg(i), QString::number(1990 + i)};
}

// pdftotext of one label: the area of label k (0-based on its sheet) on page pagina (1-based).
QString testoEtichetta(const QString& pdf, int pagina, int k) {
    const qreal dpi = 72;
    const int x = px((k % Etichette::Colonne) * Etichette::LarghezzaMm, dpi);
    const int y = px(Etichette::MargineVerticaleMm + (k / Etichette::Colonne) * Etichette::AltezzaMm, dpi);
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QString::number(pagina), QStringLiteral("-l"), QString::number(pagina),
             QStringLiteral("-x"), QString::number(x), QStringLiteral("-y"), QString::number(y),
             QStringLiteral("-W"), QString::number(px(Etichette::LarghezzaMm, dpi) - 1), QStringLiteral("-H"),
             QString::number(px(Etichette::AltezzaMm, dpi) - 1), QStringLiteral("-layout"), pdf,
             QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestSearchEtichette : public TestGeodario {
    Q_OBJECT
public:
    TestSearchEtichette() { Stampa::Test::attiva(); }

private slots:
    void init() {
        TestGeodario::init();
        Stampa::Test::azzera();
    }
    void cleanup() {
        Stampa::Test::azzera();
        TestGeodario::cleanup();
    }

    void venticinqueSchede();
    void nomeTagliatoLocalitaACapo();
    void codiceQrLeggibile();
    void righeUgualiUnaEtichettaPerScheda();
    void elencoVuoto();
    void archivioIllegibile();

private:
    QString archivio(const QList<Carta>& carte);
    QList<Stampa::Test::Richiesta> etichette(const QString& percorso, const QStringList& righe);
};

QString TestSearchEtichette::archivio(const QList<Carta>& carte) {
    const QString p = percorso(QStringLiteral("Collezione Alpi.ima"));
    TArchivio a;
    a.ApriOCrea(p);
    for (const Carta& c : carte)
        a.Accoda(scheda(c));
    a.Chiudi();
    return p;
}

QList<Stampa::Test::Richiesta> TestSearchEtichette::etichette(const QString& p, const QStringList& righe) {
    Etichette::stampa(nullptr, p, QStringLiteral("Collezione Alpi"), righe);
    return Stampa::Test::prendi();
}

void TestSearchEtichette::venticinqueSchede() {
    QList<Carta> carte;
    for (int i = 1; i <= 25; ++i)
        carte.append(numerata(i));
    const QString p = archivio(carte);
    QStringList righe;
    for (int i = 25; i >= 1; --i) // the list's order, not the file's
        righe.append(subRigaElenco(scheda(numerata(i))));
    const auto r = etichette(p, righe);
    QCOMPARE(r.size(), 1);
    QCOMPARE(r[0].tipo, Stampa::Test::Tipo::Anteprima); // shown in the preview, printed from there
    QCOMPARE(r[0].lavoro.numeroPagine(), 2);
    const QString pdf = percorso(QStringLiteral("etichette.pdf"));
    QVERIFY(Stampa::salvaPdf(pdf, r[0].lavoro));
    const QStringList pagine = testoPdf(leggiFile(pdf));
    QCOMPARE(pagine.size(), 2);
    QCOMPARE(pagine[0].count(QStringLiteral("N. ")), 24);
    QCOMPARE(pagine[1].count(QStringLiteral("N. ")), 1);
    for (int k = 0; k < 25; ++k) {
        const int i = 25 - k; // card number of the k-th line
        const QString t = testoEtichetta(pdf, k / 24 + 1, k % 24).simplified();
        const QString atteso = QStringLiteral("Minerale%1 Luogo%2 %3 - Gruppo%2 Collezione Alpi N. %2")
                                   .arg(i, 2, 10, QChar(u'0'))
                                   .arg(i)
                                   .arg(1990 + i);
        QCOMPARE(t, atteso);
    }
}

void TestSearchEtichette::nomeTagliatoLocalitaACapo() {
    const Carta c{
        QStringLiteral("Quarzo ialino con inclusioni di rutilo aciculare dorato"), QStringLiteral("Silicati"),
        QStringLiteral("Miniera di Brosso, Valchiusella, Città metropolitana di Torino, Piemonte, Italia"),
        QStringLiteral("1998")};
    const QString p = archivio({c});
    const auto r = etichette(p, {subRigaElenco(scheda(c))});
    QCOMPARE(r.size(), 1);
    // Two lines of locality, each within the text column, the rest left out.
    const auto modello = Etichette::crea(
        Etichette::daArchivio(p, QStringLiteral("Collezione Alpi"), {subRigaElenco(scheda(c))}));
    const auto& localita = modello->trova<Report::Testo>(QStringLiteral("txtLocalita_1"));
    QCOMPARE(localita.righe().size(), 2);
    QVERIFY(localita.righe()[0].startsWith(QStringLiteral("Miniera di Brosso,")));
    const QString pdf = percorso(QStringLiteral("etichette.pdf"));
    QVERIFY(Stampa::salvaPdf(pdf, r[0].lavoro));
    const QStringList righeTesto = righePiene(testoEtichetta(pdf, 1, 0));
    QVERIFY2(righeTesto.size() >= 5, qPrintable(righeTesto.join(u'\n')));
    QCOMPARE(righeTesto[1].simplified(), localita.righe()[0]);
    QCOMPARE(righeTesto[2].simplified(), localita.righe()[1]);
    QVERIFY(!righeTesto.join(u' ').contains(QStringLiteral("Italia")));
    // The long name is cut at its box: nothing between the text column and the QR code.
    const qreal dpi = 200;
    const QImage img = Stampa::immagine(r[0].lavoro, 0, dpi);
    const int alto = px(4.5 + 3, dpi), basso = px(4.5 + 7.5, dpi);
    QVERIFY(inchiostro(img, QRect(QPoint(px(40, dpi), alto), QPoint(px(48.8, dpi), basso))) > 0);
    QCOMPARE(inchiostro(img, QRect(QPoint(px(49.2, dpi), alto), QPoint(px(49.8, dpi), basso))), 0);
}

void TestSearchEtichette::codiceQrLeggibile() {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        QSKIP("zbarimg (zbar-tools) is not installed");
    const QString p = archivio({numerata(1), numerata(2), numerata(3)});
    const auto r = etichette(p, {subRigaElenco(scheda(numerata(3)))});
    QCOMPARE(r.size(), 1);
    const qreal dpi = 300;
    const QImage pagina = Stampa::immagine(r[0].lavoro, 0, dpi);
    // The first label's QR area, with some white around it.
    const QImage qr =
        pagina.copy(QRect(QPoint(px(48, dpi), px(4.5 + 2, dpi)), QPoint(px(69, dpi), px(4.5 + 23, dpi))));
    const QString file = percorso(QStringLiteral("qr.png"));
    QVERIFY(qr.save(file));
    QProcess z;
    z.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    QVERIFY(z.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(z.readAllStandardOutput()).trimmed(), QStringLiteral("Collezione Alpi N. 3"));
}

void TestSearchEtichette::righeUgualiUnaEtichettaPerScheda() {
    const Carta uguale{QStringLiteral("Calcite"), QStringLiteral("Carbonati"), QStringLiteral("Trentino"),
                       QStringLiteral("2001")};
    const QString p = archivio({uguale, numerata(2), uguale, uguale});
    const QString riga = subRigaElenco(scheda(uguale));
    // The list shows one line per record: three equal lines.
    const auto e = Etichette::daArchivio(p, QStringLiteral("Collezione Alpi"),
                                         {riga, subRigaElenco(scheda(numerata(2))), riga, riga});
    QList<qint64> numeri;
    for (const auto& x : e)
        numeri.append(x.numero);
    QCOMPARE(numeri, (QList<qint64>{1, 3, 4, 2}));
    QCOMPARE(e[0].catalogo, QStringLiteral("Collezione Alpi"));
}

void TestSearchEtichette::elencoVuoto() {
    const QString p = archivio({numerata(1)});
    QVERIFY(etichette(p, {}).isEmpty());
    QVERIFY(messaggi().isEmpty());
}

void TestSearchEtichette::archivioIllegibile() {
    // A folder where the archive should be: it cannot be opened.
    const QString p = percorso(QStringLiteral("Cartella.ima"));
    QVERIFY(QDir().mkpath(p));
    QVERIFY(etichette(p, {QStringLiteral("Quarzo")}).isEmpty());
    const auto m = messaggi();
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].tipo, Messaggi::Tipo::Errore);
    QCOMPARE(m[0].testo, MessaggioErroreArchivio());
}

QTEST_MAIN(TestSearchEtichette)
#include "test_search_etichette.moc"
