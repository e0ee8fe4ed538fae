#include "Record.h"
#include "TestSupport.h"

#include "editor/AllegaCartella.h"
#include "editor/Cartoline.h"
#include "ui/DialoghiFile.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using Messaggi::Mostrato;
using Messaggi::Risposta;
using Messaggi::Tipo;

namespace {
const QString Domanda =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con "
                   "lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
}

// The attachment window, driven through its controls with scripted dialogs, and its hand-over with the
// editor.
class TestEditorAllegati : public TestGeodario {
    Q_OBJECT
private slots:
    void apreConGliAllegatiDellaScheda();
    void sfoglia_data();
    void sfoglia();
    void sceltoDallaCartellaStessa();
    void apriConPercorsoTraVirgolette();
    void cancellaConfermaSalva();
    void annullaDopoSfoglia();

private:
    QString allegati() const { return cartella() + QStringLiteral("Documenti_Allegati/"); }
    // Runs the editor's attachment button and, while the window is open, what the test does with it.
    void conFinestra(TfrmCartoline& ed, const std::function<void(TfrmAllegaCartella&)>& azione);
};

void TestEditorAllegati::conFinestra(TfrmCartoline& ed,
                                     const std::function<void(TfrmAllegaCartella&)>& azione) {
    bool eseguita = false;
    QTimer::singleShot(0, [&] {
        auto* f = ed.findChild<TfrmAllegaCartella*>();
        QVERIFY(f);
        azione(*f);
        eseguita = true;
        if (f->isVisible())
            f->close();
    });
    QTest::mouseClick(ed.cmdFile, Qt::LeftButton);
    QVERIFY(eseguita);
    QVERIFY(!ed.findChild<TfrmAllegaCartella*>()); // a fresh window per visit
}

void TestEditorAllegati::apreConGliAllegatiDellaScheda() {
    TfrmCartoline ed;
    ed.lblFile02->setText(QStringLiteral(" \tcertificato.pdf "));
    ed.lblDesc02->setText(QStringLiteral("  Analisi XRD "));
    conFinestra(ed, [](TfrmAllegaCartella& f) {
        QCOMPARE(f.lblMemory->text(), QStringLiteral("cartoline"));
        QCOMPARE(f.txtFile02->text(), QStringLiteral("certificato.pdf"));
        QCOMPARE(f.txtDesc02->text(), QStringLiteral("Analisi XRD"));
        QVERIFY(!f.btnApri01->isEnabled());
        QVERIFY(f.btnApri02->isEnabled());
        QVERIFY(!f.btnApri03->isEnabled());
        QVERIFY(f.txtFile01->isReadOnly());
        QCOMPARE(f.size(), QSize(634, 534));
        // Tab order: name, browse, open, description of each slot, then the two buttons.
        QWidget* w = f.txtFile01;
        const QList<QWidget*> attesi = {f.btnSfoglia01, f.btnApri01, f.txtDesc01, f.txtFile02,
                                        f.btnSfoglia02, f.btnApri02, f.txtDesc02, f.txtFile03,
                                        f.btnSfoglia03, f.btnApri03, f.txtDesc03, f.btnApplica,
                                        f.btnAnnulla};
        for (QWidget* atteso : attesi) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&f))
                w = w->nextInFocusChain();
            QCOMPARE(w, atteso);
        }
    });
}

void TestEditorAllegati::sfoglia_data() {
    QTest::addColumn<bool>("esisteGia");
    QTest::addColumn<bool>("risposta"); // to the overwrite question
    QTest::addColumn<QByteArray>("nellaCartella");
    QTest::newRow("new name: copied, no question") << false << false << QByteArray("nuovo");
    QTest::newRow("existing name, Yes: replaced") << true << true << QByteArray("nuovo");
    QTest::newRow("existing name, No: kept") << true << false << QByteArray("vecchio");
}

void TestEditorAllegati::sfoglia() {
    QFETCH(bool, esisteGia);
    QFETCH(bool, risposta);
    QFETCH(QByteArray, nellaCartella);
    const QString scelto = percorso(QStringLiteral("altrove/analisi chimica.pdf"));
    QDir().mkpath(QFileInfo(scelto).absolutePath());
    scriviFile(scelto, "nuovo");
    if (esisteGia) {
        QDir().mkpath(allegati());
        scriviFile(allegati() + QStringLiteral("analisi chimica.pdf"), "vecchio");
    }
    TfrmAllegaCartella f(nullptr, nullptr);
    DialoghiFile::Test::accoda(scelto);
    if (esisteGia)
        Messaggi::Test::accoda(risposta ? Risposta::Si : Risposta::No);
    QTest::mouseClick(f.btnSfoglia01, Qt::LeftButton);
    const auto richieste = DialoghiFile::Test::richieste();
    QCOMPARE(richieste.size(), 1);
    QCOMPARE(richieste[0].titolo, QStringLiteral("Selezionare il file da allegare:"));
    QCOMPARE(richieste[0].filtro, QStringLiteral("Tutti i file (*.*)"));
    QCOMPARE(messaggi(), (esisteGia ? QList<Mostrato>{{Tipo::Conferma, Domanda}} : QList<Mostrato>{}));
    QCOMPARE(f.txtFile01->text(), QStringLiteral("analisi chimica.pdf")); // the slot names it either way
    QVERIFY(f.btnApri01->isEnabled());
    QCOMPARE(leggiFile(allegati() + QStringLiteral("analisi chimica.pdf")), nellaCartella);
    QCOMPARE(QDir(allegati()).entryList(QDir::Files), QStringList{QStringLiteral("analisi chimica.pdf")});

    // A cancelled dialog changes nothing and asks nothing.
    DialoghiFile::Test::accoda(QString());
    QTest::mouseClick(f.btnSfoglia01, Qt::LeftButton);
    DialoghiFile::Test::richieste();
    QCOMPARE(f.txtFile01->text(), QStringLiteral("analisi chimica.pdf"));
}

