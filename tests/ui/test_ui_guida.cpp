#include "TestSupport.h"

#include "storage/CartellaProgramma.h"
#include "ui/ArgomentiGuida.h"
#include "ui/Guida.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(Argomento)

namespace {

// Opens the help window through its one entry and hands it to `esamina` while it is shown; the window
// is closed afterwards in any case, so a failed check cannot leave the test waiting on it.
bool esaminaGuida(QWidget* owner, Argomento a, const std::function<void(TfrmGuida*)>& esamina) {
    bool visto = false;
    QTimer::singleShot(0, owner, [&] {
        const auto chiudi = qScopeGuard([] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        auto* f = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget());
        QVERIFY(f);
        visto = true;
        esamina(f);
    });
    TfrmGuida::mostra(owner, a);
    return visto;
}

// Pixels of exactly this colour in the widget as it is painted now.
int pixelDiColore(QWidget* w, const QColor& c) {
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).rgb() == c.rgb())
                ++n;
    return n;
}

// The block at the top-left corner of the visible text.
int primoBloccoVisibile(QPlainTextEdit* t) {
    return t->cursorForPosition(QPoint(4, 4)).blockNumber();
}

} // namespace

// The help topics, the help window with each of them, and its link to the help document.
class TestUiGuida : public TestGeodario {
    Q_OBJECT
private slots:
    void argomenti_data();
    void argomenti();
    void paragrafiBenFormati();

    void finestra_data();
    void finestra();
    void riaperturaInCima();
    void aspetto();

    void collegamentoPdf_data();
    void collegamentoPdf();
    void coloreCollegamento_data();
    void coloreCollegamento();
    void collegamentoDaTastiera();
};

void TestUiGuida::argomenti_data() {
    QTest::addColumn<Argomento>("argomento");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("primo"); // first paragraph of the overview, from 1; 0 for a topic of its own
    QTest::addColumn<int>("quanti");
    QTest::newRow("start window") << Argomento::UnoSguardo << "Uno sguardo ad Geodario" << 1 << 22;
    QTest::newRow("creation and opening windows")
        << Argomento::CreazioneApertura << "Creazione e apertura archivi minerali" << 3 << 6;
    QTest::newRow("editor") << Argomento::GestioneArchivio << "App Gestione Archivio Minerali" << 9 << 10;
    QTest::newRow("export window") << Argomento::Esportazione << "Esportazione archivio minerali in Excel"
                                   << 0 << 3;
}

void TestUiGuida::argomenti() {
    QFETCH(Argomento, argomento);
    QFETCH(QString, titolo);
    QFETCH(int, primo);
    QFETCH(int, quanti);
    QCOMPARE(ArgomentiGuida::titolo(argomento), titolo);
    const QStringList p = ArgomentiGuida::paragrafi(argomento);
    QCOMPARE(p.size(), quanti);
    if (primo > 0)
        QCOMPARE(p, ArgomentiGuida::paragrafi(Argomento::UnoSguardo).mid(primo - 1, quanti));
    else
        for (const QString& s : p)
            QVERIFY(!ArgomentiGuida::paragrafi(Argomento::UnoSguardo).contains(s));
    QCOMPARE(ArgomentiGuida::testo(argomento), p.join(QStringLiteral("\r\n\r\n")));
    QVERIFY(ArgomentiGuida::tutti().contains(argomento));
}

// A paragraph is one line of text: a line break inside it would read as a paragraph of its own.
void TestUiGuida::paragrafiBenFormati() {
    QCOMPARE(ArgomentiGuida::tutti().size(), 4);
    for (Argomento a : ArgomentiGuida::tutti()) {
        for (const QString& s : ArgomentiGuida::paragrafi(a)) {
            QVERIFY2(!s.isEmpty() && s.front() > u' ' && s.back() > u' ', qPrintable(s));
            QVERIFY2(!s.contains(u'\r') && !s.contains(u'\n'), qPrintable(s));
            QVERIFY2(!s.contains(QStringLiteral("  ")), qPrintable(s));
            QVERIFY2(s.back() == u'.', qPrintable(s));
        }
    }
    // The first access needs the initial password, and the text says how to type it.
    QVERIFY(ArgomentiGuida::testo(Argomento::UnoSguardo).contains(QStringLiteral("\"ghiandolaverde\"")));
}

void TestUiGuida::finestra_data() {
    argomenti_data();
}

