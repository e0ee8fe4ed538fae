#include "TestSupport.h"

#include "media/Slideshow_Euro_01.h"
#include "storage/Archivio.h"
#include "ui/PulsanteImmagine.h"
#include "ui/RiquadroFoto.h"

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <functional>

using Messaggi::Mostrato;
using Messaggi::Tipo;

namespace {

constexpr int DimensioneRecord = 3646;
const QString Nome = QStringLiteral("Quarzi");

// The slide show with its message boxes observable while they are "open".
class TSlideShow : public TfrmSlideshow_Euro_01 {
public:
    using TfrmSlideshow_Euro_01::TfrmSlideshow_Euro_01;
    std::function<void()> duranteMessaggio;
    QList<bool> timerDuranteMessaggio;

protected:
    Messaggi::Risposta messaggio(Messaggi::Tipo tipo, const QString& testo) override {
        const Messaggi::Risposta r = TfrmSlideshow_Euro_01::messaggio(tipo, testo);
        timerDuranteMessaggio << Timer->isActive();
        if (duranteMessaggio)
            duranteMessaggio();
        return r;
    }
};

// The card a photo belongs to is told by its width: card n's photo A is 100 + n pixels wide.
QSize dimensioneFoto(int scheda) {
    return QSize(100 + scheda, 50);
}

bool stessaImmagine(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestMediaSlideshow : public TestGeodario {
    Q_OBJECT

    QString archivio() const { return percorso(Nome + QStringLiteral(".ima")); }
    QString cartellaFoto() const { return percorso(QStringLiteral("Foto_Minerali")); }
    QString fileFoto(int n, char slot = 'A') const {
        return cartellaFoto() + QStringLiteral("/%1_Foto_%2_%3.jpg").arg(Nome).arg(QChar(slot)).arg(n);
    }
    // An archive of n records (empty fields: the slide show only moves through them).
    void scriviArchivio(int schede, int byteInPiu = 0) {
        scriviFile(archivio(), QByteArray(schede * DimensioneRecord + byteInPiu, '\0'));
    }
    void scriviFoto(int n, char slot = 'A') {
        QDir().mkpath(cartellaFoto());
        QImage img(dimensioneFoto(n), QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        QVERIFY(img.save(fileFoto(n, slot), "JPEG"));
    }
    // The card whose photo is on screen, 0 for the placeholder, -1 for anything else.
    static int mostrata(const TfrmSlideshow_Euro_01& w) {
        const QImage img = w.imgFoto->foto().immagine();
        if (stessaImmagine(img, TfrmSlideshow_Euro_01::disegnoAttesa()))
            return 0;
        return img.height() == 50 ? img.width() - 100 : -1;
    }

private slots:
    void apertura();
    void disegnoAttesa();
    void sequenza_data();
    void sequenza();
    void senzaFotoA();
    void archivioVuoto_data();
    void archivioVuoto();
    void erroreArchivio();
    void erroreConMessaggioAperto();
    void vuotoConMessaggioAperto();
    void chiusura_data();
    void chiusura();
    void esegueMassimizzata();
};

void TestMediaSlideshow::apertura() {
    scriviArchivio(1);
    TSlideShow w(nullptr, archivio(), Nome);
    QVERIFY(!w.Timer->isActive());
    w.show();
    QVERIFY(w.Timer->isActive());
    QCOMPARE(w.Timer->interval(), 6000);
    QCOMPARE(w.lblPosizione->text(), QString());
    QVERIFY(!w.lblPosizione->isVisible());
    QVERIFY(!w.cmdAvanti->isVisible());
    QCOMPARE(w.cmdAvanti->size(), QSize(37, 39));
    QCOMPARE(mostrata(w), 0);
    const QSize schermo = w.screen()->size();
    QCOMPARE(w.panContainer->size(), schermo - QSize(60, 90));
    QCOMPARE(w.imgFoto->size(), schermo - QSize(60, 90));
    QVERIFY(!w.windowTitle().trimmed().isEmpty());
    QVERIFY(messaggi().isEmpty());
}

void TestMediaSlideshow::disegnoAttesa() {
    const QImage img = TfrmSlideshow_Euro_01::disegnoAttesa();
    QCOMPARE(img.size(), QSize(677, 184));
    QCOMPARE(img.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(img.pixelColor(676, 183), QColor(Qt::white));
    int rossi = 0, blu = 0, rossiInBasso = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
                (y < 110 ? rossi : rossiInBasso)++;
            if (c.blue() > 150 && c.red() < 80 && y >= 100)
                ++blu;
        }
    QVERIFY2(rossi > 2000, "no large red title");
    QVERIFY2(blu > 500, "no blue line under it");
    QCOMPARE(rossiInBasso, 0);
}

void TestMediaSlideshow::sequenza_data() {
    QTest::addColumn<int>("schede");
    QTest::addColumn<QStringList>("posizioni"); // lblPosizione after each step
    QTest::addColumn<QList<int>>("mostrate");   // card on screen after each step
    QTest::newRow("tre schede") << 3 << QStringList{"1", "2", "3", "0", "1", "2"}
                                << QList<int>{1, 2, 3, 3, 1, 2};
    QTest::newRow("una scheda") << 1 << QStringList{"1", "0", "1", "0"} << QList<int>{1, 1, 1, 1};
    // A partial record at the end is no card.
    QTest::newRow("record parziale") << -2 << QStringList{"1", "2", "0", "1"} << QList<int>{1, 2, 2, 1};
}

void TestMediaSlideshow::sequenza() {
    QFETCH(int, schede);
    QFETCH(QStringList, posizioni);
    QFETCH(QList<int>, mostrate);
    if (schede < 0)
        scriviArchivio(-schede, 100);
    else
        scriviArchivio(schede);
    for (int n = 1; n <= std::abs(schede); ++n)
        scriviFoto(n);
    TSlideShow w(nullptr, archivio(), Nome);
    w.show();
    for (int i = 0; i < posizioni.size(); ++i) {
        w.cmdAvantiClick();
        QCOMPARE(w.lblPosizione->text(), posizioni[i]);
        QCOMPARE(w.corrente(), posizioni[i].toLongLong());
        QCOMPARE(mostrata(w), mostrate[i]);
        QVERIFY(w.Timer->isActive());
    }
    QVERIFY(w.isVisible());
    QVERIFY(messaggi().isEmpty());
}

// Card 1 has photo A, card 2 only photo B, card 3 a photo A that is no image: the placeholder for 2 and 3.
// The photo folder missing at the start is created by the first step.
void TestMediaSlideshow::senzaFotoA() {
    scriviArchivio(3);
    TSlideShow w(nullptr, archivio(), Nome);
    w.show();
    w.cmdAvantiClick();
    QVERIFY(QFileInfo(cartellaFoto()).isDir());
    QCOMPARE(mostrata(w), 0);

    scriviFoto(1);
    scriviFoto(2, 'B');
    scriviFile(fileFoto(3), "non sono una foto");
    w.lblPosizione->clear();
    QList<int> viste;
    for (int i = 0; i < 3; ++i) {
        w.cmdAvantiClick();
        viste << mostrata(w);
    }
    QCOMPARE(viste, (QList<int>{1, 0, 0}));
    QVERIFY(messaggi().isEmpty());
}

void TestMediaSlideshow::archivioVuoto_data() {
    QTest::addColumn<int>("byte"); // -1: no archive file at all
    QTest::newRow("file vuoto") << 0;
    QTest::newRow("solo un record parziale") << 100;
    QTest::newRow("file mancante") << -1;
}

void TestMediaSlideshow::archivioVuoto() {
    QFETCH(int, byte);
    if (byte >= 0)
        scriviFile(archivio(), QByteArray(byte, '\0'));
    TSlideShow w(nullptr, archivio(), Nome);
    w.show();
    QCOMPARE(mostrata(w), 0);
    w.cmdAvantiClick();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Informazione, "L'archivio non contiene nessuna scheda."}}));
    QCOMPARE(w.timerDuranteMessaggio, QList<bool>{false});
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Timer->isActive());
    QCOMPARE(w.lblPosizione->text(), QString());
    QVERIFY(QFileInfo(archivio()).isFile()); // a missing archive is created empty
}

