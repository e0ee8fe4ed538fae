#include "Record.h"
#include "TestSupport.h"

#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/FotoScheda.h"
#include "storage/Scheda.h"
#include "storage/Testo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

namespace {

using Fixture::Layout;

QByteArray recordVuoto() {
    return QByteArray(Fixture::Record, '\0');
}

void poniCampo(QByteArray& rec, int offset, int lunghezza, const QByteArray& testo) {
    Fixture::campo(rec, offset, testo, lunghezza);
}

TScheda daByte(const QByteArray& rec) {
    TScheda s;
    std::copy(rec.begin(), rec.end(), s.byte.begin());
    return s;
}

QByteArray aByte(const TScheda& s) {
    return QByteArray(s.byte.data(), DimensioneScheda);
}

QByteArray jpeg(QSize dimensione, QColor colore) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(colore);
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, "jpeg").write(img);
    return out;
}

// A 400 x 300 JPEG in four coloured quarters (red, green above; blue, yellow below) whose EXIF tag says
// how to turn it for showing (1 as stored, 3 half a turn, 6 a quarter clockwise, 8 anticlockwise).
QByteArray jpegQuartiRuotato(int orientamento) {
    QImage img(400, 300, QImage::Format_RGB32);
    img.fill(Qt::red);
    QPainter p(&img);
    p.fillRect(200, 0, 200, 150, Qt::green);
    p.fillRect(0, 150, 200, 150, Qt::blue);
    p.fillRect(200, 150, 200, 150, Qt::yellow);
    p.end();
    QByteArray j;
    QBuffer b(&j);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, "jpeg").write(img);
    // APP1: "Exif", a big-endian TIFF header and one IFD entry, Orientation (0x0112), SHORT, 1 value.
    const QByteArray tiff = QByteArray("MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19) +
                            char(orientamento) + QByteArray(6, '\0');
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff;
    const int n = int(app1.size()) + 2;
    return j.left(2) + QByteArray("\xFF\xE1") + char(n >> 8) + char(n & 0xFF) + app1 + j.mid(2);
}

bool simile(QRgb a, QColor b) {
    return std::abs(qRed(a) - b.red()) < 40 && std::abs(qGreen(a) - b.green()) < 40 &&
           std::abs(qBlue(a) - b.blue()) < 40;
}

class FintoEditore : public IFotoScheda {
public:
    QString nome = QStringLiteral("Quarzi"), posizione = QStringLiteral("7");
    Foto slot[2];
    int segnaposto = 0;
    QString nomeCatalogo() const override { return nome; }
    QString posizioneScheda() const override { return posizione; }
    Foto foto(SlotFoto s) const override { return slot[int(s)]; }
    void impostaFoto(SlotFoto s, const Foto& f) override { slot[int(s)] = f; }
    void mostraSegnaposto() override {
        ++segnaposto;
        slot[0] = Foto(QImage(366, 260, QImage::Format_RGB32));
        slot[1] = Foto(QImage(366, 260, QImage::Format_RGB32));
    }
};

} // namespace

class TestStorage : public TestGeodario {
    Q_OBJECT
private slots:
    void layoutDeiCampi();
    void lettura_data();
    void lettura();
    void scrittura_data();
    void scrittura();
    void inVendita();
    void byteOltreIlTesto();

    void archivioNuovo();
    void appendPoiSovrascrivi();
    void recordParzialeInCoda();
    void posizionaFuoriLimiti();
    void letturaAvantiVedeLeScritture();
    void erroreArchivioTesto();

    void percorsoFoto();
    void caricaFoto_data();
    void caricaFoto();
    void salvaFotoMantieneIJpeg();
    void salvaFotoFallita();
    void fotoRidottaDrittaIntera_data();
    void fotoRidottaDrittaIntera();
};

void TestStorage::layoutDeiCampi() {
    // Each field gets a distinct text of its full width; the bytes must land at the table's offsets.
    TScheda s;
    for (const auto& v : Layout)
        s.impostaTesto(v.campo, QString(v.larghezza + 3, QChar(u'A' + int(v.campo) % 26)));
    const QByteArray b = aByte(s);
    for (const auto& v : Layout) {
        QCOMPARE(int(static_cast<unsigned char>(b[v.offset])), v.larghezza);
        QCOMPARE(b.mid(v.offset + 1, v.larghezza), QByteArray(v.larghezza, char('A' + int(v.campo) % 26)));
    }
    QCOMPARE(Layout[27].offset + Layout[27].larghezza + 1, 3646);
}

