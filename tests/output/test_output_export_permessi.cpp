// Export failures caused by file permissions. Runs as an unprivileged user: for root nothing is read-only.
#include "SchedeEsportazione.h"
#include "TestSupport.h"

#include "output/ExpCartoline.h"
#include "ui/OpenURL.h"
#include "ui/PulsanteImmagine.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <unistd.h>

using Messaggi::Mostrato;
using Messaggi::Risposta;
using Messaggi::Tipo;

namespace {
const QString Domanda =
    QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                   "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString NonEsportato = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                            "Accertarsi che il file di Excel non sia già aperto.");
} // namespace

class TestOutputExportPermessi : public TestGeodario {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(geteuid() != 0, "permission tests must not run as root"); }
    void esportazioneNegata_data();
    void esportazioneNegata();
};

void TestOutputExportPermessi::esportazioneNegata_data() {
    QTest::addColumn<bool>("cartellaBloccata"); // the program folder, or else the old file, is read-only
    QTest::newRow("cartella in sola lettura") << true;
    QTest::newRow("file precedente in sola lettura") << false;
}

void TestOutputExportPermessi::esportazioneNegata() {
    QFETCH(bool, cartellaBloccata);
    const QString archivio = percorso(QStringLiteral("Minerali.ima"));
    const QString xls = percorso(QStringLiteral("Archivio_Minerali.xls"));
    QVERIFY(schede::scrivi(archivio, {schede::conAccenti(), schede::inVendita()}));
    const QByteArray vecchio = "<html>esportazione precedente</html>";
    scriviFile(xls, vecchio);
    const auto sola = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(cartellaBloccata ? cartella() : xls, sola));

    TfrmExpCartoline w(nullptr, archivio);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.findChild<QAbstractItemView*>(QStringLiteral("grdRecords"))->model()->rowCount(), 2);
    Messaggi::Test::accoda(Risposta::Si); // the second question is never asked
    QTest::mouseClick(w.cmdEsporta, Qt::LeftButton);

    QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Conferma, Domanda}, {Tipo::Semplice, NonEsportato}}));
    QCOMPARE(leggiFile(xls), vecchio);
    QVERIFY(TMisc::aperti().isEmpty());
    QCOMPARE(QDir(cartella()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"Archivio_Minerali.xls", "Minerali.ima"}));
    QVERIFY(w.isVisible());
}

QTEST_MAIN(TestOutputExportPermessi)
#include "test_output_export_permessi.moc"
