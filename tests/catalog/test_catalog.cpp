#include "TestSupport.h"

#include "catalog/Cataloghi.h"
#include "storage/CartellaProgramma.h"
#include "storage/Testo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using Cataloghi::Esito;

// The catalogue folder operations, without windows.
class TestCatalog : public TestGeodario {
    Q_OBJECT
private slots:
    void crea_data();
    void crea();
    void nomeUsato_data();
    void nomeUsato();
    void nomeTroppoLungo();
    void elenca();
    void ordine_data();
    void ordine();
    void elimina();
    void eliminaVoceConSpazioIniziale();

private:
    QStringList contenuto() const {
        return QDir(cartella()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

namespace {
QString rifiuto(const QString& motivo) {
    return QStringLiteral("Impossibile creare il file dell'archivio: %1.").arg(motivo);
}
QString carattere(QChar c) {
    return rifiuto(
        QStringLiteral("il nome contiene il carattere «%1», che non è ammesso nei nomi dei file").arg(c));
}
const QString controllo = rifiuto(
    QStringLiteral("il nome contiene un carattere di controllo, che non è ammesso nei nomi dei file"));
const QString puntoFinale =
    rifiuto(QStringLiteral("il nome non può terminare con un punto o con uno spazio"));
QString riservato(const QString& base) {
    return rifiuto(QStringLiteral("«%1» è un nome riservato ai dispositivi di sistema").arg(base));
}
} // namespace

void TestCatalog::crea_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<Esito>("esito");
    QTest::addColumn<QString>("file");   // the one file expected in the folder afterwards
    QTest::addColumn<QString>("errore"); // for Esito::Errore

    QTest::newRow("blanks around the name") << " \t Quarzi alpini  " << Esito::Creato << "Quarzi alpini.ima"
                                            << "";
    QTest::newRow("control characters at the ends are blanks")
        << "\x01Opale\x1f" << Esito::Creato << "Opale.ima"
        << "";
    QTest::newRow("name ending in .ima") << "Fluoriti.ima" << Esito::Creato << "Fluoriti.ima.ima"
                                         << "";
    QTest::newRow("case, inner dots, accents kept")
        << "Minerali d'Elba v.2 àèìòù ÇÑ°" << Esito::Creato << "Minerali d'Elba v.2 àèìòù ÇÑ°.ima"
        << "";
    const QString lungo(250, u'q');
    QTest::newRow("250 characters") << lungo << Esito::Creato << lungo + ".ima"
                                    << "";
    QTest::newRow("non-breaking space is not a blank") << "Agata\u00a0" << Esito::Creato << "Agata\u00a0.ima"
                                                       << "";
    QTest::newRow("device name inside a longer name") << "CONSOLE" << Esito::Creato << "CONSOLE.ima"
                                                      << "";
    QTest::newRow("COM0 is no device") << "COM0" << Esito::Creato << "COM0.ima"
                                       << "";
    QTest::newRow("COM10 is no device") << "com10" << Esito::Creato << "com10.ima"
                                        << "";
    QTest::newRow("device name not before the first dot") << "Rari.aux" << Esito::Creato << "Rari.aux.ima"
                                                          << "";

    QTest::newRow("empty") << "" << Esito::NomeVuoto << ""
                           << "";
    QTest::newRow("blanks only") << " \t\r\n\x01 " << Esito::NomeVuoto << ""
                                 << "";

    for (QChar c : QStringView(u"\\/:*?\"<>|"))
        QTest::addRow("refused character %c", c.toLatin1())
            << QStringLiteral("Quarzi%1alpini").arg(c) << Esito::Errore << "" << carattere(c);
    QTest::newRow("parent folder") << "../Fuori" << Esito::Errore << "" << carattere(u'/');
    QTest::newRow("inner control character") << "Quarzi\x01"
                                                "alpini"
                                             << Esito::Errore << "" << controllo;
    QTest::newRow("inner line feed") << "Quarzi\nalpini" << Esito::Errore << "" << controllo;
    QTest::newRow("C1 control character") << "Quarzi\u0085alpini" << Esito::Errore << "" << controllo;
    QTest::newRow("trailing dot") << "Quarzi." << Esito::Errore << "" << puntoFinale;
    QTest::newRow("dot") << "." << Esito::Errore << "" << puntoFinale;
    QTest::newRow("dot dot") << " .. " << Esito::Errore << "" << puntoFinale;
    for (const char* nome : {"CON", "prn", "Aux", "nul", "COM1", "com9", "LPT1", "lPt9"})
        QTest::addRow("device %s", nome)
            << QString::fromLatin1(nome) << Esito::Errore << "" << riservato(QString::fromLatin1(nome));
    QTest::newRow("device with extension") << "con.txt" << Esito::Errore << "" << riservato("con");
    QTest::newRow("device with blank before the extension")
        << "NUL .old" << Esito::Errore << "" << riservato("NUL ");
}

void TestCatalog::crea() {
    QFETCH(QString, testo);
    QFETCH(Esito, esito);
    QFETCH(QString, file);
    QFETCH(QString, errore);
    // A program folder inside the test's folder, so that nothing may appear beside it.
    const QString radice = cartella();
    QVERIFY(QDir().mkdir(radice + "programma"));
    ImpostaCartellaProgramma(radice + "programma");

    const Cataloghi::Creazione c = Cataloghi::crea(testo);
    QCOMPARE(c.esito, esito);
    QCOMPARE(c.errore, errore);
    if (esito == Esito::Creato) {
        QCOMPARE(c.percorso, cartella() + file);
        QCOMPARE(contenuto(), QStringList{file});
        QCOMPARE(QFileInfo(c.percorso).size(), 0);
    } else {
        QCOMPARE(contenuto(), QStringList{});
        QCOMPARE(QDir(radice).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"programma"});
    }
}

void TestCatalog::nomeUsato_data() {
    QTest::addColumn<QString>("esistente");
    QTest::addColumn<bool>("cartellaEsistente");
    QTest::addColumn<QString>("testo");
    QTest::newRow("same name") << "Agata.ima" << false << "Agata";
    QTest::newRow("same name with blanks") << "Agata.ima" << false << "  Agata\t";
    QTest::newRow("a folder holds the name") << "Opali.ima" << true << "Opali";
    QTest::newRow("other letter case") << "Agata.ima" << false << "aGATA";
}

void TestCatalog::nomeUsato() {
    QFETCH(QString, esistente);
    QFETCH(bool, cartellaEsistente);
    QFETCH(QString, testo);
    const QByteArray dati(2 * 3646, 'x');
    if (cartellaEsistente)
        QVERIFY(QDir().mkdir(percorso(esistente)));
    else
        scriviFile(percorso(esistente), dati);
    // The file system decides whether letter case tells names apart.
    const QString nuovo = Testo::taglia(testo) + ".ima";
    const bool usato = QFileInfo::exists(percorso(nuovo));

    const Cataloghi::Creazione c = Cataloghi::crea(testo);
    QCOMPARE(c.esito, usato ? Esito::NomeUsato : Esito::Creato);
    QCOMPARE(c.percorso, percorso(nuovo));
    if (!cartellaEsistente)
        QCOMPARE(leggiFile(percorso(esistente)), dati);
    else
        QVERIFY(QFileInfo(percorso(esistente)).isDir());
}

void TestCatalog::nomeTroppoLungo() {
#ifdef Q_OS_WIN
    QSKIP("Windows counts UTF-16 units, so 250 accented letters fit");
#else
    // The field takes 250 characters, but 250 accented letters are 500 bytes on Linux file systems.
    const Cataloghi::Creazione c = Cataloghi::crea(QString(250, u'à'));
    QCOMPARE(c.esito, Esito::Errore);
    QCOMPARE(c.errore, rifiuto(QStringLiteral("il nome è troppo lungo per il file system")));
    QCOMPARE(contenuto(), QStringList{});
#endif
}

void TestCatalog::elenca() {
    for (const char* f : {"Calcite.IMA", "Berillo.ima", "ametista.ima", "Agata.ima", "Zircone.Ima",
                          "Opali.ima.bak", "note.txt", "Quarzi.imax", "ima"})
        scriviFile(percorso(QString::fromLatin1(f)), {});
    QVERIFY(QDir().mkdir(percorso("Opali.ima")));
    QVERIFY(QDir().mkdir(percorso("sotto")));
    scriviFile(percorso("sotto/Nascosto.ima"), {});
    QVERIFY(QFile::link(percorso("sotto"), percorso("Collegamento.ima"))); // a link to a folder is a folder

    QCOMPARE(Cataloghi::elenca(),
             (QStringList{"Agata.ima", "ametista.ima", "Berillo.ima", "Calcite.IMA", "Zircone.Ima"}));
    QCOMPARE(Cataloghi::percorsoArchivio("Calcite.IMA"), cartella() + "Calcite.IMA");
}

void TestCatalog::ordine_data() {
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");
    QTest::newRow("capital before small") << "Agata.ima"
                                          << "ametista.ima";
    QTest::newRow("small before capital") << "ametista.ima"
                                          << "Berillo.ima";
    QTest::newRow("accented letters by code, after Z") << "Zircone.ima"
                                                       << "Ágata.ima";
    QTest::newRow("small accented letter after every A-Z") << "zircone.ima"
                                                           << "àgata.ima";
    QTest::newRow("letters fold to capitals: A before _") << "agata.ima"
                                                          << "_bozza.ima";
    QTest::newRow("blank before dot") << "Quarzo 2.ima"
                                      << "Quarzo.ima";
    QTest::newRow("digits before letters") << "2025.ima"
                                           << "Agata.ima";
    QTest::newRow("names equal but for case keep one order") << "AGATA.ima"
                                                             << "agata.ima";
}

void TestCatalog::ordine() {
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    QVERIFY(Cataloghi::precede(prima, dopo));
    QVERIFY(!Cataloghi::precede(dopo, prima));
}

void TestCatalog::elimina() {
    scriviFile(percorso("Agata.ima"), QByteArray(3646, 'a'));
    scriviFile(percorso("Berillo.ima"), {});
    QVERIFY(QDir().mkpath(percorso("Foto_Minerali")));
    scriviFile(percorso("Foto_Minerali/Agata_Foto_A_1.jpg"), "jpg");
    QVERIFY(QDir().mkpath(percorso("Documenti_Allegati")));
    scriviFile(percorso("Documenti_Allegati/Agata.pdf"), "pdf");

    QVERIFY(Cataloghi::elimina(Cataloghi::percorsoArchivio("Agata.ima")));
    QVERIFY(!QFileInfo::exists(percorso("Agata.ima")));
    QVERIFY(QFileInfo::exists(percorso("Berillo.ima")));
    QVERIFY(QFileInfo::exists(percorso("Foto_Minerali/Agata_Foto_A_1.jpg")));
    QVERIFY(QFileInfo::exists(percorso("Documenti_Allegati/Agata.pdf")));

    QVERIFY(Cataloghi::elimina(percorso("Agata.ima"))); // already gone: nothing is left
    QVERIFY(QDir().mkdir(percorso("Opali.ima")));
    QVERIFY(!Cataloghi::elimina(percorso("Opali.ima"))); // a folder is never removed
    QVERIFY(QFileInfo(percorso("Opali.ima")).isDir());
}

void TestCatalog::eliminaVoceConSpazioIniziale() {
    // A file copied in from outside may start with a blank; its entry must not stand for another file.
    scriviFile(percorso(" Agata.ima"), "copia");
    scriviFile(percorso("Agata.ima"), "originale");
    QCOMPARE(Cataloghi::elenca(), (QStringList{" Agata.ima", "Agata.ima"}));
    QVERIFY(Cataloghi::elimina(Cataloghi::percorsoArchivio(" Agata.ima")));
    QCOMPARE(contenuto(), QStringList{"Agata.ima"});
    QCOMPARE(leggiFile(percorso("Agata.ima")), QByteArray("originale"));
}

QTEST_MAIN(TestCatalog)
#include "test_catalog.moc"