// The document picked from the attachments folder itself survives, and no question is asked.
void TestEditorAllegati::sceltoDallaCartellaStessa() {
    QDir().mkpath(allegati());
    const QString documento = allegati() + QStringLiteral("ricevuta.pdf");
    scriviFile(documento, "ricevuta d'acquisto");
    TfrmAllegaCartella f(nullptr, nullptr);
    DialoghiFile::Test::accoda(documento);
    QTest::mouseClick(f.btnSfoglia02, Qt::LeftButton);
    DialoghiFile::Test::richieste();
    QCOMPARE(messaggi(), QList<Mostrato>{});
    QCOMPARE(f.txtFile02->text(), QStringLiteral("ricevuta.pdf"));
    QCOMPARE(leggiFile(documento), QByteArray("ricevuta d'acquisto"));
}

void TestEditorAllegati::apriConPercorsoTraVirgolette() {
    TfrmAllegaCartella f(nullptr, nullptr);
    f.subMostraAllegati({{{}, {}, {QStringLiteral(" foto del sito.jpg "), {}}}});
    QTest::mouseClick(f.btnApri03, Qt::LeftButton);
    QCOMPARE(TMisc::aperti(), QStringList{u'"' + allegati() + QStringLiteral("foto del sito.jpg\"")});
}

// Clearing a slot and confirming, then saving: the stored name is empty, the description and the document
// stay; descriptions are stored trimmed.
void TestEditorAllegati::cancellaConfermaSalva() {
    QDir().mkpath(allegati());
    scriviFile(allegati() + QStringLiteral("doc.pdf"), "documento");
    const QString archivio = percorso(QStringLiteral("Quarzi.ima"));
    QByteArray r = Fixture::conObbligatori("Ametista");
    Fixture::campo(r, Fixture::File01, "doc.pdf");
    Fixture::campo(r, Fixture::Desc01, "Certificato");
    scriviFile(archivio, r);
    TfrmCartoline ed;
    ed.lblFile->setText(archivio);
    ed.lblNome->setText(QStringLiteral("Quarzi"));
    ed.mostra();
    QTest::mouseClick(ed.cmdAvanti, Qt::LeftButton);
    QCOMPARE(ed.lblFile01->text(), QStringLiteral("doc.pdf"));
    conFinestra(ed, [](TfrmAllegaCartella& f) {
        QTest::mouseClick(f.imgCancella01, Qt::LeftButton);
        QVERIFY(f.txtFile01->text().isEmpty());
        QVERIFY(!f.btnApri01->isEnabled());
        f.txtDesc02->setText(QStringLiteral("   Scontrino  "));
        QTest::mouseClick(f.btnApplica, Qt::LeftButton);
    });
    QCOMPARE(ed.lblFile01->text(), QString());
    QCOMPARE(ed.lblDesc01->text(), QStringLiteral("Certificato"));
    QCOMPARE(ed.lblDesc02->text(), QStringLiteral("Scontrino"));
    QTest::mouseClick(ed.cmdSalva, Qt::LeftButton);
    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Informazione,
                                           QStringLiteral("Le modifiche apportate alla scheda "
                                                          "corrente sono state salvate in archivio.")}}));
    const QByteArray salvato = leggiFile(archivio);
    QCOMPARE(salvato.at(Fixture::File01), '\0');
    QCOMPARE(salvato.mid(Fixture::Desc01, 12), QByteArray("\x0b"
                                                          "Certificato"));
    QCOMPARE(salvato.mid(Fixture::Desc02, 10), QByteArray("\x09"
                                                          "Scontrino"));
    QCOMPARE(leggiFile(allegati() + QStringLiteral("doc.pdf")), QByteArray("documento"));
}

// "Annulla" after a browse: the card keeps its values, the copied document stays in the folder.
void TestEditorAllegati::annullaDopoSfoglia() {
    const QString scelto = percorso(QStringLiteral("nota.txt"));
    scriviFile(scelto, "nota");
    TfrmCartoline ed;
    ed.lblFile01->setText(QStringLiteral("vecchio.pdf"));
    conFinestra(ed, [&](TfrmAllegaCartella& f) {
        DialoghiFile::Test::accoda(scelto);
        QTest::mouseClick(f.btnSfoglia01, Qt::LeftButton);
        DialoghiFile::Test::richieste();
        QTest::mouseClick(f.btnAnnulla, Qt::LeftButton);
    });
    QCOMPARE(ed.lblFile01->text(), QStringLiteral("vecchio.pdf"));
    QCOMPARE(leggiFile(allegati() + QStringLiteral("nota.txt")), QByteArray("nota"));
}

QTEST_MAIN(TestEditorAllegati)
#include "test_editor_allegati.moc"