// The error box leaves the window open and the timer running: the next tick tries again, and succeeds
// once the archive can be opened.
void TestMediaSlideshow::erroreArchivio() {
    const QString inCartella = percorso(QStringLiteral("manca/") + Nome + QStringLiteral(".ima"));
    TSlideShow w(nullptr, inCartella, Nome);
    w.show();
    w.cmdAvantiClick();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Errore, MessaggioErroreArchivio()}}));
    QVERIFY(w.isVisible());
    QVERIFY(w.Timer->isActive());
    QCOMPARE(mostrata(w), 0);
    w.cmdAvantiClick();
    QCOMPARE(messaggi().size(), 1);

    QVERIFY(QDir(cartella()).mkdir(QStringLiteral("manca")));
    scriviFile(inCartella, QByteArray(2 * DimensioneRecord, '\0'));
    w.cmdAvantiClick();
    QVERIFY(messaggi().isEmpty());
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("1"));
}

// Ticks that fall due while the error box is open open no second box; the timer runs again after it.
void TestMediaSlideshow::erroreConMessaggioAperto() {
    TSlideShow w(nullptr, percorso(QStringLiteral("manca/x.ima")), Nome);
    w.show();
    w.duranteMessaggio = [&w] {
        w.Timer->setInterval(1);
        QTest::qWait(30); // a timer left running would tick many times here
        w.cmdAvantiClick();
        w.Timer->setInterval(TfrmSlideshow_Euro_01::Intervallo);
    };
    w.cmdAvantiClick();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Errore, MessaggioErroreArchivio()}}));
    QCOMPARE(w.timerDuranteMessaggio, QList<bool>{false});
    QVERIFY(w.Timer->isActive());
    QVERIFY(w.isVisible());
}