void TestStorage::lettura_data() {
    QTest::addColumn<QByteArray>("memorizzato");
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<QString>("letto");
    QTest::newRow("plain") << QByteArray("Calcite") << 7 << "Calcite";
    QTest::newRow("blanks trimmed") << QByteArray("  Calcite \t") << 11 << "Calcite";
    QTest::newRow("control chars trimmed") << QByteArray("\x01"
                                                         "Calcite\x1f")
                                           << 9 << "Calcite";
    QTest::newRow("nbsp kept") << QByteArray("\xa0"
                                             "Calcite")
                               << 8 << QStringLiteral("\u00a0Calcite");
    QTest::newRow("cp1252 accents") << QByteArray("Localit\xe0") << 8 << QStringLiteral("Località");
    QTest::newRow("cp1252 euro") << QByteArray("\x80 5") << 3 << QStringLiteral("€ 5");
    QTest::newRow("length byte beyond width") << QByteArray(130, 'x') << 200 << QString(120, u'x');
}

void TestStorage::lettura() {
    QFETCH(QByteArray, memorizzato);
    QFETCH(int, lunghezza);
    QFETCH(QString, letto);
    QByteArray rec = recordVuoto();
    poniCampo(rec, 0, lunghezza, memorizzato.left(121 - 1));
    QCOMPARE(daByte(rec).testo(Campo::Titolo), letto);
}

void TestStorage::scrittura_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QByteArray>("atteso");
    QTest::newRow("trimmed") << "  calcite  " << QByteArray("calcite");
    QTest::newRow("a grave") << QStringLiteral("Località") << QByteArray("Localit\xe0");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
    QTest::newRow("greek") << QStringLiteral("α-quarzo") << QByteArray("?-quarzo");
    QTest::newRow("macron to base letter") << QStringLiteral("Ā") << QByteArray("A");
    QTest::newRow("cut at width") << QString(130, u'z') << QByteArray(120, 'z');
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestStorage::scrittura() {
    QFETCH(QString, testo);
    QFETCH(QByteArray, atteso);
    TScheda s;
    s.impostaTesto(Campo::Titolo, testo);
    const QByteArray b = aByte(s);
    QCOMPARE(int(static_cast<unsigned char>(b[0])), atteso.size());
    QCOMPARE(b.mid(1, atteso.size()), atteso);
}

void TestStorage::inVendita() {
    TScheda s;
    s.impostaInVendita(true);
    QCOMPARE(aByte(s).mid(2137, 3), QByteArray("\x02\x53\xec"));
    QVERIFY(s.inVendita());
    s.impostaInVendita(false);
    QCOMPARE(aByte(s).mid(2137, 3), QByteArray("\x02\x4e\x6f"));
    QVERIFY(!s.inVendita());
    // 260 characters in an attachment label keep their first 250.
    s.impostaTesto(Campo::Desc03, QString(260, u'd'));
    QCOMPARE(s.testo(Campo::Desc03), QString(250, u'd'));
}

void TestStorage::byteOltreIlTesto() {
    QByteArray a = recordVuoto(), b = recordVuoto();
    poniCampo(a, 121, 6, "Silice");
    poniCampo(b, 121, 6, "Silice");
    b[121 + 7] = 'X';
    QVERIFY(daByte(a) == daByte(b));
    QCOMPARE(daByte(b).testo(Campo::Tipologia), QStringLiteral("Silice"));
}

void TestStorage::archivioNuovo() {
    const QString p = percorso(QStringLiteral("Nuovo.ima"));
    TArchivio a;
    a.ApriOCrea(p);
    QCOMPARE(a.NumeroSchede(), 0);
    QVERIFY(a.FineArchivio());
    a.Posiziona(0);
    TScheda s;
    s.impostaTesto(Campo::Titolo, QStringLiteral("Quarzo"));
    a.Scrivi(s);
    QCOMPARE(a.Posizione(), 1);
    a.Chiudi();
    QCOMPARE(QFileInfo(p).size(), 3646);
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.NumeroSchede()); // closed
}

void TestStorage::appendPoiSovrascrivi() {
    const QString p = percorso(QStringLiteral("A.ima"));
    TArchivio a;
    a.ApriOCrea(p);
    TScheda s;
    for (const char* nome : {"Uno", "Due", "Tre"}) {
        s.impostaTesto(Campo::Titolo, QString::fromLatin1(nome));
        a.Posiziona(a.NumeroSchede());
        a.Scrivi(s);
    }
    a.Posiziona(1);
    s.impostaTesto(Campo::Titolo, QStringLiteral("Secondo"));
    a.Scrivi(s);
    QCOMPARE(a.Posizione(), 2);
    a.Chiudi();
    QCOMPARE(QFileInfo(p).size(), 3 * 3646);

    a.ApriOCrea(p);
    QStringList letti;
    while (!a.FineArchivio()) {
        a.Leggi(s);
        letti << s.testo(Campo::Titolo);
    }
    QCOMPARE(letti, (QStringList{"Uno", "Secondo", "Tre"}));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Leggi(s));
}

