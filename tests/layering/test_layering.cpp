#include "Livelli.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Lines of a file written at configure time; absolute source paths made relative to src/.
QSet<QString> righe(const char* file, const QString& radice) {
    QSet<QString> r;
    QFile f(QString::fromUtf8(file));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return r;
    while (!f.atEnd()) {
        const QString l = QString::fromUtf8(f.readLine()).trimmed();
        if (!l.isEmpty())
            r.insert(QDir::isAbsolutePath(l) ? QDir(radice).relativeFilePath(l) : l);
    }
    return r;
}

QSet<QString> headerWidget() {
    QSet<QString> nomi;
    QFile f(QStringLiteral(GEODARIO_CARTELLE_WIDGET));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return nomi;
    while (!f.atEnd()) {
        const QString cartella = QString::fromUtf8(f.readLine()).trimmed();
        const QString modulo = QDir(cartella).dirName();
        for (const QString& h : QDir(cartella).entryList(QDir::Files)) {
            nomi.insert(h);
            nomi.insert(modulo + u'/' + h);
        }
    }
    return nomi;
}

void scrivi(const QString& percorso, const QByteArray& testo) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(testo);
}

} // namespace

class TestLayering : public QObject {
    Q_OBJECT
private slots:
    void sorgenti();
    void regole_data();
    void regole();
};

// The real tree: any include against the directions fails here, with file and line.
void TestLayering::sorgenti() {
    const QString radice = qEnvironmentVariable("GEODARIO_SOURCE_DIR") + QStringLiteral("/src");
    Livelli::Regole r{righe(GEODARIO_FONTI_CORE, radice), righe(GEODARIO_FONTI_GUI, radice), headerWidget()};
    QVERIFY(!r.fileCore.isEmpty());
    QVERIFY(r.headerWidget.contains(QStringLiteral("QLabel")));
    const QStringList trovate = Livelli::violazioni(radice, r);
    QVERIFY2(trovate.isEmpty(), qPrintable(trovate.join(u'\n')));
}

// The checker itself, on a small tree with one include in the file under test.
void TestLayering::regole_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("include");
    QTest::addColumn<QString>("attesa"); // empty: allowed
    QTest::newRow("down a floor") << "editor/A.cpp" << QByteArray("#include \"search/B.h\"") << "";
    QTest::newRow("same folder, short name") << "search/A.cpp" << QByteArray("#include \"B.h\"") << "";
    QTest::newRow("library header") << "search/A.cpp" << QByteArray("#include <QString>") << "";
    QTest::newRow("up a floor") << "search/A.cpp" << QByteArray("  #  include \"editor/C.h\"")
                                << "search/A.cpp:2: search includes \"editor/C.h\" of editor, a floor above";
    QTest::newRow("same floor")
        << "output/A.cpp" << QByteArray("#include \"search/B.h\"")
        << "output/A.cpp:2: output includes \"search/B.h\" of search, a folder on the same floor";
    QTest::newRow("storage up to ui") << "storage/A.cpp" << QByteArray("#include \"ui/D.h\"")
                                      << "storage/A.cpp:2: storage includes \"ui/D.h\" of ui, a floor above";
    QTest::newRow("widget in core") << "search/Core.cpp" << QByteArray("#include <QLabel>")
                                    << "search/Core.cpp:2: widget header <QLabel> in a core file";
    QTest::newRow("gui header in core") << "search/Core.cpp" << QByteArray("#include \"ui/D.h\"")
                                        << "search/Core.cpp:2: core file includes the GUI header \"ui/D.h\"";
}

void TestLayering::regole() {
    QFETCH(QString, file);
    QFETCH(QByteArray, include);
    QFETCH(QString, attesa);
    QTemporaryDir dir;
    for (const char* h : {"search/B.h", "editor/C.h", "ui/D.h"})
        scrivi(dir.filePath(QString::fromLatin1(h)), "#pragma once\n");
    scrivi(dir.filePath(file), "// under test\n" + include + "\n");
    const Livelli::Regole r{
        {QStringLiteral("search/Core.cpp")}, {QStringLiteral("ui/D.h")}, {QStringLiteral("QLabel")}};
    QCOMPARE(Livelli::violazioni(dir.path(), r), attesa.isEmpty() ? QStringList{} : QStringList{attesa});
}

QTEST_GUILESS_MAIN(TestLayering)
#include "test_layering.moc"
