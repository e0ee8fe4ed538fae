// The fast paths of the lists against the plain rules they stand for: the filter match on stored bytes
// against the decoded, lowered field; the order of the lines against a comparison of the lines folded
// to capitals; the find step against a search in the lowered line. Inputs are drawn from small
// alphabets of the characters where the rules are easy to get wrong, so that every kind of case occurs.
#include "Record.h"
#include "TestSupport.h"

#include "search/Elenco.h"
#include "storage/Archivio.h"
#include "storage/Testo.h"

#include <algorithm>
#include <random>

using namespace Fixture;

namespace {

// Characters where folding, decoding or ordering are easy to get wrong: blanks and controls, the
// letters on both sides of the folding, '_' between them, letters above Z, the Windows-1252 characters
// from 0x80 to 0x9F, an unassigned byte's C1 control, a character no byte reads as, and units above 0xFF.
const QString alfabeto =
    QString::fromUtf8("aAzZbB _@[`{0 \t\xc3\xa0\xc3\x80\xc3\xbf\xe2\x82\xac\xc5\x92\xc5\x93") + QChar(0x81) +
    QChar(0x80) + QChar(0x100) + QChar(0xFFFF) + QChar(0);

QString casuale(std::mt19937& caso, int massimo, const QString& lettere) {
    const int n = int(caso() % unsigned(massimo + 1));
    QString s;
    for (int i = 0; i < n; ++i)
        s += lettere.at(int(caso() % unsigned(lettere.size())));
    return s;
}

bool contienePiano(const QString& testo, const QString& termine) {
    return !termine.isEmpty() && Testo::minuscoleAZ(testo).contains(termine);
}

} // namespace

class TestSearchConfronto : public TestGeodario {
    Q_OBJECT
private slots:
    void filtroSuiByte_data();
    void filtroSuiByte();
    void ordineComeLeMaiuscole_data();
    void ordineComeLeMaiuscole();
    void trovaComeLaRicercaPiana();
    void schedeConRigaComeLeRighe();
};

void TestSearchConfronto::filtroSuiByte_data() {
    QTest::addColumn<QString>("filtro");
    QTest::newRow("capitals and small letters") << QStringLiteral("aZ");
    QTest::newRow("euro, read from byte 0x80") << QStringLiteral("€");
    QTest::newRow("Œ and œ: not folded") << QStringLiteral("œ");
    QTest::newRow("à after a blank") << QStringLiteral(" à");
    QTest::newRow("C1 control of an unassigned byte") << QString(QChar(0x81));
    QTest::newRow("U+0080: no byte reads as it") << QStringLiteral("a") + QChar(0x80);
    QTest::newRow("a character outside Windows-1252") << QStringLiteral("a\u0101");
    QTest::newRow("a character beyond the BMP") << QString::fromUtf8("\xf0\x9f\x92\x8e");
    QTest::newRow("a control character inside") << QStringLiteral("a\tb");
    QTest::newRow("NUL inside") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    QTest::newRow("controls only: not filled") << QStringLiteral("\t") + QChar(0);
}

void TestSearchConfronto::filtroSuiByte() {
    QFETCH(QString, filtro);
    const TRicerca ricerca({{Campo::Titolo, filtro}});
    const QString termine = Testo::minuscoleAZ(filtro);
    std::mt19937 caso(7);
    // Fields of every byte value, a short filter's bytes planted in some of them.
    const QByteArray piantato = Testo::aCp1252(filtro);
    int trovati = 0;
    for (int i = 0; i < 3000; ++i) {
        QByteArray campo;
        const int n = int(caso() % 40);
        for (int j = 0; j < n; ++j)
            campo += char(caso() % 256);
        if (i % 3 == 0)
            campo.insert(int(caso() % unsigned(campo.size() + 1)), i % 2 ? piantato : piantato.toUpper());
        campo = campo.left(120);
        const TScheda r = [&] {
            TScheda s;
            const QByteArray b = record({{Titolo, campo}});
            std::copy(b.begin(), b.end(), s.byte.begin());
            return s;
        }();
        const bool atteso =
            Testo::taglia(filtro).isEmpty() || contienePiano(r.testoGrezzo(Campo::Titolo), termine);
        trovati += atteso;
        QVERIFY2(ricerca.corrisponde(r) == atteso, campo.toHex().constData());
    }
    // The table's texts that some byte reads as are found in the planted fields.
    if (Testo::aCp1252(filtro) == piantato && Testo::daCp1252(piantato) == filtro)
        QVERIFY(trovati > 0);
}

