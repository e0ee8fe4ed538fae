#include "TestSupport.h"

#include "editor/Cartoline.h"
#include "search/Elenco.h"
#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/Scheda.h"
#include "ui/RiquadroFoto.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QtEndian>

using Messaggi::Mostrato;
using Messaggi::Tipo;

// Files that another program wrote, or that a broken disk gave back: the readers and the editor take
// each of them without crashing, and give the specified fallback.
class TestFileGuasti : public TestGeodario {
    Q_OBJECT
private slots:
    void archivi_data();
    void archivi();
    void foto_data();
    void foto();
};

namespace {

QByteArray casuali(qsizetype n, quint32 seme) {
    QByteArray b(n, Qt::Uninitialized);
    QRandomGenerator g(seme);
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

QByteArray immagine(QSize s, const char* formato) {
    QImage img(s, QImage::Format_RGB32);
    img.fill(QColor(90, 60, 30));
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, formato).write(img);
    return out;
}

template <typename T> T* controllo(QWidget& w, const char* nome) {
    T* c = w.findChild<T*>(QLatin1String(nome));
    if (!c)
        qFatal("no control %s", nome);
    return c;
}

void clic(QWidget& w, const char* nome) {
    controllo<QAbstractButton>(w, nome)->click();
}

} // namespace

void TestFileGuasti::archivi_data() {
    QTest::addColumn<QByteArray>("dati");
    for (qsizetype n : {qsizetype(1), qsizetype(3645), qsizetype(3646), qsizetype(3647),
                        qsizetype(10 * 3646 + 17), qsizetype(50000)})
        QTest::addRow("%lld random bytes", static_cast<long long>(n)) << casuali(n, quint32(n));
    QTest::newRow("every length byte 255") << QByteArray(3 * 3646, '\xff');
    QByteArray lunghezze = casuali(4 * 3646, 99);
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < NumeroCampi; ++i)
            lunghezze[r * 3646 + definizione(campo(i)).offset] =
                char(definizione(campo(i)).larghezza + 1 + r);
    QTest::newRow("length bytes just above the widths") << lunghezze;
    QTest::newRow("partial trailing record") << casuali(2 * 3646 + 1000, 7);
}

void TestFileGuasti::archivi() {
    QFETCH(QByteArray, dati);
    const QString p = percorso(QStringLiteral("Guasto.ima"));
    scriviFile(p, dati);
    const qint64 n = dati.size() / DimensioneScheda;

    // The scan every list window makes: whole records only, each field within its width.
    TArchivio a;
    a.ApriOCrea(p);
    QCOMPARE(a.NumeroSchede(), n);
    while (!a.FineArchivio()) {
        TScheda s;
        a.Leggi(s);
        for (int i = 0; i < NumeroCampi; ++i)
            QVERIFY(s.testo(campo(i)).size() <= definizione(campo(i)).larghezza);
        QVERIFY(!subRigaElenco(s).isEmpty());
    }
    TScheda oltre;
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Leggi(oltre)); // the partial trailing record is not read
    a.Chiudi();
    QCOMPARE(leggiFile(p), dati);

    // The editor shows the first and the last card, or says the archive is empty.
    TfrmCartoline ed;
    controllo<QLabel>(ed, "lblFile")->setText(p);
    controllo<QLabel>(ed, "lblNome")->setText(QStringLiteral("Guasto"));
    ed.mostra();
    clic(ed, "cmdPrimo");
    clic(ed, "cmdUltimo");
    if (n == 0) {
        const QList<Mostrato> vuoto{
            {Tipo::Informazione, QStringLiteral("L'archivio non contiene nessuna scheda.")}};
        QCOMPARE(messaggi(), vuoto + vuoto);
        return;
    }
    QCOMPARE(messaggi(), QList<Mostrato>{});
    QCOMPARE(controllo<QLabel>(ed, "lblPosizione")->text(), QString::number(n));
    QVERIFY(controllo<QLineEdit>(ed, "txtTitolo")->text().size() <= 120);
    // Its photos do not exist: the placeholders.
    QCOMPARE(controllo<TRiquadroFoto>(ed, "imgFoto")->foto().immagine().size(), QSize(366, 260));
    QCOMPARE(leggiFile(p), dati); // showing cards never writes
}

void TestFileGuasti::foto_data() {
    QTest::addColumn<QByteArray>("dati");
    const QByteArray jpg = immagine({80, 60}, "jpeg");
    QTest::newRow("truncated JPEG") << jpg.left(jpg.size() / 2);
    QTest::newRow("random bytes") << casuali(20000, 3);
    QTest::newRow("random bytes after a JPEG start") << "\xFF\xD8\xFF" + casuali(20000, 4);
    QTest::newRow("random bytes after a BMP start") << "BM" + casuali(20000, 5);
    QByteArray enorme = jpg;
    for (qsizetype i = 2; i + 9 < enorme.size(); ++i) {
        if (uchar(enorme[i]) == 0xFF && uchar(enorme[i + 1]) == 0xC0) {
            qToBigEndian(quint16(60000), enorme.data() + i + 5);
            qToBigEndian(quint16(60000), enorme.data() + i + 7);
            break;
        }
    }
    QTest::newRow("JPEG announcing 60000 x 60000") << enorme;
    QByteArray bmp = immagine({8, 8}, "bmp");
    qToLittleEndian(qint32(60000), bmp.data() + 18);
    qToLittleEndian(qint32(60000), bmp.data() + 22);
    QTest::newRow("BMP announcing 60000 x 60000") << bmp;
}

// The card's slot A file is broken, slot B is fine: both slots show their placeholders.
void TestFileGuasti::foto() {
    QFETCH(QByteArray, dati);
    const QString p = percorso(QStringLiteral("Quarzi.ima"));
    TScheda s;
    s.impostaTesto(Campo::Titolo, QStringLiteral("Quarzo"));
    scriviFile(p, QByteArray(s.byte.data(), DimensioneScheda));
    QVERIFY(QDir().mkpath(CartellaFoto()));
    scriviFile(PercorsoFoto(QStringLiteral("Quarzi"), QStringLiteral("1"), SlotFoto::A), dati);
    scriviFile(PercorsoFoto(QStringLiteral("Quarzi"), QStringLiteral("1"), SlotFoto::B),
               immagine({30, 20}, "jpeg"));

    TfrmCartoline ed;
    controllo<QLabel>(ed, "lblFile")->setText(p);
    controllo<QLabel>(ed, "lblNome")->setText(QStringLiteral("Quarzi"));
    ed.mostra();
    clic(ed, "cmdPrimo");
    QCOMPARE(messaggi(), QList<Mostrato>{});
    QCOMPARE(controllo<QLabel>(ed, "lblPosizione")->text(), QStringLiteral("1"));
    QCOMPARE(controllo<TRiquadroFoto>(ed, "imgFoto")->foto().immagine().size(), QSize(366, 260));
    QCOMPARE(controllo<TRiquadroFoto>(ed, "imgFoto02")->foto().immagine().size(), QSize(366, 260));
}

QTEST_MAIN(TestFileGuasti)
#include "test_file_guasti.moc"