void TestUiGuida::finestra() {
    QFETCH(Argomento, argomento);
    QFETCH(QString, titolo);
    QFETCH(int, quanti);
    QWidget owner;
    owner.show();
    const QStringList p = ArgomentiGuida::paragrafi(argomento);
    QVERIFY(esaminaGuida(&owner, argomento, [&](TfrmGuida* f) {
        QCOMPARE(f->parentWidget(), &owner);
        QVERIFY(f->isModal());
        QVERIFY((f->frameGeometry().center() - f->screen()->availableGeometry().center()).manhattanLength() <=
                2);
        QCOMPARE(f->lblTitolo->text(), titolo);
        // One paragraph a block, one empty block between two paragraphs, nothing else.
        const QTextDocument* d = f->txtGuida->document();
        QCOMPARE(d->blockCount(), 2 * quanti - 1);
        for (int i = 0; i < d->blockCount(); ++i)
            QCOMPARE(d->findBlockByNumber(i).text(), i % 2 ? QString() : p.at(i / 2));
        QCOMPARE(f->txtGuida->toPlainText(), p.join(QStringLiteral("\n\n")));
        // The first paragraph at the top.
        QCOMPARE(f->txtGuida->verticalScrollBar()->value(), 0);
        QCOMPARE(primoBloccoVisibile(f->txtGuida), 0);
        QTest::mouseClick(f->btnChiudi, Qt::LeftButton);
        QVERIFY(!f->isVisible());
    }));
    // Discarded once closed.
    QVERIFY(owner.findChildren<TfrmGuida*>().isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// Read to the end and closed, the help opens again at its first paragraph.
void TestUiGuida::riaperturaInCima() {
    QWidget owner;
    owner.show();
    for (int volta = 0; volta < 2; ++volta) {
        QVERIFY(esaminaGuida(&owner, Argomento::UnoSguardo, [&](TfrmGuida* f) {
            QScrollBar* barra = f->txtGuida->verticalScrollBar();
            QVERIFY(barra->maximum() > 0); // 22 paragraphs do not fit: the text scrolls
            QCOMPARE(barra->value(), 0);
            QCOMPARE(primoBloccoVisibile(f->txtGuida), 0);
            QCOMPARE(f->txtGuida->textCursor().position(), 0);
            f->txtGuida->moveCursor(QTextCursor::End);
            barra->setValue(barra->maximum());
            QVERIFY(primoBloccoVisibile(f->txtGuida) > 0);
            QTest::mouseClick(f->btnChiudi, Qt::LeftButton);
        }));
    }
}

void TestUiGuida::aspetto() {
    TfrmGuida f(nullptr);
    f.subMostraArgomento(Argomento::Esportazione);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
    QCOMPARE(f.size(), QSize(670, 572));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    const Qt::WindowFlags bottoni =
        Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QVERIFY(!(f.windowFlags() & bottoni));
    QVERIFY(f.windowFlags() & Qt::WindowTitleHint);

    // The design text gives way to the topic title.
    TfrmGuida nuova(nullptr);
    QCOMPARE(nuova.lblTitolo->text(), QStringLiteral("Argomento della guida."));

    QCOMPARE(f.lblTitolo->font().family(), QStringLiteral("Arial"));
    QCOMPARE(f.lblTitolo->font().pointSizeF(), 16.0);
    QVERIFY(f.lblTitolo->font().bold());
    QVERIFY(f.lblTitolo->accessibleName().isEmpty()); // its text changes: screen readers read it
    QCOMPARE(f.txtGuida->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(f.txtGuida->font().pointSizeF(), 12.0);
    QVERIFY(f.txtGuida->font().bold());
    QVERIFY(f.txtGuida->isReadOnly());
    QCOMPARE(f.txtGuida->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(f.txtGuida->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(f.lnkWeb->text(), QStringLiteral("Visualizza guida in formato PDF"));
    QCOMPARE(f.lnkWeb->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(f.lnkWeb->font().pointSizeF(), 14.0);
    QVERIFY(f.lnkWeb->font().underline());
    QCOMPARE(f.lnkWeb->colore(), ColoreCollegamento::Normale);
    QCOMPARE(f.btnChiudi->text(), QStringLiteral("Chiudi"));

    // Typing does not change the text.
    const QString prima = f.txtGuida->toPlainText();
    f.txtGuida->setFocus();
    QTest::keyClicks(f.txtGuida, "abc");
    QTest::keyClick(f.txtGuida, Qt::Key_Delete);
    QCOMPARE(f.txtGuida->toPlainText(), prima);

    // Every control is where a user sees it and has a name for screen readers.
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.imgLogo, f.txtGuida, f.imgPDF, f.lnkWeb, f.btnChiudi}) {
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(f.rect().contains(QRect(w->mapTo(&f, QPoint(0, 0)), w->size())),
                 qPrintable(w->objectName()));
    }
    QVERIFY(f.imgLogo->renderer()->isValid());
    QVERIFY(f.imgPDF->immagineValida());
}

void TestUiGuida::collegamentoPdf_data() {
    QTest::addColumn<QString>("sottocartella");
    QTest::addColumn<bool>("conPdf");
    QTest::addColumn<QString>("controllo");
    QTest::newRow("link, no document") << "" << false << "lnkWeb";
    QTest::newRow("icon, no document") << "" << false << "imgPDF";
    QTest::newRow("link, document present") << "" << true << "lnkWeb";
    QTest::newRow("link, folder with blanks") << "Programmi di Mario/Geodario 1.0" << false << "lnkWeb";
    QTest::newRow("icon, folder with blanks") << "Programmi di Mario/Geodario 1.0" << true << "imgPDF";
}

// The exact text handed to the desktop: the document path in double quotes, whatever the folder is
// called and whether or not the document is there; the window itself says nothing.
void TestUiGuida::collegamentoPdf() {
    QFETCH(QString, sottocartella);
    QFETCH(bool, conPdf);
    QFETCH(QString, controllo);
    if (!sottocartella.isEmpty()) {
        QVERIFY(QDir().mkpath(cartella() + sottocartella));
        ImpostaCartellaProgramma(cartella() + sottocartella);
        QVERIFY(cartella().contains(u' '));
    }
    if (conPdf)
        scriviFile(percorso("Guida.pdf"), "%PDF-1.4\n");
    TfrmGuida f(nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(f.findChild<QWidget*>(controllo), Qt::LeftButton);
    QCOMPARE(TMisc::aperti(), QStringList{'"' + cartella() + "Guida.pdf\""});
    QVERIFY(f.isVisible()); // the window carries on
    QVERIFY(messaggi().isEmpty());
}

void TestUiGuida::coloreCollegamento_data() {
    QTest::addColumn<QString>("premuto");
    QTest::addColumn<bool>("rilasciatoSopra");
    QTest::newRow("link") << "lnkWeb" << true;
    QTest::newRow("icon") << "imgPDF" << true;
    QTest::newRow("link, released elsewhere") << "lnkWeb" << false;
    QTest::newRow("icon, released elsewhere") << "imgPDF" << false;
}

// Orange while the button is held on the link or its icon, dark blue again on release: as painted.
void TestUiGuida::coloreCollegamento() {
    QFETCH(QString, premuto);
    QFETCH(bool, rilasciatoSopra);
    TfrmGuida f(nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* w = f.findChild<QWidget*>(premuto);
    QVERIFY(w);
    QVERIFY(pixelDiColore(f.lnkWeb, ColoreCollegamento::Normale) > 0);
    QCOMPARE(pixelDiColore(f.lnkWeb, ColoreCollegamento::Premuto), 0);

    QTest::mousePress(w, Qt::LeftButton);
    QCOMPARE(f.lnkWeb->colore(), ColoreCollegamento::Premuto);
    QVERIFY(pixelDiColore(f.lnkWeb, ColoreCollegamento::Premuto) > 0);
    QCOMPARE(pixelDiColore(f.lnkWeb, ColoreCollegamento::Normale), 0);
    QVERIFY(TMisc::aperti().isEmpty()); // nothing opens on the press

    QTest::mouseRelease(w, Qt::LeftButton, {}, rilasciatoSopra ? w->rect().center() : QPoint(-30, -30));
    QCOMPARE(f.lnkWeb->colore(), ColoreCollegamento::Normale);
    QVERIFY(pixelDiColore(f.lnkWeb, ColoreCollegamento::Normale) > 0);
    QCOMPARE(pixelDiColore(f.lnkWeb, ColoreCollegamento::Premuto), 0);
    QCOMPARE(TMisc::aperti().size(), rilasciatoSopra ? 1 : 0);
}

void TestUiGuida::collegamentoDaTastiera() {
    TfrmGuida f(nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.lnkWeb->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(f.lnkWeb, Qt::Key_Return);
    QTest::keyClick(f.lnkWeb, Qt::Key_Space);
    QCOMPARE(TMisc::aperti(), QStringList(2, '"' + cartella() + "Guida.pdf\""));
}

QTEST_MAIN(TestUiGuida)
#include "test_ui_guida.moc"
