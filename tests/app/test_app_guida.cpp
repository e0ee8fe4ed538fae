#include "TestSupport.h"

#include "app/Info.h"
#include "app/Splash.h"
#include "ui/Guida.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"

#include <QApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTimer>

#include <functional>

namespace {

// Opens a dialog through `apri` (which waits until it closes) and hands it to `esamina` while shown; the
// dialog is closed afterwards in any case.
template <class T> bool esamina(const std::function<void()>& apri, const std::function<void(T*)>& controlla) {
    bool visto = false;
    QTimer::singleShot(0, qApp, [&] {
        const auto chiudi = qScopeGuard([] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        auto* f = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(f);
        visto = true;
        controlla(f);
    });
    apri();
    return visto;
}

int distanza(QPoint a, QPoint b) {
    return (a - b).manhattanLength();
}

} // namespace

// The about and splash windows and their links.
class TestAppGuida : public TestGeodario {
    Q_OBJECT
private slots:
    void finestre_data();
    void finestre();
    void collegamenti_data();
    void collegamenti();
    void informazioniModale();
    void splashSulChiamante();
};

void TestAppGuida::finestre_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QSize>("dimensione");
    QTest::addColumn<QString>("collegamento");
    QTest::newRow("about") << "TfrmInfo"
                           << " Informazioni su Geodario" << QSize(473, 579) << "supporto@geodario.example";
    QTest::newRow("splash") << "TfrmSplash"
                            << " Geodario - © Geodario, tutti i diritti riservati" << QSize(661, 467)
                            << "https://www.geodario.example";
}

void TestAppGuida::finestre() {
    QFETCH(QString, classe);
    QFETCH(QString, titolo);
    QFETCH(QSize, dimensione);
    QFETCH(QString, collegamento);
    std::unique_ptr<QDialog> f;
    if (classe == "TfrmInfo")
        f = std::make_unique<TfrmInfo>(nullptr);
    else
        f = std::make_unique<TfrmSplash>(nullptr);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    QCOMPARE(f->windowTitle(), titolo);
    QCOMPARE(f->size(), dimensione);
    QCOMPARE(f->minimumSize(), f->maximumSize());
    const Qt::WindowFlags bottoni =
        Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QVERIFY(!(f->windowFlags() & bottoni));

    auto* lnk = f->findChild<TCollegamento*>(QStringLiteral("lnkWeb"));
    QVERIFY(lnk);
    QCOMPARE(lnk->text(), collegamento);
    QCOMPARE(lnk->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(lnk->font().pointSizeF(), 14.0);
    QVERIFY(lnk->font().underline());
    QCOMPARE(lnk->colore(), ColoreCollegamento::Normale);
    auto* chiudi = f->findChild<QPushButton*>(QStringLiteral("btnChiudi"));
    QVERIFY(chiudi);
    QCOMPARE(chiudi->text(), QStringLiteral("Chiudi"));
    QCOMPARE(chiudi->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(chiudi->font().pointSizeF(), 12.0);

    for (QWidget* w : f->findChildren<QWidget*>()) {
        if (!w->objectName().startsWith("img") && !w->objectName().startsWith("ico") && w != lnk &&
            w != chiudi)
            continue;
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(f->rect().contains(QRect(w->mapTo(f.get(), QPoint(0, 0)), w->size())),
                 qPrintable(w->objectName()));
        if (auto* svg = qobject_cast<QSvgWidget*>(w))
            QVERIFY2(svg->renderer()->isValid(), qPrintable(w->objectName()));
        if (auto* b = qobject_cast<TPulsanteImmagine*>(w))
            QVERIFY2(b->immagineValida(), qPrintable(w->objectName()));
    }
    QTest::mouseClick(chiudi, Qt::LeftButton);
    QVERIFY(!f->isVisible());
}

void TestAppGuida::collegamenti_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("aperto");
    QTest::newRow("about, link") << "TfrmInfo"
                                 << "lnkWeb"
                                 << "\"mailto:supporto@geodario.example\"";
    QTest::newRow("about, envelope") << "TfrmInfo"
                                     << "imgEmail"
                                     << "\"mailto:supporto@geodario.example\"";
    QTest::newRow("splash, link") << "TfrmSplash"
                                  << "lnkWeb"
                                  << "https://www.geodario.example";
    QTest::newRow("splash, globe") << "TfrmSplash"
                                   << "imgWeb"
                                   << "https://www.geodario.example";
}

// The exact text handed to the desktop, and the link's colour while the button is held down.
void TestAppGuida::collegamenti() {
    QFETCH(QString, classe);
    QFETCH(QString, controllo);
    QFETCH(QString, aperto);
    std::unique_ptr<QDialog> f;
    if (classe == "TfrmInfo")
        f = std::make_unique<TfrmInfo>(nullptr);
    else
        f = std::make_unique<TfrmSplash>(nullptr);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    auto* lnk = f->findChild<TCollegamento*>(QStringLiteral("lnkWeb"));
    auto* w = f->findChild<QWidget*>(controllo);
    QVERIFY(lnk && w);
    QTest::mousePress(w, Qt::LeftButton);
    QCOMPARE(lnk->colore(), ColoreCollegamento::Premuto);
    QVERIFY(TMisc::aperti().isEmpty());
    QTest::mouseRelease(w, Qt::LeftButton);
    QCOMPARE(lnk->colore(), ColoreCollegamento::Normale);
    QCOMPARE(TMisc::aperti(), QStringList{aperto});
    QVERIFY(f->isVisible());
}

// Opened through its entry: modal, owned by the caller, centred on the screen, discarded on close.
void TestAppGuida::informazioniModale() {
    QWidget owner;
    owner.setGeometry(10, 10, 300, 200);
    owner.show();
    QVERIFY(esamina<TfrmInfo>([&] { TfrmInfo::mostra(&owner); },
                              [&](TfrmInfo* f) {
                                  QCOMPARE(f->parentWidget(), &owner);
                                  QVERIFY(f->isModal());
                                  QVERIFY(distanza(f->frameGeometry().center(),
                                                   f->screen()->availableGeometry().center()) <= 2);
                                  QTest::mouseClick(f->btnChiudi, Qt::LeftButton);
                              }));
    QVERIFY(owner.findChildren<TfrmInfo*>().isEmpty());
}

void TestAppGuida::splashSulChiamante() {
    QWidget owner;
    owner.setGeometry(40, 30, 760, 560);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QVERIFY(esamina<TfrmSplash>([&] { TfrmSplash::mostra(&owner); },
                                [&](TfrmSplash* f) {
                                    QCOMPARE(f->parentWidget(), &owner);
                                    QVERIFY(f->isModal());
                                    QVERIFY(distanza(f->frameGeometry().center(),
                                                     owner.frameGeometry().center()) <= 2);
                                    QTest::mouseClick(f->btnChiudi, Qt::LeftButton);
                                }));
    QVERIFY(owner.findChildren<TfrmSplash*>().isEmpty());
}

QTEST_MAIN(TestAppGuida)
#include "test_app_guida.moc"