void TestMediaSlideshow::vuotoConMessaggioAperto() {
    scriviArchivio(0);
    TSlideShow w(nullptr, archivio(), Nome);
    w.show();
    w.duranteMessaggio = [&w] { w.cmdAvantiClick(); };
    w.cmdAvantiClick();
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Informazione, "L'archivio non contiene nessuna scheda."}}));
    QVERIFY(!w.isVisible());
}

void TestMediaSlideshow::chiusura_data() {
    QTest::addColumn<QString>("come");
    QTest::newRow("clic sulla foto") << "imgFoto";
    QTest::newRow("clic sul pannello") << "panContainer";
    QTest::newRow("barra del titolo") << "close";
}

void TestMediaSlideshow::chiusura() {
    QFETCH(QString, come);
    scriviArchivio(2);
    scriviFoto(1);
    TSlideShow w(nullptr, archivio(), Nome);
    w.show();
    if (come == QLatin1String("imgFoto"))
        QTest::mouseClick(w.imgFoto, Qt::LeftButton, {}, QPoint(5, 5)); // well outside the placeholder
    else if (come == QLatin1String("panContainer"))
        QTest::mouseClick(w.panContainer, Qt::LeftButton);
    else
        w.close();
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Timer->isActive());
    // A tick already on its way does nothing any more.
    w.cmdAvantiClick();
    QCOMPARE(w.lblPosizione->text(), QString());
    QVERIFY(messaggi().isEmpty());
}

void TestMediaSlideshow::esegueMassimizzata() {
    scriviArchivio(1);
    TSlideShow w(nullptr, archivio(), Nome);
    bool modale = false, massimizzata = false;
    QTimer::singleShot(0, &w, [&] {
        modale = QApplication::activeModalWidget() == &w;
        massimizzata = w.windowState() & Qt::WindowMaximized;
        QTest::mouseClick(w.imgFoto, Qt::LeftButton);
    });
    QCOMPARE(w.esegui(), int(QDialog::Accepted));
    QVERIFY(modale);
    QVERIFY(massimizzata);
}

QTEST_MAIN(TestMediaSlideshow)
#include "test_media_slideshow.moc"
