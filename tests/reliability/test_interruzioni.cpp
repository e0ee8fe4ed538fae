#include "TestSupport.h"

#include "access/PasswordStore.h"
#include "storage/CartellaProgramma.h"
#include "storage/Scheda.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <csignal>

// A program killed (SIGKILL) at random moments while it saves cards, many times over: no file it was
// writing is ever left in a state a reader cannot take.
class TestInterruzioni : public TestGeodario {
    Q_OBJECT
private slots:
    void uccisoMentreSalva();
};

namespace {

QByteArray jpeg(QColor colore) {
    QImage img(300, 200, QImage::Format_RGB32);
    img.fill(colore);
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, "jpeg").write(img);
    return out;
}

} // namespace

void TestInterruzioni::uccisoMentreSalva() {
    const QByteArray foto[2] = {jpeg(Qt::darkGreen), jpeg(Qt::darkRed)};
    scriviFile(percorso("uno.jpg"), foto[0]);
    scriviFile(percorso("due.jpg"), foto[1]);
    QVERIFY(ScriviPassword(QStringLiteral("quarzo")));
    const QString archivio = percorso(QStringLiteral("Quarzi.ima"));
    const QRegularExpression giro(QStringLiteral("^giro-\\d+$"));
    QRandomGenerator caso(20261211);

    for (int volta = 0; volta < 40; ++volta) {
        QProcess sonda;
        sonda.start(QStringLiteral(SONDA_SALVATAGGI), {cartella(), percorso("uno.jpg"), percorso("due.jpg")});
        QVERIFY(sonda.waitForStarted());
        QTest::qWait(int(caso.bounded(20, 250)));
        ::kill(pid_t(sonda.processId()), SIGKILL);
        QVERIFY(sonda.waitForFinished());
        QCOMPARE(sonda.exitStatus(), QProcess::CrashExit); // killed while still saving

        // Every whole record is a card the program wrote completely. A kill inside the one write of
        // an append can leave a partial record after them, which readers skip and the next append
        // overwrites.
        const QByteArray a = leggiFile(archivio);
        for (qsizetype k = 0; k + DimensioneScheda <= a.size(); k += DimensioneScheda) {
            TScheda s;
            std::copy_n(a.constData() + k, DimensioneScheda, s.byte.begin());
            QVERIFY2(giro.match(s.testo(Campo::Titolo)).hasMatch(), qPrintable(s.testo(Campo::Titolo)));
        }
        // Every photo file is one of the two complete JPEGs, never a part of one.
        const QDir cartellaFoto(CartellaFoto());
        for (const QString& nome : cartellaFoto.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
            const QByteArray f = leggiFile(cartellaFoto.filePath(nome));
            QVERIFY2(f == foto[0] || f == foto[1], qPrintable(nome));
        }
        // The password store always reads back, holding one of the two passwords.
        const std::optional<QString> p = LeggiPassword();
        QVERIFY(p == QStringLiteral("QUARZO") || p == QStringLiteral("AMETISTA"));
    }
    QVERIFY(leggiFile(archivio).size() >= DimensioneScheda);
}

QTEST_MAIN(TestInterruzioni)
#include "test_interruzioni.moc"
