#include "Record.h"
#include "TestSupport.h"

#include "editor/Cartoline.h"
#include "storage/Archivio.h"
#include "ui/PulsanteImmagine.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <unistd.h>

// Runs as an unprivileged user: for root no file is read-only.
class TestEditorPermessi : public TestGeodario {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(geteuid() != 0, "permission tests must not run as root"); }
    void archivioSolaLettura();
};

void TestEditorPermessi::archivioSolaLettura() {
    const QString p = percorso(QStringLiteral("Quarzi.ima"));
    const QByteArray dati = Fixture::conObbligatori("Uno") + Fixture::conObbligatori("Due");
    scriviFile(p, dati);
    QVERIFY(QFile::setPermissions(p, QFileDevice::ReadOwner));
    TfrmCartoline ed;
    ed.lblFile->setText(p);
    ed.lblNome->setText(QStringLiteral("Quarzi"));
    ed.mostra();
    for (const char* pos : {"", "2"}) {
        ed.lblPosizione->setText(QLatin1String(pos));
        for (QLineEdit* e : {ed.txtTitolo, ed.txtTipologia, ed.txtEditore, ed.txtAnno})
            e->setText(QStringLiteral("x"));
        QTest::mouseClick(ed.cmdSalva, Qt::LeftButton);
        QCOMPARE(messaggi(),
                 (QList<Messaggi::Mostrato>{{Messaggi::Tipo::Errore, MessaggioErroreArchivio()}}));
        QCOMPARE(ed.lblPosizione->text(), QLatin1String(pos));
    }
    QTest::mouseClick(ed.cmdAvanti, Qt::LeftButton);
    QCOMPARE(messaggi(), (QList<Messaggi::Mostrato>{{Messaggi::Tipo::Errore, MessaggioErroreArchivio()}}));
    QCOMPARE(leggiFile(p), dati);
}

QTEST_MAIN(TestEditorPermessi)
#include "test_editor_permessi.moc"
