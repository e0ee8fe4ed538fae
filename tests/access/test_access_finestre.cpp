#include "TestSupport.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "access/PasswordStore.h"
#include "app/Avvio.h"
#include "app/Catena.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using Messaggi::Mostrato;
using Messaggi::Tipo;

// The login and password-change windows, driven through their controls.
class TestAccessFinestre : public TestGeodario {
    Q_OBJECT
private slots:
    void login_data();
    void login();
    void loginSoloSpazi();
    void loginErroreLettura();
    void loginTastiEComandi();
    void cambio_data();
    void cambio();
    void cambioInvioEFuoco();
    void cambioOkAbilitato();
    void chiudiTornaAlLogin();
    void cambioPoiLogin();
};

namespace {

// Installed stores written from the file layout; the values are the scrambled normal forms.
const QByteArray iniziale("[Accesso]\r\nValore=63135A1459D810E354EC84705942\r\n"); // GHIANDOLAVERDE
const QByteArray ematite("[Accesso]\r\nValore=ED2E206FC9CD50\r\n");                // ÉMATITE
const QByteArray nonEsadecimale("[Accesso]\r\nValore=63135AQQ\r\n");

const QString errata = QStringLiteral("Attenzione: password errata.");
const QString erroreLettura =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "lettura della password. Si consiglia di reinstallare il software.");
const QString erroreModifica =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");
const QString vecchiaErrata = QStringLiteral("Attenzione: vecchia password errata.");
const QString nonConfermata =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                   "E' necessario reinserire entrambi i valori.");
const QString nonAmmessa =
    QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi oppure è troppo lunga.");
const QString completata = QStringLiteral("Modifica della password completata con successo.");

QList<Mostrato> semplice(const QString& testo) {
    return {{Tipo::Semplice, testo}};
}

template <class T> T* controllo(QWidget* w, const char* nome) {
    T* c = w->findChild<T*>(QLatin1String(nome));
    if (!c)
        qFatal("no control %s", nome);
    return c;
}

QWidget* fuoco() {
    return QApplication::focusWidget();
}

} // namespace

void TestAccessFinestre::login_data() {
    QTest::addColumn<QByteArray>("archivio"); // empty: no store file
    QTest::addColumn<QString>("digitata");
    QTest::addColumn<bool>("invio"); // Enter in the field, otherwise a click on OK
    QTest::addColumn<bool>("accettata");
    QTest::newRow("lower case") << iniziale << "ghiandolaverde" << true << true;
    QTest::newRow("upper case") << iniziale << "GHIANDOLAVERDE" << false << true;
    QTest::newRow("mixed case") << iniziale << "GhiandolaVERDE" << true << true;
    QTest::newRow("blanks around") << iniziale << "   ghiandolaverde  " << false << true;
    QTest::newRow("blank inside") << iniziale << "ghiandola verde" << true << false;
    QTest::newRow("one letter short") << iniziale << "ghiandolaverd" << false << false;
    QTest::newRow("accent in its case") << ematite << QStringLiteral("Ématite") << true << true;
    QTest::newRow("accent in the other case") << ematite << QStringLiteral("ématite") << true << false;
    QTest::newRow("no store") << QByteArray() << "ghiandolaverde" << false << false;
}

void TestAccessFinestre::login() {
    QFETCH(QByteArray, archivio);
    QFETCH(QString, digitata);
    QFETCH(bool, invio);
    QFETCH(bool, accettata);
    if (!archivio.isEmpty())
        scriviFile(PercorsoArchivioPassword(), archivio);
    TfrmPassword w;
    QSignalSpy entra(&w, &TfrmPassword::accessoConsentito);
    w.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(fuoco(), w.txtPassword);

    digita(w.txtPassword, digitata);
    QVERIFY(w.cmdOK->isEnabled());
    if (invio)
        QTest::keyClick(w.txtPassword, Qt::Key_Return);
    else
        QTest::mouseClick(w.cmdOK, Qt::LeftButton);

    QCOMPARE(entra.count(), accettata ? 1 : 0);
    if (accettata) {
        QVERIFY(messaggi().isEmpty());
    } else {
        QCOMPARE(messaggi(), semplice(errata));
        QVERIFY(w.txtPassword->text().isEmpty());
        QVERIFY(!w.cmdOK->isEnabled());
        QCOMPARE(fuoco(), w.txtPassword);
    }
}

