#include "TestSupport.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"

#include <QDir>
#include <QProcess>

// The scrambling, the normal form and the INI store, without windows.
class TestAccess : public TestGeodario {
    Q_OBJECT
private slots:
    void codifica_data();
    void codifica();
    void decodifica_data();
    void decodifica();
    void passwordLunga();
    void formaNormale_data();
    void formaNormale();
    void leggi_data();
    void leggi();
    void scriviNuovoArchivio();
    void scriviConservaIlResto();
    void memorizzabile_data();
    void memorizzabile();
    void archivioIniziale();
};

namespace {

// The vectors below were worked out by hand from the routine (key 9317, x 36107 + 40583 mod 65536,
// advanced with the scrambled byte), not produced by the code under test.
const QString ghiandolaverdeCodificata = QStringLiteral("63135A1459D810E354EC84705942");

QString archivio() {
    return PercorsoArchivioPassword();
}

// The lines that carry something, trimmed: how blank lines are laid out is no concern of the store.
QList<QByteArray> righePiene(const QByteArray& dati) {
    QList<QByteArray> r;
    for (const QByteArray& riga : dati.split('\n'))
        if (!riga.trimmed().isEmpty())
            r << riga.trimmed();
    return r;
}

} // namespace

void TestAccess::codifica_data() {
    QTest::addColumn<QString>("chiaro");
    QTest::addColumn<QString>("esadecimale");
    QTest::addColumn<QString>("decodificato"); // what comes back: only the low byte is kept
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("initial password") << "GHIANDOLAVERDE" << ghiandolaverdeCodificata << "GHIANDOLAVERDE";
    QTest::newRow("lower case differs") << "ghiandolaverde"
                                        << "43D19B5C79AC6C6215968E2A4BDC"
                                        << "ghiandolaverde";
    QTest::newRow("same letter, new pair") << "AA"
                                           << "6534"
                                           << "AA";
    QTest::newRow("inner blank") << "PIETRA ROSSA"
                                 << "74F12CF69F1A9CBD771AEEFE"
                                 << "PIETRA ROSSA";
    QTest::newRow("top of Latin-1, NUL, NBSP")
        << QStringLiteral("\u00ff") + QChar(0) + QStringLiteral("\u00a0") << "DB78A1"
        << QStringLiteral("\u00ff") + QChar(0) + QStringLiteral("\u00a0");
    QTest::newRow("accented") << QStringLiteral("àÀ") << "C40C" << QStringLiteral("àÀ");
    QTest::newRow("euro keeps its low byte") << QStringLiteral("€") << "88" << QStringLiteral("\u00ac");
    QTest::newRow("L stroke like A") << QStringLiteral("\u0141") << "65"
                                     << "A";
}

void TestAccess::codifica() {
    QFETCH(QString, chiaro);
    QFETCH(QString, esadecimale);
    QFETCH(QString, decodificato);
    QCOMPARE(Codifica(chiaro), esadecimale);
    QCOMPARE(Decodifica(esadecimale), std::optional<QString>(decodificato));
}

void TestAccess::decodifica_data() {
    QTest::addColumn<QString>("esadecimale");
    QTest::addColumn<bool>("valido");
    QTest::addColumn<QString>("chiaro");
    QTest::newRow("lower-case digits") << "63135a1459d810e354ec84705942" << true << "GHIANDOLAVERDE";
    QTest::newRow("mixed case digits") << "63135A1459d810E354eC84705942" << true << "GHIANDOLAVERDE";
    QTest::newRow("odd digit ignored") << "6534F" << true << "AA";
    QTest::newRow("one digit") << "6" << true << "";
    QTest::newRow("letter past F") << "65G4" << false << "";
    QTest::newRow("blank inside a pair") << "6 34" << false << "";
    QTest::newRow("prefix") << "0x65" << false << "";
    QTest::newRow("bad pair after good ones") << "6534ZZ" << false << "";
    QTest::newRow("full-width digit") << QStringLiteral("6\uff15") << false << "";
}

void TestAccess::decodifica() {
    QFETCH(QString, esadecimale);
    QFETCH(bool, valido);
    QFETCH(QString, chiaro);
    const std::optional<QString> r = Decodifica(esadecimale);
    QCOMPARE(r.has_value(), valido);
    if (valido)
        QCOMPARE(*r, chiaro);
}

