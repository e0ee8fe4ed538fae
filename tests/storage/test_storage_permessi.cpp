#include "TestSupport.h"

#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/FotoScheda.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

// Runs as an unprivileged user: for root no file is read-only.
class TestStoragePermessi : public TestGeodario {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(geteuid() != 0, "permission tests must not run as root"); }
    void archivioSolaLettura();
    void cartellaSenzaScrittura();
};

void TestStoragePermessi::archivioSolaLettura() {
    const QString p = percorso(QStringLiteral("Bloccato.ima"));
    const QByteArray contenuto(2 * 3646, 'q');
    scriviFile(p, contenuto);
    QVERIFY(QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    TArchivio a;
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.ApriOCrea(p));
    QCOMPARE(leggiFile(p), contenuto); // never emptied by a re-creation
}

void TestStoragePermessi::cartellaSenzaScrittura() {
    const QString sotto = percorso(QStringLiteral("chiusa"));
    QVERIFY(QDir().mkpath(sotto));
    QVERIFY(QFile::setPermissions(sotto, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    TArchivio a;
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.ApriOCrea(sotto + "/Nuovo.ima"));
    QVERIFY(!QFile::exists(sotto + "/Nuovo.ima"));
    QFile::setPermissions(sotto, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_MAIN(TestStoragePermessi)
#include "test_storage_permessi.moc"