void TestAccessFinestre::loginSoloSpazi() {
    scriviFile(PercorsoArchivioPassword(), iniziale);
    TfrmPassword w;
    QSignalSpy entra(&w, &TfrmPassword::accessoConsentito);
    w.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(!w.cmdOK->isEnabled());
    QTest::keyClicks(w.txtPassword, QStringLiteral("   "));
    QVERIFY(!w.cmdOK->isEnabled());
    QTest::keyClick(w.txtPassword, Qt::Key_Return);
    QTest::keyClick(w.txtPassword, Qt::Key_Enter);
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    QVERIFY(messaggi().isEmpty());
    QCOMPARE(entra.count(), 0);
    QCOMPARE(w.txtPassword->text(), QStringLiteral("   "));

    QTest::keyClick(w.txtPassword, Qt::Key_X);
    QVERIFY(w.cmdOK->isEnabled());
    QTest::keyClick(w.txtPassword, Qt::Key_Backspace);
    QVERIFY(!w.cmdOK->isEnabled());
}

void TestAccessFinestre::loginErroreLettura() {
    scriviFile(PercorsoArchivioPassword(), nonEsadecimale);
    TfrmPassword w;
    QSignalSpy entra(&w, &TfrmPassword::accessoConsentito);
    w.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClicks(w.txtPassword, QStringLiteral("ghiandolaverde"));
    QTest::keyClick(w.txtPassword, Qt::Key_Return);
    QCOMPARE(messaggi(), semplice(erroreLettura));
    QCOMPARE(entra.count(), 0);
    QCOMPARE(w.txtPassword->text(), QStringLiteral("ghiandolaverde")); // left as typed
}

void TestAccessFinestre::loginTastiEComandi() {
    TfrmPassword w;
    QSignalSpy cambia(&w, &TfrmPassword::cambiaPassword);
    QSignalSpy esci(&w, &TfrmPassword::esci);
    w.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* eff = controllo<QWidget>(&w, "effPassword");
    QVERIFY(eff->isVisible());
    QCOMPARE(eff->geometry(), w.txtPassword->geometry().adjusted(-4, -4, 4, 4));
    QVERIFY(controllo<QLabel>(&w, "lblRigo05")->isVisible());
    QVERIFY(!w.lblMemory->isVisible());

    QTest::keyClicks(w.txtPassword, QStringLiteral("x"));
    const QList<QWidget*> ordine{w.cmdOK, w.cmdEsci, w.btnCambiaPassword, w.txtPassword};
    for (QWidget* atteso : ordine) {
        QTest::keyClick(fuoco(), Qt::Key_Tab);
        QCOMPARE(fuoco(), atteso);
        QCOMPARE(eff->isVisible(), atteso == w.txtPassword);
    }

    QTest::mouseClick(w.btnCambiaPassword, Qt::LeftButton);
    QCOMPARE(cambia.count(), 1);
    QCOMPARE(esci.count(), 0);
    QTest::mouseClick(w.cmdEsci, Qt::LeftButton);
    QCOMPARE(esci.count(), 1);
    QVERIFY(!w.isVisible());
    QVERIFY(messaggi().isEmpty());
}

void TestAccessFinestre::cambio_data() {
    QTest::addColumn<QByteArray>("archivio"); // empty: no store file
    QTest::addColumn<QString>("vecchia");
    QTest::addColumn<QString>("nuova");
    QTest::addColumn<QString>("conferma");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("memorizzata");  // what the store holds afterwards
    QTest::addColumn<QStringList>("svuotati"); // fields emptied; none when the window closed
    QTest::addColumn<QString>("campoFuoco");   // empty when the window closed
    const QString g = QStringLiteral("GHIANDOLAVERDE");
    const QStringList nuove{"txtPasswordNew", "txtConferma"};
    QTest::newRow("changed") << iniziale << "ghiandolaverde"
                             << " Quarzo Rosa "
                             << "Quarzo Rosa  " << completata << "QUARZO ROSA" << QStringList() << "";
    QTest::newRow("old in upper case, new equal to old")
        << iniziale << "GHIANDOLAVERDE"
        << "ghiandolaverde"
        << "ghiandolaverde" << completata << g << QStringList() << "";
    QTest::newRow("accents kept") << iniziale << "ghiandolaverde" << QStringLiteral("Ématite")
                                  << QStringLiteral("Ématite") << completata << QStringLiteral("ÉMATITE")
                                  << QStringList() << "";
    QTest::newRow("1000 characters") << iniziale << "ghiandolaverde" << QString(1000, u'q')
                                     << QString(1000, u'q') << completata << QString(1000, u'Q')
                                     << QStringList() << "";
    QTest::newRow("wrong old") << iniziale << "ghiandola"
                               << "quarzo"
                               << "quarzo" << vecchiaErrata << g << QStringList{"txtPasswordOld"}
                               << "txtPasswordOld";
    QTest::newRow("no store") << QByteArray() << "ghiandolaverde"
                              << "quarzo"
                              << "quarzo" << vecchiaErrata << "" << QStringList{"txtPasswordOld"}
                              << "txtPasswordOld";
    QTest::newRow("confirmation in another case")
        << iniziale << "ghiandolaverde"
        << "quarzo"
        << "QUARZO" << nonConfermata << g << nuove << "txtPasswordNew";
    QTest::newRow("confirmation differs") << iniziale << "ghiandolaverde"
                                          << "quarzo"
                                          << "quarzi" << nonConfermata << g << nuove << "txtPasswordNew";
    QTest::newRow("character above Latin-1")
        << iniziale << "ghiandolaverde" << QStringLiteral("quarzo€") << QStringLiteral("quarzo€")
        << nonAmmessa << g << nuove << "txtPasswordNew";
    QTest::newRow("1001 characters") << iniziale << "ghiandolaverde" << QString(1001, u'q')
                                     << QString(1001, u'q') << nonAmmessa << g << nuove << "txtPasswordNew";
    QTest::newRow("unreadable store") << nonEsadecimale << "ghiandolaverde"
                                      << "quarzo"
                                      << "quarzo" << erroreModifica << QString() << QStringList() << "cmdOK";
}

