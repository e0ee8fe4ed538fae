#include "TestSupport.h"

#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/Foto.h"
#include "storage/FotoScheda.h"
#include "storage/Scheda.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QSet>
#include <QtEndian>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Archives and photos as other programs and other processes leave them: files that are no photos,
// forged headers, two writers at once, a full disk, symbolic links.
class TestStorageAffidabilita : public TestGeodario {
    Q_OBJECT
private slots:
    void fotoNonRegolare_data();
    void fotoNonRegolare();
    void fotoContenuto_data();
    void fotoContenuto();
    void fotoSenzaMemoria();
    void fotoRidottaEntroIlLimite_data();
    void fotoRidottaEntroIlLimite();

    void accodaDopoAltroProgramma();
    void scriviSuArchivioAccorciato();
    void accodaConcorrente();
    void accodaDiscoPieno_data();
    void accodaDiscoPieno();
    void apriOCreaLink_data();
    void apriOCreaLink();
};

namespace {

QByteArray immagine(QSize dimensione, const char* formato) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(QColor(40, 90, 160));
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, formato).write(img);
    return out;
}

// The JPEG with the frame header's height and width replaced: the decoder is told of a huge picture.
QByteArray jpegCheAnnuncia(int larghezza, int altezza) {
    QByteArray j = immagine({16, 16}, "jpeg");
    for (qsizetype i = 2; i + 9 < j.size(); ++i) {
        if (uchar(j[i]) == 0xFF && (uchar(j[i + 1]) == 0xC0 || uchar(j[i + 1]) == 0xC2)) {
            j[i + 5] = char(altezza >> 8);
            j[i + 6] = char(altezza & 0xFF);
            j[i + 7] = char(larghezza >> 8);
            j[i + 8] = char(larghezza & 0xFF);
            return j;
        }
    }
    return {};
}

QByteArray bmpCheAnnuncia(qint32 larghezza, qint32 altezza) {
    QByteArray b = immagine({16, 16}, "bmp");
    qToLittleEndian(larghezza, b.data() + 18);
    qToLittleEndian(altezza, b.data() + 22);
    return b;
}

TScheda schedaCon(const QString& titolo) {
    TScheda s;
    s.impostaTesto(Campo::Titolo, titolo);
    return s;
}

QString titoloIn(const QByteArray& archivio, qint64 k) {
    TScheda s;
    std::copy_n(archivio.constData() + k * DimensioneScheda, DimensioneScheda, s.byte.begin());
    return s.testo(Campo::Titolo);
}

void accodaUna(const QString& percorso, const QString& titolo) {
    TArchivio a;
    a.ApriOCrea(percorso);
    a.Posiziona(a.NumeroSchede());
    a.Scrivi(schedaCon(titolo));
    a.Chiudi();
}

// A file-size limit for this process, as a full disk sets one; SIGXFSZ ignored so that the write
// fails with an error instead of ending the process.
class DiscoPieno {
public:
    explicit DiscoPieno(qint64 byte) {
        getrlimit(RLIMIT_FSIZE, &prima);
        vecchioSegnale = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = prima;
        r.rlim_cur = rlim_t(byte);
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DiscoPieno() {
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, vecchioSegnale);
    }

private:
    rlimit prima{};
    void (*vecchioSegnale)(int) = nullptr;
};

class FintoEditore : public IFotoScheda {
public:
    Foto slot[2];
    int segnaposto = 0;
    QString nomeCatalogo() const override { return QStringLiteral("Quarzi"); }
    QString posizioneScheda() const override { return QStringLiteral("3"); }
    Foto foto(SlotFoto s) const override { return slot[int(s)]; }
    void impostaFoto(SlotFoto s, const Foto& f) override { slot[int(s)] = f; }
    void mostraSegnaposto() override { ++segnaposto; }
};

} // namespace

// A photo name that is no regular file: a FIFO would block the open for ever, a device never ends.
void TestStorageAffidabilita::fotoNonRegolare_data() {
    QTest::addColumn<QString>("tipo");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a FIFO") << "link-fifo";
    QTest::newRow("link to an endless device") << "zero";
    QTest::newRow("folder") << "cartella";
    QTest::newRow("larger than the limit") << "enorme";
}