void TestStorage::recordParzialeInCoda() {
    const QString p = percorso(QStringLiteral("Parziale.ima"));
    QByteArray file = recordVuoto() + recordVuoto() + QByteArray(100, 'x');
    poniCampo(file, 0, 4, "Zero");
    scriviFile(p, file);
    TArchivio a;
    a.ApriOCrea(p);
    QCOMPARE(a.NumeroSchede(), 2);
    TScheda s;
    a.Posiziona(1);
    a.Leggi(s);
    QVERIFY(a.FineArchivio());
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Leggi(s));
    // The append goes over the partial bytes, at the offset of the whole records.
    a.Posiziona(a.NumeroSchede());
    s.impostaTesto(Campo::Titolo, QStringLiteral("Terzo"));
    a.Scrivi(s);
    a.Chiudi();
    const QByteArray dopo = leggiFile(p);
    QCOMPARE(dopo.size(), 3 * 3646);
    QCOMPARE(dopo.mid(2 * 3646, 6), QByteArray("\x05Terzo"));
    QCOMPARE(dopo.left(5), QByteArray("\x04Zero"));
}

void TestStorage::posizionaFuoriLimiti() {
    TArchivio a;
    a.ApriOCrea(percorso(QStringLiteral("B.ima")));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Posiziona(-1));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Posiziona(1));
    a.Posiziona(0);
    a.Chiudi();
    QCOMPARE(QFileInfo(percorso(QStringLiteral("B.ima"))).size(), 0);
}

void TestStorage::letturaAvantiVedeLeScritture() {
    const QString p = percorso(QStringLiteral("C.ima"));
    TArchivio a;
    a.ApriOCrea(p);
    TScheda s;
    for (int i = 0; i < 300; ++i) {
        s.impostaTesto(Campo::Anno, QString::number(i));
        a.Scrivi(s);
    }
    a.Posiziona(0);
    a.Leggi(s); // fills the read-ahead block
    s.impostaTesto(Campo::Anno, QStringLiteral("nuovo"));
    a.Posiziona(5);
    a.Scrivi(s);
    a.Posiziona(5);
    a.Leggi(s);
    QCOMPARE(s.testo(Campo::Anno), QStringLiteral("nuov"));
    a.Posiziona(299);
    a.Leggi(s);
    QCOMPARE(s.testo(Campo::Anno), QStringLiteral("299"));
}

void TestStorage::erroreArchivioTesto() {
    QCOMPARE(
        MessaggioErroreArchivio(),
        QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                       "possedere i privilegi di scrittura nella cartella di installazione del programma."));
}

void TestStorage::percorsoFoto() {
    const QString sep = QDir::separator();
    QVERIFY(cartella().endsWith(sep));
    QCOMPARE(PercorsoFoto(QStringLiteral(" Quarzi "), QStringLiteral(" 12 "), SlotFoto::A),
             cartella() + "Foto_Minerali" + sep + "Quarzi_Foto_A_12.jpg");
    QCOMPARE(PercorsoFoto(QStringLiteral("Quarzi"), QStringLiteral("7"), SlotFoto::B),
             cartella() + "Foto_Minerali" + sep + "Quarzi_Foto_B_7.jpg");
}

void TestStorage::caricaFoto_data() {
    QTest::addColumn<bool>("conA");
    QTest::addColumn<bool>("conB");
    QTest::addColumn<bool>("aTesto");
    QTest::addColumn<bool>("caricate");
    QTest::newRow("both") << true << true << false << true;
    QTest::newRow("only A") << true << false << false << false;
    QTest::newRow("only B") << false << true << false << false;
    QTest::newRow("A is text") << true << true << true << false;
    QTest::newRow("none") << false << false << false << false;
}

void TestStorage::caricaFoto() {
    QFETCH(bool, conA);
    QFETCH(bool, conB);
    QFETCH(bool, aTesto);
    QFETCH(bool, caricate);
    FintoEditore ed;
    QDir().mkpath(CartellaFoto());
    if (conA)
        scriviFile(PercorsoFoto("Quarzi", "7", SlotFoto::A),
                   aTesto ? QByteArray("non sono una foto") : jpeg({40, 30}, Qt::red));
    if (conB)
        scriviFile(PercorsoFoto("Quarzi", "7", SlotFoto::B), jpeg({20, 10}, Qt::blue));
    QCOMPARE(CaricaFotoScheda(ed), caricate);
    QCOMPARE(ed.segnaposto, caricate ? 0 : 1);
    if (caricate) {
        QCOMPARE(ed.slot[0].immagine().size(), QSize(40, 30));
        QCOMPARE(ed.slot[1].immagine().size(), QSize(20, 10));
    } else {
        QCOMPARE(ed.slot[0].immagine().size(), QSize(366, 260));
        QCOMPARE(ed.slot[1].immagine().size(), QSize(366, 260));
    }
}

