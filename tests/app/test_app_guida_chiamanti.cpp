#include "TestSupport.h"

#include "app/Avvio.h"
#include "app/Info.h"
#include "app/Splash.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/Cartoline.h"
#include "output/ExpCartoline.h"
#include "ui/ArgomentiGuida.h"
#include "ui/Guida.h"
#include "ui/OpenURL.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(Argomento)

namespace {

// Clicks a control that opens a modal dialog and hands the dialog to `esamina` while it is shown; the
// dialog is closed afterwards in any case, so a failed check cannot leave the test waiting on it.
bool apriDa(QWidget* controllo, const std::function<void(QDialog*)>& esamina) {
    bool visto = false;
    QTimer::singleShot(0, qApp, [&] {
        const auto chiudi = qScopeGuard([] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        auto* f = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(f);
        visto = true;
        esamina(f);
    });
    QTest::mouseClick(controllo, Qt::LeftButton);
    return visto;
}

// The window that offers the help, shown as the user meets it.
std::unique_ptr<QWidget> finestra(const QString& classe, const QString& archivio) {
    std::unique_ptr<QWidget> w;
    if (classe == "TfrmExpCartoline") {
        w = std::make_unique<TfrmExpCartoline>(nullptr, archivio);
        w->show();
        return w;
    }
    std::unique_ptr<TFinestraCatena> c;
    if (classe == "TfrmAvvio")
        c = std::make_unique<TfrmAvvio>();
    else if (classe == "TfrmCreaCatalogo")
        c = std::make_unique<TfrmCreaCatalogo>();
    else if (classe == "TfrmApriCatalogo")
        c = std::make_unique<TfrmApriCatalogo>();
    else
        c = std::make_unique<TfrmCartoline>();
    c->mostra();
    return c;
}

} // namespace

// Every help, about and splash entry of the application opens its window. To be registered in Guida.cmake
// once the five callers are wired.
class TestAppGuidaChiamanti : public TestGeodario {
    Q_OBJECT
private slots:
    void guida_data();
    void guida();
    void informazioniESplash_data();
    void informazioniESplash();
    void sito();
};

void TestAppGuidaChiamanti::guida_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<Argomento>("argomento");
    QTest::newRow("start window") << "TfrmAvvio"
                                  << "imgGuida" << Argomento::UnoSguardo;
    QTest::newRow("creation window") << "TfrmCreaCatalogo"
                                     << "imgGuida" << Argomento::CreazioneApertura;
    QTest::newRow("opening window") << "TfrmApriCatalogo"
                                    << "imgGuida" << Argomento::CreazioneApertura;
    QTest::newRow("editor") << "TfrmCartoline"
                            << "cmdGuida" << Argomento::GestioneArchivio;
    QTest::newRow("export window") << "TfrmExpCartoline"
                                   << "cmdGuida" << Argomento::Esportazione;
}

// The topic of the window, from its first paragraph, each time the help is opened.
void TestAppGuidaChiamanti::guida() {
    QFETCH(QString, classe);
    QFETCH(QString, controllo);
    QFETCH(Argomento, argomento);
    auto w = finestra(classe, percorso("Quarzi.ima"));
    auto* img = w->findChild<QWidget*>(controllo);
    QVERIFY(img);
    for (int volta = 0; volta < 2; ++volta) {
        QVERIFY(apriDa(img, [&](QDialog* d) {
            auto* g = qobject_cast<TfrmGuida*>(d);
            QVERIFY(g);
            QCOMPARE(g->parentWidget(), w.get());
            QCOMPARE(g->lblTitolo->text(), ArgomentiGuida::titolo(argomento));
            QCOMPARE(g->txtGuida->toPlainText(),
                     ArgomentiGuida::paragrafi(argomento).join(QStringLiteral("\n\n")));
            QCOMPARE(g->txtGuida->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
            g->txtGuida->moveCursor(QTextCursor::End);
            QTest::mouseClick(g->btnChiudi, Qt::LeftButton);
        }));
        QVERIFY(w->findChildren<TfrmGuida*>().isEmpty());
    }
    QVERIFY(w->isVisible()); // the caller stays as it was
}

void TestAppGuidaChiamanti::informazioniESplash_data() {
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("finestra");
    QTest::newRow("about icon") << "imgInfo"
                                << "frmInfo";
    QTest::newRow("copyright icon") << "imgCopyright"
                                    << "frmSplash";
}

void TestAppGuidaChiamanti::informazioniESplash() {
    QFETCH(QString, controllo);
    QFETCH(QString, finestra);
    TfrmAvvio a;
    a.mostra();
    QVERIFY(apriDa(a.findChild<QWidget*>(controllo), [&](QDialog* d) {
        QCOMPARE(d->objectName(), finestra);
        QCOMPARE(d->parentWidget(), &a);
        if (finestra == "frmSplash") // centred on the start window
            QVERIFY((d->frameGeometry().center() - a.frameGeometry().center()).manhattanLength() <= 2);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
    }));
    QVERIFY(a.findChildren<QDialog*>().isEmpty());
    QVERIFY(TMisc::aperti().isEmpty());
}

// The start window's banner and the splash window's link open the same address.
void TestAppGuidaChiamanti::sito() {
    TfrmAvvio a;
    a.mostra();
    QTest::mouseClick(a.findChild<QWidget*>(QStringLiteral("imgSito")), Qt::LeftButton);
    QStringList aperti = TMisc::aperti();
    TfrmSplash s(&a);
    s.show();
    QTest::mouseClick(s.lnkWeb, Qt::LeftButton);
    aperti += TMisc::aperti();
    QCOMPARE(aperti, QStringList(2, QStringLiteral("https://www.geodario.example")));
}

QTEST_MAIN(TestAppGuidaChiamanti)
#include "test_app_guida_chiamanti.moc"