void TestStorageAffidabilita::fotoNonRegolare() {
    QFETCH(QString, tipo);
    QVERIFY(QDir().mkpath(CartellaFoto()));
    scriviFile(PercorsoFoto("Quarzi", "3", SlotFoto::B), immagine({20, 10}, "jpeg"));
    const QString a = PercorsoFoto("Quarzi", "3", SlotFoto::A);
    const QString fifo = percorso(QStringLiteral("tubo"));
    if (tipo == "fifo" || tipo == "link-fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(tipo == "fifo" ? a : fifo).constData(), 0600), 0);
    if (tipo == "link-fifo")
        QVERIFY(QFile::link(fifo, a));
    if (tipo == "zero")
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), a));
    if (tipo == "cartella")
        QVERIFY(QDir().mkpath(a));
    if (tipo == "enorme") {
        // Sparse: a JPEG start, then holes up to one byte over the limit.
        QFile f(a);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(immagine({16, 16}, "jpeg"));
        QVERIFY(f.resize(Foto::MassimoByteFile + 1));
    }

    FintoEditore ed;
    auto carica = std::async(std::launch::async, [&ed] { return CaricaFotoScheda(ed); });
    if (carica.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
        // Release the blocked open with a writer so that the test can end, then fail.
        const int w = ::open(QFile::encodeName(tipo == "fifo" ? a : fifo).constData(), O_WRONLY);
        ::close(w);
        carica.wait();
        QFAIL("loading the photos hangs");
    }
    QVERIFY(!carica.get());
    QCOMPARE(ed.segnaposto, 1);
}

void TestStorageAffidabilita::fotoContenuto_data() {
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<QSize>("dimensione"); // invalid: no picture
    QTest::addColumn<bool>("jpegOriginale");
    const QByteArray jpg = immagine({40, 30}, "jpeg");
    QTest::newRow("JPEG") << jpg << QSize(40, 30) << true;
    QTest::newRow("BMP under a .jpg name") << immagine({12, 8}, "bmp") << QSize(12, 8) << false;
    QTest::newRow("PNG") << immagine({12, 8}, "png") << QSize() << false;
    QTest::newRow("SVG pulling in a local image")
        << QByteArray("<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"40\" height=\"30\">"
                      "<image width=\"40\" height=\"30\" xlink:href=\"segreta.png\"/></svg>\n")
        << QSize() << false;
    QTest::newRow("truncated JPEG") << jpg.left(jpg.size() * 2 / 3) << QSize() << false;
    QTest::newRow("JPEG start alone") << QByteArray("\xFF\xD8\xFF") << QSize() << false;
    QTest::newRow("random bytes") << QByteArray::fromHex("8e1d3c0a77f00b9e4d2a61c5") << QSize() << false;
    QTest::newRow("JPEG announcing 60000 x 60000") << jpegCheAnnuncia(60000, 60000) << QSize() << false;
    QTest::newRow("BMP announcing 60000 x 60000") << bmpCheAnnuncia(60000, 60000) << QSize() << false;
    QTest::newRow("BMP announcing negative size") << bmpCheAnnuncia(-60000, -2147483647) << QSize() << false;
    QTest::newRow("empty file") << QByteArray() << QSize() << false;
}

void TestStorageAffidabilita::fotoContenuto() {
    QFETCH(QByteArray, dati);
    QFETCH(QSize, dimensione);
    QFETCH(bool, jpegOriginale);
    // The SVG's image, were it followed.
    scriviFile(percorso(QStringLiteral("segreta.png")), immagine({40, 30}, "png"));
    const QString p = percorso(QStringLiteral("foto.jpg"));
    scriviFile(p, dati);
    const Foto f = Foto::daFile(p);
    QCOMPARE(f.isNull(), !dimensione.isValid());
    if (dimensione.isValid())
        QCOMPARE(f.immagine().size(), dimensione);
    QCOMPARE(f.jpegOriginale().isEmpty(), !jpegOriginale);
    if (jpegOriginale)
        QCOMPARE(f.jpegOriginale(), dati); // written back unchanged on save
    QCOMPARE(Foto::daDati(dati).isNull(), f.isNull());
}

// Memory that runs out while a photo is read makes it unreadable, never ends the program.
void TestStorageAffidabilita::fotoSenzaMemoria() {
    const QString p = percorso(QStringLiteral("grande.bmp"));
    {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(immagine({16, 16}, "bmp"));
        QVERIFY(f.resize(200 * 1024 * 1024)); // sparse; within the file limit
    }
    QProcess sonda;
    sonda.start(QStringLiteral(SONDA_STORAGE), {QStringLiteral("foto"), p, QStringLiteral("64")});
    QVERIFY(sonda.waitForFinished(60000));
    const QByteArray uscita = sonda.readAllStandardOutput().trimmed();
    if (uscita == "skip")
        QSKIP("address space cannot be limited in this build");
    QCOMPARE(sonda.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sonda.exitCode(), 0);
    QCOMPARE(uscita, QByteArray("null"));
}