void TestAccess::passwordLunga() {
    QString chiaro;
    for (int i = 0; i < 300; ++i)
        chiaro += QChar(char16_t(0x21 + (i * 7) % 0xDE)); // no blanks, so the normal form keeps the length
    const QString hex = Codifica(chiaro);
    QCOMPARE(hex.size(), 600);
    QVERIFY(std::all_of(hex.cbegin(), hex.cend(),
                        [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }));
    QCOMPARE(Decodifica(hex), std::optional<QString>(chiaro));

    QVERIFY(ScriviPassword(chiaro));
    QCOMPARE(LeggiPassword(), std::optional<QString>(FormaNormalePassword(chiaro)));
    QCOMPARE(LeggiPassword()->size(), 300);
}

void TestAccess::formaNormale_data() {
    QTest::addColumn<QString>("digitata");
    QTest::addColumn<QString>("normale");
    QTest::newRow("a-z folded") << "ghiandolaVerde"
                                << "GHIANDOLAVERDE";
    QTest::newRow("blanks at the ends") << "  quarzo\t\r\n"
                                        << "QUARZO";
    QTest::newRow("control characters are blanks") << QStringLiteral("\x01quarzo\x1f") << "QUARZO";
    QTest::newRow("inner blanks stay") << " due  parole "
                                       << "DUE  PAROLE";
    QTest::newRow("accents keep their case") << QStringLiteral("àÀèé") << QStringLiteral("àÀèé");
    QTest::newRow("no-break space is no blank")
        << QStringLiteral("\u00a0x\u00a0") << QStringLiteral("\u00a0X\u00a0");
    QTest::newRow("only blanks") << " \t "
                                 << "";
}

void TestAccess::formaNormale() {
    QFETCH(QString, digitata);
    QFETCH(QString, normale);
    QCOMPARE(FormaNormalePassword(digitata), normale);
}

void TestAccess::leggi_data() {
    QTest::addColumn<bool>("esiste");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<bool>("leggibile");
    QTest::addColumn<QString>("password");
    const QByteArray giusta = ghiandolaverdeCodificata.toLatin1();
    QTest::newRow("installed store") << true << "[Accesso]\r\nValore=" + giusta + "\r\n"
                                     << true << "GHIANDOLAVERDE";
    QTest::newRow("no file") << false << QByteArray() << true << "";
    QTest::newRow("empty file") << true << QByteArray() << true << "";
    QTest::newRow("no section") << true << "[Altro]\r\nValore=" + giusta + "\r\n" << true << "";
    QTest::newRow("no key") << true << "[Accesso]\r\nAltro=" + giusta + "\r\n" << true << "";
    QTest::newRow("empty value") << true << QByteArray("[Accesso]\r\nValore=\r\n") << true << "";
    QTest::newRow("names in any case") << true << "[aCCESSO]\r\nVALORE=" + giusta + "\r\n"
                                       << true << "GHIANDOLAVERDE";
    QTest::newRow("blanks around") << true << "[ Accesso ]\r\n  Valore =  \t" + giusta.toLower() + " \t\r\n"
                                   << true << "GHIANDOLAVERDE";
    QTest::newRow("among other sections")
        << true
        << "; nota\r\n[Prima]\r\nValore=00\r\n\r\n[Accesso]\r\nAltro=1\r\nValore=" + giusta +
               "\r\n[Dopo]\r\nValore=11\r\n"
        << true << "GHIANDOLAVERDE";
    QTest::newRow("LF line ends") << true << "[Accesso]\nValore=" + giusta + "\n" << true << "GHIANDOLAVERDE";
    QTest::newRow("no line end at all")
        << true << "[Accesso]\r\nValore=" + giusta << true << "GHIANDOLAVERDE";
    QTest::newRow("not hexadecimal") << true << QByteArray("[Accesso]\r\nValore=63135A14XY\r\n") << false
                                     << "";
    QTest::newRow("Latin-1 byte in value") << true
                                           << QByteArray("[Accesso]\r\nValore=63\xe0"
                                                         "5A\r\n")
                                           << false << "";
}

void TestAccess::leggi() {
    QFETCH(bool, esiste);
    QFETCH(QByteArray, contenuto);
    QFETCH(bool, leggibile);
    QFETCH(QString, password);
    if (esiste)
        scriviFile(archivio(), contenuto);
    const std::optional<QString> letta = LeggiPassword();
    QCOMPARE(letta.has_value(), leggibile);
    if (leggibile)
        QCOMPARE(*letta, password);
    if (esiste)
        QCOMPARE(leggiFile(archivio()), contenuto); // reading never touches the file
}