void TestStorage::salvaFotoMantieneIJpeg() {
    // A 4000 x 3000 photo loaded from JPEG is written back byte for byte, full size.
    const QByteArray grande = jpeg({4000, 3000}, QColor(10, 120, 30));
    FintoEditore ed;
    ed.slot[0] = Foto::daDati(grande);
    ed.slot[1] = Foto(QImage(300, 200, QImage::Format_RGB32));
    QVERIFY(SalvaFotoScheda(ed));
    QCOMPARE(leggiFile(PercorsoFoto("Quarzi", "7", SlotFoto::A)), grande);
    const Foto b = Foto::daFile(PercorsoFoto("Quarzi", "7", SlotFoto::B));
    QCOMPARE(b.immagine().size(), QSize(300, 200));
    QVERIFY(!QDir(CartellaFoto()).entryList(QDir::Files).join(' ').contains(u'~')); // no temporary left
    QCOMPARE(QDir(CartellaFoto()).entryList(QDir::Files).size(), 2);
}

void TestStorage::salvaFotoFallita() {
    // A file where the photo folder should be: nothing can be written, both slots fall back.
    scriviFile(CartellaFoto(), "x");
    FintoEditore ed;
    ed.slot[0] = Foto(QImage(10, 10, QImage::Format_RGB32));
    ed.slot[1] = Foto(QImage(10, 10, QImage::Format_RGB32));
    QVERIFY(!SalvaFotoScheda(ed));
    QCOMPARE(ed.segnaposto, 1);
}

// A photo is shown decoded at the size of its box, not at full size: the reduced picture must be the
// whole picture, turned as its EXIF tag says, whether it was made when the file was loaded (for a box)
// or later for a larger one.
void TestStorage::fotoRidottaDrittaIntera_data() {
    QTest::addColumn<int>("orientamento");
    QTest::addColumn<QSize>("riquadro"); // at loading; invalid: none
    QTest::addColumn<QSize>("mostrata"); // the box it is then shown in
    QTest::addColumn<QSize>("dimensione");
    QTest::addColumn<QColor>("sinistraAlto");
    QTest::addColumn<QColor>("destraAlto");
    const QColor r = Qt::red, g = Qt::green, b = Qt::blue, y = Qt::yellow;
    const struct {
        int o;
        QSize dimensione;
        QColor sa, da;
    } orientamenti[] = {
        {1, {400, 300}, r, g}, {3, {400, 300}, y, b}, {6, {300, 400}, b, r}, {8, {300, 400}, g, y}};
    for (const auto& o : orientamenti) {
        QTest::addRow("orientation %d, slot box at loading", o.o)
            << o.o << QSize(366, 260) << QSize(366, 260) << o.dimensione << o.sa << o.da;
        QTest::addRow("orientation %d, no box at loading, shown in the slot", o.o)
            << o.o << QSize() << QSize(366, 260) << o.dimensione << o.sa << o.da;
        QTest::addRow("orientation %d, slot box at loading, then a small box", o.o)
            << o.o << QSize(366, 260) << QSize(60, 60) << o.dimensione << o.sa << o.da;
        QTest::addRow("orientation %d, box larger than the photo", o.o)
            << o.o << QSize(1000, 800) << QSize(1000, 800) << o.dimensione << o.sa << o.da;
    }
}

void TestStorage::fotoRidottaDrittaIntera() {
    QFETCH(int, orientamento);
    QFETCH(QSize, riquadro);
    QFETCH(QSize, mostrata);
    QFETCH(QSize, dimensione);
    QFETCH(QColor, sinistraAlto);
    QFETCH(QColor, destraAlto);
    const QByteArray dati = jpegQuartiRuotato(orientamento);
    const Foto f = Foto::daDati(dati, riquadro);
    QVERIFY(!f.isNull());
    QCOMPARE(f.dimensione(), dimensione);
    const QSize s = Foto::adattata(dimensione, mostrata);
    const QImage img = f.ridotta(s);
    QCOMPARE(img.size(), s);
    const int dx = s.width() / 4, dy = s.height() / 4;
    QVERIFY(simile(img.pixel(dx, dy), sinistraAlto));
    QVERIFY(simile(img.pixel(s.width() - 1 - dx, dy), destraAlto));
    QCOMPARE(f.immagine().size(), dimensione);
    QVERIFY(simile(f.immagine().pixel(10, 10), sinistraAlto));
    QCOMPARE(f.comeJpeg(), dati); // saved as it came, tag included
}

QTEST_MAIN(TestStorage)
#include "test_storage.moc"
