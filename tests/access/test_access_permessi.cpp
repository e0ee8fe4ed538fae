#include "TestSupport.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "access/PasswordStore.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <unistd.h>

using Messaggi::Tipo;

// Runs as an unprivileged user: for root no file is read-only.
class TestAccessPermessi : public TestGeodario {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(geteuid() != 0, "permission tests must not run as root"); }
    void scritturaNegata_data();
    void scritturaNegata();
    void cambioSuArchivioSolaLettura();
    void loginSuArchivioIlleggibile();
};

namespace {
const QByteArray iniziale("[Accesso]\r\nValore=63135A1459D810E354EC84705942\r\n"); // GHIANDOLAVERDE
const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const auto rwx = rw | QFileDevice::ExeOwner;
} // namespace

void TestAccessPermessi::scritturaNegata_data() {
    QTest::addColumn<QFileDevice::Permissions>("permessiFile");
    QTest::addColumn<QFileDevice::Permissions>("permessiCartella");
    QTest::addColumn<bool>("leggibile");
    QTest::newRow("read-only store") << QFileDevice::Permissions(QFileDevice::ReadOwner)
                                     << QFileDevice::Permissions(rwx) << true;
    // The store could be written in place, but only a whole replacement is safe.
    QTest::newRow("read-only program folder")
        << QFileDevice::Permissions(rw)
        << QFileDevice::Permissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner) << true;
    QTest::newRow("unreadable store")
        << QFileDevice::Permissions(QFileDevice::WriteOwner) << QFileDevice::Permissions(rwx) << false;
}

void TestAccessPermessi::scritturaNegata() {
    QFETCH(QFileDevice::Permissions, permessiFile);
    QFETCH(QFileDevice::Permissions, permessiCartella);
    QFETCH(bool, leggibile);
    const QString store = PercorsoArchivioPassword();
    scriviFile(store, iniziale);
    QVERIFY(QFile::setPermissions(store, permessiFile));
    QVERIFY(QFile::setPermissions(cartella(), permessiCartella));

    QVERIFY(!ScriviPassword(QStringLiteral("quarzo")));
    const std::optional<QString> letta = LeggiPassword();
    QCOMPARE(letta.has_value(), leggibile);
    if (leggibile)
        QCOMPARE(*letta, QStringLiteral("GHIANDOLAVERDE"));

    QVERIFY(QFile::setPermissions(cartella(), rwx));
    QVERIFY(QFile::setPermissions(store, rw));
    QCOMPARE(leggiFile(store), iniziale);
    QCOMPARE(QDir(cartella()).entryList(QDir::Files | QDir::Hidden), QStringList{"unins000.dll"});
}

void TestAccessPermessi::cambioSuArchivioSolaLettura() {
    const QString store = PercorsoArchivioPassword();
    scriviFile(store, iniziale);
    QVERIFY(QFile::setPermissions(store, QFileDevice::ReadOwner));

    TfrmCambiaPassword cambio;
    QSignalSpy chiusa(&cambio, &TFinestraCatena::chiusa);
    cambio.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&cambio));
    QTest::keyClicks(cambio.txtPasswordOld, QStringLiteral("ghiandolaverde"));
    QTest::keyClicks(cambio.txtPasswordNew, QStringLiteral("quarzo"));
    QTest::keyClicks(cambio.txtConferma, QStringLiteral("quarzo"));
    QTest::mouseClick(cambio.cmdOK, Qt::LeftButton);
    const QList<Messaggi::Mostrato> attesi{
        {Tipo::Semplice,
         QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                        "della password. Si consiglia di reinstallare il software.")}};
    QCOMPARE(messaggi(), attesi);
    QCOMPARE(chiusa.count(), 0);
    QCOMPARE(cambio.txtPasswordOld->text(), QStringLiteral("ghiandolaverde"));
    QCOMPARE(cambio.txtPasswordNew->text(), QStringLiteral("quarzo"));
    QCOMPARE(cambio.txtConferma->text(), QStringLiteral("quarzo"));
    cambio.close();

    // The old password still opens the application.
    TfrmPassword login;
    QSignalSpy entra(&login, &TfrmPassword::accessoConsentito);
    login.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QTest::keyClicks(login.txtPassword, QStringLiteral("ghiandolaverde"));
    QTest::keyClick(login.txtPassword, Qt::Key_Return);
    QCOMPARE(entra.count(), 1);
    QVERIFY(messaggi().isEmpty());
}

// A store that exists but cannot be read is an error, not a missing password.
void TestAccessPermessi::loginSuArchivioIlleggibile() {
    const QString store = PercorsoArchivioPassword();
    scriviFile(store, iniziale);
    QVERIFY(QFile::setPermissions(store, QFileDevice::WriteOwner));
    TfrmPassword login;
    login.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QTest::keyClicks(login.txtPassword, QStringLiteral("ghiandolaverde"));
    QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    const QList<Messaggi::Mostrato> attesi{
        {Tipo::Semplice,
         QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                        "della password. Si consiglia di reinstallare il software.")}};
    QCOMPARE(messaggi(), attesi);
    QCOMPARE(login.txtPassword->text(), QStringLiteral("ghiandolaverde"));
}

QTEST_MAIN(TestAccessPermessi)
#include "test_access_permessi.moc"