// A JPEG is decoded only reduced when it is loaded, so the reader never allocates the full picture and
// cannot apply the pixel limit itself: the size its header announces is held against the limit.
void TestStorageAffidabilita::fotoRidottaEntroIlLimite_data() {
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<QSize>("riquadro"); // invalid: none
    QTest::addColumn<bool>("caricata");
    const QByteArray oltre = jpegCheAnnuncia(8193, 8192), limite = jpegCheAnnuncia(8192, 8192);
    const QByteArray jpg = immagine({400, 300}, "jpeg");
    for (QSize r : {QSize(), QSize(366, 260)}) {
        const char* box = r.isValid() ? "slot box" : "no box";
        QTest::addRow("%s, 8193 x 8192 (just over 256 MB)", box) << oltre << r << false;
        QTest::addRow("%s, 8192 x 8192 (256 MB)", box) << limite << r << true;
        QTest::addRow("%s, truncated", box) << jpg.left(jpg.size() - 40) << r << false;
    }
}

void TestStorageAffidabilita::fotoRidottaEntroIlLimite() {
    QFETCH(QByteArray, dati);
    QFETCH(QSize, riquadro);
    QFETCH(bool, caricata);
    const Foto f = Foto::daDati(dati, riquadro);
    QCOMPARE(!f.isNull(), caricata);
    if (caricata)
        QCOMPARE(f.dimensione(), QSize(8192, 8192));
}

// Another program appended after this one opened the archive: the new card goes after it.
void TestStorageAffidabilita::accodaDopoAltroProgramma() {
    const QString p = percorso(QStringLiteral("Quarzi.ima"));
    accodaUna(p, QStringLiteral("prima"));
    TArchivio a;
    a.ApriOCrea(p);
    a.Posiziona(a.NumeroSchede());
    accodaUna(p, QStringLiteral("altro programma"));
    a.Scrivi(schedaCon(QStringLiteral("mia")));
    QCOMPARE(a.Posizione(), 3);
    QCOMPARE(a.NumeroSchede(), 3);
    a.Chiudi();
    const QByteArray file = leggiFile(p);
    QCOMPARE(file.size(), 3 * DimensioneScheda);
    QCOMPARE(titoloIn(file, 1), QStringLiteral("altro programma"));
    QCOMPARE(titoloIn(file, 2), QStringLiteral("mia"));

    // The same through Accoda, which also overwrites a partial trailing record.
    scriviFile(p, file + QByteArray(100, 'z'));
    TArchivio b;
    b.ApriOCrea(p);
    QCOMPARE(b.Accoda(schedaCon(QStringLiteral("quarta"))), 4);
    b.Chiudi();
    QCOMPARE(leggiFile(p).size(), 4 * DimensioneScheda);
    QCOMPARE(titoloIn(leggiFile(p), 3), QStringLiteral("quarta"));
}

// The file was shortened by another program after it was opened: an overwrite beyond its end would
// leave a gap of records nobody wrote.
void TestStorageAffidabilita::scriviSuArchivioAccorciato() {
    const QString p = percorso(QStringLiteral("Quarzi.ima"));
    for (int i = 0; i < 5; ++i)
        accodaUna(p, QString::number(i));
    TArchivio a;
    a.ApriOCrea(p);
    QFile::resize(p, 3 * DimensioneScheda);
    const QByteArray prima = leggiFile(p);
    a.Posiziona(4);
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Scrivi(schedaCon(QStringLiteral("quinta"))));
    a.Chiudi();
    QCOMPARE(leggiFile(p), prima);
}