void TestAccess::scriviNuovoArchivio() {
    QVERIFY(ScriviPassword(QStringLiteral("  ghiandolaverde ")));
    QCOMPARE(leggiFile(archivio()), "[Accesso]\r\nValore=" + ghiandolaverdeCodificata.toLatin1() + "\r\n");
    // The replacement goes through a temporary file that must not stay behind.
    QCOMPARE(QDir(cartella()).entryList(QDir::Files | QDir::Hidden), QStringList{"unins000.dll"});
}

void TestAccess::scriviConservaIlResto() {
    scriviFile(archivio(), "; archivio della password\r\n"
                           "[Prima]\r\nchiave=uno\r\n\r\n"
                           "[ACCESSO]\r\nAltra=2\r\nVALORE = 6534\r\nUltima=3\r\n"
                           "[Dopo]\r\nValore=99\r\n");
    QVERIFY(ScriviPassword(QStringLiteral("Nuova Pietra")));
    const QByteArray scritto = leggiFile(archivio());
    QVERIFY2(!scritto.contains("\n\n") && scritto.count('\n') == scritto.count("\r\n"),
             "every line ends with CR LF");
    const QList<QByteArray> attese{
        "; archivio della password",       "[Prima]",  "chiave=uno", "[ACCESSO]", "Altra=2",
        "VALORE=6A63B3C7F3337193978DED15", "Ultima=3", "[Dopo]",     "Valore=99"};
    QCOMPARE(righePiene(scritto), attese);
    QCOMPARE(LeggiPassword(), std::optional<QString>(QStringLiteral("NUOVA PIETRA")));

    // A store without the section gains it and keeps what it had.
    scriviFile(archivio(), "[Altro]\r\nx=1\r\n");
    QVERIFY(ScriviPassword(QStringLiteral("a")));
    const QList<QByteArray> conSezione{"[Altro]", "x=1", "[Accesso]", "Valore=65"};
    QCOMPARE(righePiene(leggiFile(archivio())), conSezione);
}

void TestAccess::memorizzabile_data() {
    QTest::addColumn<QString>("nuova");
    QTest::addColumn<bool>("ammessa");
    QTest::newRow("Latin-1 accents") << QStringLiteral("Ématite ÿ") << true;
    QTest::newRow("euro sign") << QStringLiteral("prezzo€") << false;
    QTest::newRow("letter above Latin-1") << QStringLiteral("\u0141od\u017a") << false;
    QTest::newRow("1000 characters") << QString(1000, u'q') << true;
    QTest::newRow("1000 characters and blanks")
        << QStringLiteral("  ") + QString(1000, u'q') + QStringLiteral(" ") << true;
    QTest::newRow("1001 characters") << QString(1001, u'q') << false;
}

void TestAccess::memorizzabile() {
    QFETCH(QString, nuova);
    QFETCH(bool, ammessa);
    const QByteArray prima = "[Accesso]\r\nValore=" + ghiandolaverdeCodificata.toLatin1() + "\r\n";
    scriviFile(archivio(), prima);
    QCOMPARE(PasswordMemorizzabile(nuova), ammessa);
    QCOMPARE(ScriviPassword(nuova), ammessa);
    if (ammessa) {
        QCOMPARE(LeggiPassword(), std::optional<QString>(FormaNormalePassword(nuova)));
    } else {
        QCOMPARE(leggiFile(archivio()), prima);
    }
}

// The build's tool writes the initial store once and never resets a changed one.
void TestAccess::archivioIniziale() {
    const QString cartellaNuova = cartella() + QStringLiteral("installazione");
    const QString store = cartellaNuova + QStringLiteral("/unins000.dll");
    QCOMPARE(QProcess::execute(QStringLiteral(GEODARIO_STRUMENTO_PASSWORD), {cartellaNuova}), 0);
    QCOMPARE(leggiFile(store), "[Accesso]\r\nValore=" + ghiandolaverdeCodificata.toLatin1() + "\r\n");

    const QByteArray cambiata("[Accesso]\r\nValore=6534\r\n");
    scriviFile(store, cambiata);
    QCOMPARE(QProcess::execute(QStringLiteral(GEODARIO_STRUMENTO_PASSWORD), {cartellaNuova}), 0);
    QCOMPARE(leggiFile(store), cambiata);
}

QTEST_MAIN(TestAccess)
#include "test_access.moc"