void TestAccessFinestre::cambio() {
    QFETCH(QByteArray, archivio);
    QFETCH(QString, vecchia);
    QFETCH(QString, nuova);
    QFETCH(QString, conferma);
    QFETCH(QString, messaggio);
    QFETCH(QString, memorizzata);
    QFETCH(QStringList, svuotati);
    QFETCH(QString, campoFuoco);
    if (!archivio.isEmpty())
        scriviFile(PercorsoArchivioPassword(), archivio);

    TfrmCambiaPassword w;
    QSignalSpy chiusa(&w, &TFinestraCatena::chiusa);
    w.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(fuoco(), w.txtPasswordOld);
    const QList<std::pair<QLineEdit*, QString>> campi{
        {w.txtPasswordOld, vecchia}, {w.txtPasswordNew, nuova}, {w.txtConferma, conferma}};
    for (const auto& [campo, testo] : campi) {
        campo->setFocus();
        digita(campo, testo);
    }
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);

    QCOMPARE(messaggi(), semplice(messaggio));
    if (archivio == nonEsadecimale)
        QCOMPARE(leggiFile(PercorsoArchivioPassword()), archivio);
    else
        QCOMPARE(LeggiPassword(), std::optional<QString>(memorizzata));
    if (campoFuoco.isEmpty()) {
        QCOMPARE(chiusa.count(), 1);
        QVERIFY(!w.isVisible());
        return;
    }
    QCOMPARE(chiusa.count(), 0);
    QVERIFY(w.isVisible());
    for (const auto& [campo, testo] : campi)
        QCOMPARE(campo->text(), svuotati.contains(campo->objectName()) ? QString() : testo);
    QCOMPARE(fuoco(), w.findChild<QWidget*>(campoFuoco));
}

void TestAccessFinestre::cambioInvioEFuoco() {
    scriviFile(PercorsoArchivioPassword(), iniziale);
    TfrmCambiaPassword w;
    QSignalSpy chiusa(&w, &TFinestraCatena::chiusa);
    w.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<QLineEdit*> anello{w.txtPasswordOld, w.txtPasswordNew, w.txtConferma};
    const QList<QWidget*> cornici{controllo<QWidget>(&w, "effPasswordOld"),
                                  controllo<QWidget>(&w, "effPasswordNew"),
                                  controllo<QWidget>(&w, "effConferma")};
    const QStringList testi{"ghiandolaverde", "quarzo", "quarzo"};
    // Enter walks the ring, even with everything ready for a change, and never starts it.
    for (int giro = 0; giro < 2; ++giro) {
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(fuoco(), anello[i]);
            for (int j = 0; j < 3; ++j)
                QCOMPARE(cornici[j]->isVisible(), i == j);
            if (giro == 0)
                QTest::keyClicks(anello[i], testi[i]);
            QTest::keyClick(anello[i], Qt::Key_Return);
        }
    }
    QVERIFY(w.cmdOK->isEnabled());
    QVERIFY(messaggi().isEmpty());
    QCOMPARE(chiusa.count(), 0);
    QCOMPARE(leggiFile(PercorsoArchivioPassword()), iniziale);

    const QList<QWidget*> tab{w.txtPasswordNew, w.txtConferma, w.cmdEsci, w.cmdOK, w.txtPasswordOld};
    for (QWidget* atteso : tab) {
        QTest::keyClick(fuoco(), Qt::Key_Tab);
        QCOMPARE(fuoco(), atteso);
    }
    for (QWidget* c : cornici)
        QCOMPARE(c->isVisible(), c == cornici[0]);
}