// Two programs saving new cards into one archive at once: no card is lost, and each is told the
// number its card really got.
void TestStorageAffidabilita::accodaConcorrente() {
    const QString p = percorso(QStringLiteral("Condiviso.ima"));
    constexpr int quante = 500;
    QProcess uno, due;
    uno.start(QStringLiteral(SONDA_STORAGE), {"accoda", p, QString::number(quante), "uno-"});
    due.start(QStringLiteral(SONDA_STORAGE), {"accoda", p, QString::number(quante), "due-"});
    QVERIFY(uno.waitForFinished(120000));
    QVERIFY(due.waitForFinished(120000));
    QCOMPARE(uno.exitCode(), 0);
    QCOMPARE(due.exitCode(), 0);

    const QByteArray file = leggiFile(p);
    QCOMPARE(file.size(), 2 * quante * DimensioneScheda);
    QHash<QString, qint64> dove; // card text -> record
    for (qint64 k = 0; k < 2 * quante; ++k) {
        const QString t = titoloIn(file, k);
        QVERIFY2(!dove.contains(t), qPrintable(QStringLiteral("%1 twice").arg(t)));
        dove.insert(t, k);
    }
    QCOMPARE(dove.size(), 2 * quante);
    QSet<qint64> numeri;
    for (QProcess* s : {&uno, &due}) {
        const QList<QByteArray> righe = s->readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(righe.size(), quante);
        for (const QByteArray& r : righe) {
            const QList<QByteArray> parti = r.split(' ');
            QCOMPARE(parti.size(), 2);
            const QString testo = QString::fromLatin1(parti[0]);
            QVERIFY2(dove.contains(testo), qPrintable(testo + " lost"));
            // The number told is where the card is: its photos are named after it.
            QCOMPARE(parti[1].toLongLong(), dove.value(testo) + 1);
            numeri.insert(parti[1].toLongLong());
        }
    }
    QCOMPARE(numeri.size(), 2 * quante);
}

void TestStorageAffidabilita::accodaDiscoPieno_data() {
    QTest::addColumn<qint64>("spazio"); // bytes the file may reach
    QTest::addColumn<int>("parziale");  // bytes of a partial record already at the end
    QTest::newRow("room for part of a record") << qint64(2 * DimensioneScheda + 1000) << 0;
    QTest::newRow("no room at all") << qint64(2 * DimensioneScheda) << 0;
    QTest::newRow("after a partial record") << qint64(2 * DimensioneScheda + 3000) << 500;
}

// A full disk during an append: the archive error, and the file cut back to its whole records.
void TestStorageAffidabilita::accodaDiscoPieno() {
    QFETCH(qint64, spazio);
    QFETCH(int, parziale);
    const QString p = percorso(QStringLiteral("Quarzi.ima"));
    accodaUna(p, QStringLiteral("uno"));
    accodaUna(p, QStringLiteral("due"));
    const QByteArray intere = leggiFile(p);
    scriviFile(p, intere + QByteArray(parziale, 'z'));
    {
        const DiscoPieno pieno(spazio);
        TArchivio a;
        a.ApriOCrea(p);
        a.Posiziona(a.NumeroSchede());
        QVERIFY_THROWS_EXCEPTION(EArchivio, a.Scrivi(schedaCon(QStringLiteral("tre"))));
    }
    QCOMPARE(leggiFile(p), intere);
    // Space freed: the next append works.
    accodaUna(p, QStringLiteral("tre"));
    QCOMPARE(leggiFile(p).size(), 3 * DimensioneScheda);
    QCOMPARE(titoloIn(leggiFile(p), 2), QStringLiteral("tre"));
}

// Creating a missing archive never goes through a symbolic link; an existing archive behind a link
// opens as usual.
void TestStorageAffidabilita::apriOCreaLink_data() {
    QTest::addColumn<bool>("bersaglioEsiste");
    QTest::newRow("dangling link") << false;
    QTest::newRow("link to an archive") << true;
}

void TestStorageAffidabilita::apriOCreaLink() {
    QFETCH(bool, bersaglioEsiste);
    const QString altrove = percorso(QStringLiteral("altrove"));
    QVERIFY(QDir().mkpath(altrove));
    const QString bersaglio = altrove + QStringLiteral("/Bersaglio.ima");
    if (bersaglioEsiste)
        scriviFile(bersaglio, QByteArray(2 * DimensioneScheda, '\0'));
    const QString link = percorso(QStringLiteral("Link.ima"));
    QVERIFY(QFile::link(bersaglio, link));
    TArchivio a;
    if (bersaglioEsiste) {
        a.ApriOCrea(link);
        QCOMPARE(a.NumeroSchede(), 2);
        a.Chiudi();
    } else {
        QVERIFY_THROWS_EXCEPTION(EArchivio, a.ApriOCrea(link));
        QVERIFY(!QFileInfo::exists(bersaglio));
    }
}

QTEST_MAIN(TestStorageAffidabilita)
#include "test_storage_affidabilita.moc"