void TestSearchConfronto::ordineComeLeMaiuscole_data() {
    QTest::addColumn<int>("seme");
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<int>("prefissi");
    QTest::newRow("short lines of the whole alphabet") << 1 << 6 << 0;
    QTest::newRow("long lines sharing long beginnings") << 2 << 60 << 40;
    QTest::newRow("lines that are prefixes of each other") << 3 << 12 << 8;
    QTest::newRow("many equal lines") << 4 << 2 << 30;
}

void TestSearchConfronto::ordineComeLeMaiuscole() {
    QFETCH(int, seme);
    QFETCH(int, lunghezza);
    QFETCH(int, prefissi);
    std::mt19937 caso{unsigned(seme)};
    // Beginnings shared by many lines, as a list line's padded name and group are.
    QStringList inizi{QString()};
    for (int i = 0; i < 5 && prefissi > 0; ++i)
        inizi << QStringLiteral("Quarzo") + QString(prefissi, u' ') + casuale(caso, 3, alfabeto);
    QStringList righe;
    for (int i = 0; i < 2000; ++i)
        righe << inizi.at(int(caso() % unsigned(inizi.size()))) + casuale(caso, lunghezza, alfabeto);
    QStringList attese = righe;
    std::stable_sort(attese.begin(), attese.end(), [](const QString& a, const QString& b) {
        return Testo::maiuscoleAZ(a) < Testo::maiuscoleAZ(b);
    });
    ordinaElenco(righe);
    // Compared line by line with their positions, so that lines equal but for case are told apart.
    for (qsizetype i = 0; i < righe.size(); ++i)
        QVERIFY2(righe.at(i) == attese.at(i), qPrintable(QStringLiteral("line %1").arg(i)));
}

void TestSearchConfronto::trovaComeLaRicercaPiana() {
    std::mt19937 caso(11);
    const QString lettere = QStringLiteral("abAB à€") + QChar(0x100);
    // Lengths across the eight-character steps of the fast scan.
    for (int i = 0; i < 20000; ++i) {
        const QString testo = casuale(caso, 40, lettere);
        const QString termine = Testo::minuscoleAZ(casuale(caso, 4, lettere));
        QVERIFY2(contieneAZ(testo, termine) == contienePiano(testo, termine),
                 qPrintable(testo + QStringLiteral(" / ") + termine));
    }
    // A term with a capital is never in a folded text.
    QVERIFY(!contieneAZ(QStringLiteral("aaaaaaaaaaaaaaaaaaaa"), QStringLiteral("aA")));
}

void TestSearchConfronto::schedeConRigaComeLeRighe() {
    // Names where the line's start is easy to get wrong: none, blanks only, cut at 40, accented, and
    // two cards whose lines are equal.
    const QList<QByteArray> schede{card("", "Ossidi"),
                                   card("   ", "Ossidi"),
                                   card(QByteArray(45, 'q'), "Ossidi"),
                                   card(QByteArray(40, 'q') + "zz", "Ossidi"),
                                   card("Ematite \x80", "Ossidi"),
                                   card("Ematite \x80", "Ossidi"),
                                   card("ematite \x80", "Ossidi"),
                                   card("Ematite", "Ossidi", "Elba", "1990", "")};
    const QString percorso = this->percorso(QStringLiteral("Righe.ima"));
    QVERIFY(scrivi(percorso, schede));
    QStringList righe;
    for (const QByteArray& b : schede) {
        TScheda s;
        std::copy(b.begin(), b.end(), s.byte.begin());
        righe << Testo::taglia(subRigaElenco(s));
    }
    for (qsizetype i = 0; i < righe.size(); ++i) {
        QList<qint64> attese, trovate;
        for (qsizetype j = 0; j < righe.size(); ++j)
            if (righe.at(j) == righe.at(i))
                attese << j + 1;
        TArchivio archivio;
        archivio.ApriOCrea(percorso);
        schedeConRiga(archivio, righe.at(i), [&](const TScheda&, qint64 n) { trovate << n; });
        QCOMPARE(trovate, attese);
    }
}

QTEST_MAIN(TestSearchConfronto)
#include "test_search_confronto.moc"