void TestAccessFinestre::cambioOkAbilitato() {
    TfrmCambiaPassword w;
    w.mostra();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(!w.cmdOK->isEnabled());
    QTest::keyClicks(w.txtPasswordOld, QStringLiteral("a"));
    QTest::keyClicks(w.txtPasswordNew, QStringLiteral("b"));
    QVERIFY(!w.cmdOK->isEnabled());
    QTest::keyClicks(w.txtConferma, QStringLiteral("  "));
    QVERIFY(!w.cmdOK->isEnabled());
    QTest::keyClicks(w.txtConferma, QStringLiteral("b"));
    QVERIFY(w.cmdOK->isEnabled());
    w.txtPasswordOld->setFocus();
    QTest::keyClick(w.txtPasswordOld, Qt::Key_Backspace);
    QVERIFY(!w.cmdOK->isEnabled());
}

void TestAccessFinestre::chiudiTornaAlLogin() {
    scriviFile(PercorsoArchivioPassword(), iniziale);
    TCatena c;
    c.avvia();
    TfrmPassword* login = c.frmPassword();
    TfrmCambiaPassword* cambio = c.frmCambiaPassword();
    QVERIFY(QTest::qWaitForWindowActive(login));
    QTest::keyClicks(login->txtPassword, QStringLiteral("iniziata"));
    QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
    QVERIFY(cambio->isVisible());
    QVERIFY(!login->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(cambio));
    QCOMPARE(fuoco(), cambio->txtPasswordOld);

    for (QLineEdit* t : {cambio->txtPasswordOld, cambio->txtPasswordNew, cambio->txtConferma})
        QTest::keyClicks(t, QStringLiteral("resto"));
    QTest::mouseClick(controllo<QPushButton>(cambio, "cmdEsci"), Qt::LeftButton);
    QVERIFY(!cambio->isVisible());
    QVERIFY(login->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(login));
    QVERIFY(login->txtPassword->text().isEmpty());
    QVERIFY(login->lblMemory->text().isEmpty());
    QCOMPARE(fuoco(), login->txtPassword);
    QVERIFY(!login->cmdOK->isEnabled());
    QCOMPARE(leggiFile(PercorsoArchivioPassword()), iniziale);

    // Opened again, the change window starts empty.
    QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(cambio));
    for (QLineEdit* t : {cambio->txtPasswordOld, cambio->txtPasswordNew, cambio->txtConferma})
        QVERIFY(t->text().isEmpty());
    QVERIFY(!cambio->cmdOK->isEnabled());
    QVERIFY(messaggi().isEmpty());
}

void TestAccessFinestre::cambioPoiLogin() {
    scriviFile(PercorsoArchivioPassword(), iniziale);
    TCatena c;
    c.avvia();
    TfrmPassword* login = c.frmPassword();
    TfrmCambiaPassword* cambio = c.frmCambiaPassword();
    QVERIFY(QTest::qWaitForWindowActive(login));
    QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(cambio));
    QTest::keyClicks(cambio->txtPasswordOld, QStringLiteral("ghiandolaverde"));
    QTest::keyClicks(cambio->txtPasswordNew, QStringLiteral("Pirite Dorata"));
    QTest::keyClicks(cambio->txtConferma, QStringLiteral("Pirite Dorata"));
    QTest::mouseClick(cambio->cmdOK, Qt::LeftButton);
    QCOMPARE(messaggi(), semplice(completata));
    QVERIFY(!cambio->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(login));
    QCOMPARE(fuoco(), login->txtPassword);
    QVERIFY(login->txtPassword->text().isEmpty());

    QTest::keyClicks(login->txtPassword, QStringLiteral("ghiandolaverde"));
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    QCOMPARE(messaggi(), semplice(errata));
    QVERIFY(login->isVisible());

    QTest::keyClicks(login->txtPassword, QStringLiteral("pIRITE dORATA"));
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    QVERIFY(messaggi().isEmpty());
    QVERIFY(!login->isVisible());
    QVERIFY(c.frmAvvio()->isVisible());
}

QTEST_MAIN(TestAccessFinestre)
#include "test_access_finestre.moc"
