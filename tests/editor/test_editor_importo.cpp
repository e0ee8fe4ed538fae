#include "editor/Importo.h"
#include "storage/Formato.h"

#include <QTest>

class TestImporto : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Formato::fissa(); }
    void normalizza_data();
    void normalizza();
};

void TestImporto::normalizza_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("atteso");
    const char* casi[][2] = {
        {"12", "12,00"},
        {"12,5", "12,50"},
        {"12,345", "12,35"},
        {"12,344", "12,34"},
        {"0012,10", "12,10"},
        {"", "0,00"},
        {"   ", "0,00"},
        {"007", "7,00"},
        {",5", "0,50"},
        {"5,", "5,00"},
        {",", "0,00"},
        {"1,2,3", "0,00"},
        {"0,004", "0,00"},
        {"0,005", "0,01"},
        {"0,125", "0,13"},
        {"0,285", "0,28"},
        {"1,005", "1,00"},
        {"2,675", "2,67"},
        {" 12 ", "12,00"},
        {"1E2", "100,00"},
        {"1,5e1", "15,00"},
        {"1.5", "0,00"},
        {"abc", "0,00"},
        {"1.000,00", "0,00"},
        {"123456789012", "123456789012,00"},
        {"+3", "3,00"},
        {"E5", "0,00"},
        // Negative amounts (only pasted) round symmetrically, half away from zero.
        {"-2,675", "-2,67"},
        {"-0,125", "-0,13"},
        {"-12,345", "-12,35"},
        {"-,5", "-0,50"},
    };
    for (const auto& c : casi)
        QTest::newRow(*c[0] ? c[0] : "(empty)") << QString::fromUtf8(c[0]) << QString::fromUtf8(c[1]);
}

void TestImporto::normalizza() {
    QFETCH(QString, testo);
    QFETCH(QString, atteso);
    QCOMPARE(NormalizzaImporto(testo), atteso);
}

QTEST_GUILESS_MAIN(TestImporto)
#include "test_editor_importo.moc"
