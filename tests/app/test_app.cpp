#include "TestSupport.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/Catena.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/Cartoline.h"
#include "storage/Formato.h"
#include "ui/DialoghiFile.h"
#include "ui/OpenURL.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

class TestApp : public TestGeodario {
    Q_OBJECT
private slots:
    void catena();
    void apriCatalogoVersoEditor();
    void finestreSenzaChiusura();
    void destinazioneDesktop_data();
    void destinazioneDesktop();
    void messaggiInCoda();
    void dialoghiInCoda();
    void formato();
};

namespace {
// The one visible chain window, by object name.
QStringList visibili(const TCatena& c) {
    QStringList v;
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.frmPassword(), c.frmCambiaPassword(), c.frmAvvio(),
                                         c.frmCreaCatalogo(), c.frmApriCatalogo(), c.frmCartoline()})
        if (w->isVisible())
            v << w->objectName();
    return v;
}
} // namespace

void TestApp::catena() {
    TCatena c;
    QSignalSpy fine(&c, &TCatena::fine);
    c.avvia();
    QCOMPARE(visibili(c), QStringList{"frmPassword"});
    QCOMPARE(c.frmPassword()->windowTitle(), QStringLiteral(" Geodario - Accesso"));

    emit c.frmPassword()->cambiaPassword();
    QCOMPARE(visibili(c), QStringList{"frmCambiaPassword"});
    c.frmPassword()->txtPassword->setText(QStringLiteral("resto"));
    c.frmCambiaPassword()->close();
    QCOMPARE(visibili(c), QStringList{"frmPassword"});
    QVERIFY(c.frmPassword()->txtPassword->text().isEmpty());

    emit c.frmPassword()->accessoConsentito();
    QCOMPARE(visibili(c), QStringList{"frmAvvio"});
    emit c.frmAvvio()->creaCatalogo();
    QCOMPARE(visibili(c), QStringList{"frmCreaCatalogo"});
    c.frmCreaCatalogo()->close();
    QCOMPARE(visibili(c), QStringList{"frmAvvio"});
    emit c.frmAvvio()->apriCatalogo();
    QCOMPARE(visibili(c), QStringList{"frmApriCatalogo"});
    c.frmApriCatalogo()->close(); // marker "avvio" after showing
    QCOMPARE(visibili(c), QStringList{"frmAvvio"});
    QCOMPARE(fine.count(), 0);
    c.frmAvvio()->close(); // the close box ends the application
    QCOMPARE(fine.count(), 1);
}

void TestApp::apriCatalogoVersoEditor() {
    TCatena c;
    c.avvia();
    emit c.frmPassword()->accessoConsentito();
    emit c.frmAvvio()->apriCatalogo();
    c.frmApriCatalogo()->lblMemory->setText(QStringLiteral(" cartoline "));
    c.frmApriCatalogo()->lblFile->setText(QStringLiteral("  /x/Quarzi.ima "));
    c.frmApriCatalogo()->close();
    QCOMPARE(visibili(c), QStringList{"frmCartoline"});
    QCOMPARE(c.frmCartoline()->lblFile->text(), QStringLiteral("/x/Quarzi.ima"));
    c.frmCartoline()->close();
    QCOMPARE(visibili(c), QStringList{"frmAvvio"});
}

void TestApp::finestreSenzaChiusura() {
    TCatena c;
    c.avvia();
    c.frmPassword()->close(); // only "Esci" leaves the login window
    QVERIFY(c.frmPassword()->isVisible());
    QVERIFY(!(c.frmPassword()->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(c.frmCambiaPassword()->windowFlags() & Qt::WindowCloseButtonHint));
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.frmPassword(), c.frmCambiaPassword(), c.frmAvvio(),
                                         c.frmCreaCatalogo(), c.frmApriCatalogo(), c.frmCartoline()})
        QVERIFY2(w->windowTitle().startsWith(u' '), qPrintable(w->objectName()));
}

void TestApp::destinazioneDesktop_data() {
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("quoted path with blanks")
        << "\"/opt/Geo dario/Guida.pdf\"" << QUrl::fromLocalFile(QStringLiteral("/opt/Geo dario/Guida.pdf"));
    QTest::newRow("mailto") << "\"mailto:info@example.it\"" << QUrl(QStringLiteral("mailto:info@example.it"));
    QTest::newRow("web") << "http://www.example.it" << QUrl(QStringLiteral("http://www.example.it"));
    QTest::newRow("bare www") << "www.example.it" << QUrl(QStringLiteral("http://www.example.it"));
}

void TestApp::destinazioneDesktop() {
    QFETCH(QString, comando);
    QFETCH(QUrl, url);
    QCOMPARE(TMisc::destinazione(comando), url);
    TMisc::Open(comando);
    QCOMPARE(TMisc::aperti(), QStringList{comando}); // test mode records the text unchanged
}

void TestApp::messaggiInCoda() {
    Messaggi::Test::accoda(Messaggi::Risposta::Si);
    QVERIFY(Messaggi::conferma(nullptr, QStringLiteral("Eliminare?")));
    QVERIFY(!Messaggi::conferma(nullptr, QStringLiteral("Ancora?"))); // nothing queued: No
    Messaggi::plain(nullptr, QStringLiteral("Ciao"));
    QCOMPARE(Messaggi::errore(nullptr, QStringLiteral("Guasto")), Messaggi::Risposta::Ok);
    const QList<Messaggi::Mostrato> attesi{{Messaggi::Tipo::Conferma, QStringLiteral("Eliminare?")},
                                           {Messaggi::Tipo::Conferma, QStringLiteral("Ancora?")},
                                           {Messaggi::Tipo::Semplice, QStringLiteral("Ciao")},
                                           {Messaggi::Tipo::Errore, QStringLiteral("Guasto")}};
    QCOMPARE(messaggi(), attesi);
}

void TestApp::dialoghiInCoda() {
    DialoghiFile::Test::accoda(QStringLiteral("/tmp/a.jpg"));
    DialoghiFile::Test::accoda(QString());
    DialoghiFile::Opzioni o;
    o.titolo = QStringLiteral("Apri foto");
    QCOMPARE(DialoghiFile::apri(nullptr, o), QStringLiteral("/tmp/a.jpg"));
    QCOMPARE(DialoghiFile::salva(nullptr, o), QString());
    QCOMPARE(DialoghiFile::Test::richieste().size(), 2);
}

void TestApp::formato() {
    QCOMPARE(Formato::numeroGenerale(12.5), QStringLiteral("12,5"));
    QCOMPARE(Formato::numeroGenerale(1234567.25), QStringLiteral("1234567,25"));
    QCOMPARE(QLocale().toString(2.5), QStringLiteral("2,5"));
    const QString d = Formato::data(QDate(2025, 12, 8));
    QCOMPARE(d.size(), 10);
    QCOMPARE(d.left(2), QStringLiteral("08"));
    QCOMPARE(d.mid(3, 2), QStringLiteral("12"));
    QCOMPARE(d.right(4), QStringLiteral("2025"));
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
