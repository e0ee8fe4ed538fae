#include "TestSupport.h"

#include "ui/ArgomentiGuida.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

// The help document the build writes into the program folder, read back as text.
class TestUiGuidaPdf : public TestGeodario {
    Q_OBJECT
private slots:
    void documento();
};

void TestUiGuidaPdf::documento() {
    const QString pdf = QStringLiteral(GEODARIO_GUIDA_PDF);
    QVERIFY2(QFileInfo(pdf).isFile(), qPrintable(pdf));
    QCOMPARE(leggiFile(pdf).left(5), QByteArray("%PDF-"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    // Line breaks, page numbers and ligatures are layout, not text.
    QStringList righe = QString::fromUtf8(p.readAllStandardOutput())
                            .normalized(QString::NormalizationForm_KC)
                            .split(QRegularExpression(QStringLiteral("[\\n\\f]")));
    righe.removeIf([](const QString& r) {
        return QRegularExpression(QStringLiteral("^\\s*\\d*\\s*$")).match(r).hasMatch();
    });
    const QString testo =
        righe.join(u' ').replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));

    QVERIFY(testo.contains(QStringLiteral("Guida all'utilizzo del software")));
    int dopo = 0;
    for (Argomento a : ArgomentiGuida::tutti()) {
        const QString titolo = ArgomentiGuida::titolo(a);
        const int dove = testo.indexOf(titolo, dopo);
        QVERIFY2(dove >= 0, qPrintable(titolo)); // every topic, in the order of the help window's list
        dopo = dove + titolo.size();
        for (const QString& paragrafo : ArgomentiGuida::paragrafi(a)) {
            const QString normale = paragrafo.normalized(QString::NormalizationForm_KC);
            const int qui = testo.indexOf(normale, dopo);
            QVERIFY2(qui >= 0, qPrintable(paragrafo));
            dopo = qui + normale.size();
        }
    }
}

QTEST_MAIN(TestUiGuidaPdf)
#include "test_ui_guida_pdf.moc"
