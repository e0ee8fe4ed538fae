#include "TestSupport.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"

#include <QDir>

// A password change touches the one "Valore" line of [Accesso] and no other byte of the store, whatever
// else the file holds; stores that no one should have written never crash the reading.
class TestAccessArchivio : public TestGeodario {
    Q_OBJECT
private slots:
    void cambioTocca1Riga_data();
    void cambioTocca1Riga();
    void archivioGuasto_data();
    void archivioGuasto();
};

namespace {
// "Nuova Pietra" in normal form, scrambled (worked out by hand from the routine).
const QByteArray nuova = "6A63B3C7F3337193978DED15";
} // namespace

void TestAccessArchivio::cambioTocca1Riga_data() {
    QTest::addColumn<QByteArray>("prima");
    QTest::addColumn<QByteArray>("dopo");
    QTest::newRow("duplicate keys elsewhere")
        << QByteArray("[Altro]\r\nk=1\r\nk=2\r\n[Accesso]\r\nValore=00\r\n[Altro]\r\nk=3\r\n")
        << "[Altro]\r\nk=1\r\nk=2\r\n[Accesso]\r\nValore=" + nuova + "\r\n[Altro]\r\nk=3\r\n";
    QTest::newRow("lines without =")
        << QByteArray("testo libero\r\n[Accesso]\r\nriga senza uguale\r\nValore=00\r\nancora\r\n")
        << "testo libero\r\n[Accesso]\r\nriga senza uguale\r\nValore=" + nuova + "\r\nancora\r\n";
    QTest::newRow("blanks and empty lines")
        << QByteArray("  [Prima]  \r\n a  =  b \r\n\r\n\r\n[Accesso]\r\n  Valore  =  00  \r\n\r\n")
        << "  [Prima]  \r\n a  =  b \r\n\r\n\r\n[Accesso]\r\n  Valore=" + nuova + "\r\n\r\n";
    const QByteArray nul(1, '\0');
    QTest::newRow("bytes after a NUL")
        << "[Altro]\r\nx=1" + nul + "dopo il nulla\r\n[Accesso]\r\nValore=00\r\n" + nul + "coda\xff"
        << "[Altro]\r\nx=1" + nul + "dopo il nulla\r\n[Accesso]\r\nValore=" + nuova + "\r\n" + nul +
               "coda\xff";
    QTest::newRow("LF line ends kept")
        << QByteArray("[Accesso]\nValore=00\nAltro=1\n") << "[Accesso]\nValore=" + nuova + "\nAltro=1\n";
    QTest::newRow("second Valore kept") << QByteArray("[Accesso]\r\nValore=00\r\nValore=11\r\n")
                                        << "[Accesso]\r\nValore=" + nuova + "\r\nValore=11\r\n";
    QTest::newRow("key in a repeated section")
        << QByteArray("[Accesso]\r\nA=1\r\n[Altro]\r\nB=2\r\n[accesso]\r\nvalore = 00\r\n")
        << "[Accesso]\r\nA=1\r\n[Altro]\r\nB=2\r\n[accesso]\r\nvalore=" + nuova + "\r\n";
    QTest::newRow("commented key is no key")
        << QByteArray(";Valore=00\r\n[Accesso]\r\n;Valore=00\r\nAltro=1\r\n")
        << ";Valore=00\r\n[Accesso]\r\nValore=" + nuova + "\r\n;Valore=00\r\nAltro=1\r\n";
    QTest::newRow("section without the key")
        << QByteArray("[Accesso]\r\nAltro=1\r\n") << "[Accesso]\r\nValore=" + nuova + "\r\nAltro=1\r\n";
    QTest::newRow("section on the last line")
        << QByteArray("x=1\r\n[Accesso]") << "x=1\r\n[Accesso]\r\nValore=" + nuova + "\r\n";
    QTest::newRow("no section, no last line end")
        << QByteArray("[Altro]\r\nx=1") << "[Altro]\r\nx=1\r\n[Accesso]\r\nValore=" + nuova + "\r\n";
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF[Accesso]\r\nValore=00\r\n")
                                << "\xEF\xBB\xBF[Accesso]\r\nValore=" + nuova + "\r\n";
    QTest::newRow("value on the last line")
        << QByteArray("[Accesso]\r\nValore=00") << "[Accesso]\r\nValore=" + nuova;
}

void TestAccessArchivio::cambioTocca1Riga() {
    QFETCH(QByteArray, prima);
    QFETCH(QByteArray, dopo);
    scriviFile(PercorsoArchivioPassword(), prima);
    QVERIFY(ScriviPassword(QStringLiteral("Nuova Pietra")));
    QCOMPARE(leggiFile(PercorsoArchivioPassword()), dopo);
    QCOMPARE(LeggiPassword(), std::optional<QString>(QStringLiteral("NUOVA PIETRA")));
    QCOMPARE(QDir(cartella()).entryList(QDir::Files | QDir::Hidden), QStringList{"unins000.dll"});
}

void TestAccessArchivio::archivioGuasto_data() {
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<bool>("leggibile"); // else the reading error
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("scrivibile"); // a change is refused only where the file cannot be read
    QByteArray casuale(4096, '\0');
    quint32 x = 12345;
    for (char& c : casuale)
        c = char((x = x * 1103515245u + 12345u) >> 24);
    QString lunga = *Decodifica(QString(200000, u'0'));
    while (!lunga.isEmpty() && lunga.back().unicode() <= 0x20)
        lunga.chop(1);
    while (!lunga.isEmpty() && lunga.front().unicode() <= 0x20)
        lunga.remove(0, 1);
    QTest::newRow("random bytes") << casuale << true << "" << true;
    QTest::newRow("binary value") << QByteArray("[Accesso]\r\nValore=\x01\x02\xff\x00z", 24) << false << ""
                                  << true;
    QTest::newRow("huge hexadecimal value") << "[Accesso]\r\nValore=" + QByteArray(200000, '0') + "\r\n"
                                            << true << lunga << true;
    QTest::newRow("larger than any store")
        << "[Accesso]\r\nValore=" + QByteArray(DimensioneMassimaArchivioPassword, '0') << false << ""
        << false;
    QTest::newRow("unclosed section") << QByteArray("[Accesso\r\nValore=6534\r\n") << true << "" << true;
    QTest::newRow("only brackets") << QByteArray("[]\r\n[\r\n]\r\n=\r\n==\r\n") << true << "" << true;
}

void TestAccessArchivio::archivioGuasto() {
    QFETCH(QByteArray, contenuto);
    QFETCH(bool, leggibile);
    QFETCH(QString, password);
    QFETCH(bool, scrivibile);
    scriviFile(PercorsoArchivioPassword(), contenuto);
    const std::optional<QString> letta = LeggiPassword();
    QCOMPARE(letta.has_value(), leggibile);
    if (leggibile)
        QCOMPARE(*letta, password);
    // A change over an unreadable store would throw its content away: it is refused.
    QCOMPARE(ScriviPassword(QStringLiteral("a")), scrivibile);
    if (scrivibile)
        QCOMPARE(LeggiPassword(), std::optional<QString>(QStringLiteral("A")));
    else
        QCOMPARE(leggiFile(PercorsoArchivioPassword()), contenuto);
}

QTEST_MAIN(TestAccessArchivio)
#include "test_access_archivio.moc"
