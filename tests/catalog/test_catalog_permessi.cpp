#include "TestSupport.h"

#include "catalog/ApriCatalogo.h"
#include "catalog/Cataloghi.h"
#include "catalog/CreaCatalogo.h"
#include "ui/PulsanteImmagine.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <unistd.h>

// File-system failures; runs as an unprivileged user, since for root no folder is read-only.
class TestCatalogPermessi : public TestGeodario {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(geteuid() != 0, "permission tests must not run as root"); }
    void creaInCartellaBloccata();
    void eliminaInCartellaBloccata();

private:
    void blocca() {
        QVERIFY(QFile::setPermissions(cartella(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
};

void TestCatalogPermessi::creaInCartellaBloccata() {
    blocca();
    const QString errore =
        QStringLiteral("Impossibile creare il file dell'archivio: la cartella del programma "
                       "non consente la scrittura (permesso negato).");
    const Cataloghi::Creazione c = Cataloghi::crea(QStringLiteral("Quarzi"));
    QCOMPARE(c.esito, Cataloghi::Esito::Errore);
    QCOMPARE(c.errore, errore);

    // The window shows the failure as an error, creates nothing and stays open with the name.
    TfrmCreaCatalogo f;
    f.mostra();
    digita(f.txtFile, QStringLiteral("Quarzi"));
    f.btnApplica->click();
    QCOMPARE(messaggi(), (QList<Messaggi::Mostrato>{{Messaggi::Tipo::Errore, errore}}));
    QVERIFY(f.isVisible());
    QCOMPARE(f.txtFile->text(), QStringLiteral("Quarzi"));
    QVERIFY(!QFile::exists(percorso("Quarzi.ima")));
}

void TestCatalogPermessi::eliminaInCartellaBloccata() {
    scriviFile(percorso("Agata.ima"), QByteArray(3646, 'a'));
    scriviFile(percorso("Berillo.ima"), {});
    TfrmApriCatalogo f;
    f.mostra();
    blocca();
    f.lstFiles->item(0)->setSelected(true);
    Messaggi::Test::accoda(Messaggi::Risposta::Si);
    f.btnElimina->click();
    const QList<Messaggi::Mostrato> attesi{
        {Messaggi::Tipo::Conferma,
         QStringLiteral(
             "Si sta per eliminare l'archivio di campioni mineralogici selezionato. Si ricorda che il "
             "file eliminato non potrà essere recuperato.\r\n\r\nSi conferma l'eliminazione "
             "dell'archivio?")},
        {Messaggi::Tipo::Errore,
         QStringLiteral(
             "Impossibile eliminare l'archivio di campioni mineralogici selezionato.\r\n\r\nIl file "
             "potrebbe essere aperto in un altro programma oppure la cartella del programma non "
             "consente la modifica.")}};
    QCOMPARE(messaggi(), attesi);
    // The list shows what is really left.
    QCOMPARE(f.lstFiles->count(), 2);
    QCOMPARE(f.lstFiles->item(0)->text(), QStringLiteral("Agata.ima"));
    QVERIFY(f.lstFiles->selectedItems().isEmpty());
    QCOMPARE(f.lblCreati->text(), QStringLiteral("Sono stati creati 2 archivi di campioni mineralogici."));
    QCOMPARE(f.lblMemory->text(), QStringLiteral("avvio"));
    QVERIFY(f.isVisible());
    QCOMPARE(leggiFile(percorso("Agata.ima")), QByteArray(3646, 'a'));
}

QTEST_MAIN(TestCatalogPermessi)
#include "test_catalog_permessi.moc"
