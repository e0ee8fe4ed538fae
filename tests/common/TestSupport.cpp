#include "TestSupport.h"

#include "storage/CartellaProgramma.h"
#include "storage/Formato.h"
#include "ui/DialoghiFile.h"
#include "ui/OpenURL.h"
#include "ui/Stampa.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

TestGeodario::TestGeodario() {
    Formato::fissa();
    Messaggi::Test::attiva();
    DialoghiFile::Test::attiva();
    TMisc::modoTest(true);
    Stampa::Test::attiva(); // no test ever waits on a real print dialog
}

QString TestGeodario::cartella() const {
    return CartellaProgramma();
}

void TestGeodario::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    ImpostaCartellaProgramma(dir->path());
    Messaggi::Test::azzera();
    DialoghiFile::Test::azzera();
    TMisc::aperti();
    Stampa::Test::azzera();
}

void TestGeodario::cleanup() {
    const auto rimasti = Messaggi::Test::prendi();
    const int risposte = Messaggi::Test::risposteNonUsate();
    const int percorsi = DialoghiFile::Test::percorsiNonUsati();
    Messaggi::Test::azzera();
    DialoghiFile::Test::azzera();
    if (dir) {
        // Permission tests may leave read-only files and folders behind.
        const auto rwx = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(dir->path(), rwx);
        QDirIterator it(dir->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), rwx);
        dir.reset();
    }
    for (const auto& m : rimasti)
        qWarning("message box not checked by the test: %s", qPrintable(m.testo));
    QVERIFY2(rimasti.isEmpty(), "a message box appeared that the test did not check");
    QVERIFY2(risposte == 0, "scripted message-box answers were not used");
    QVERIFY2(percorsi == 0, "scripted file-dialog paths were not used");
}

QByteArray TestGeodario::leggiFile(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestGeodario::scriviFile(const QString& percorso, const QByteArray& dati) {
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(dati), dati.size());
}

void digita(QWidget* w, const QString& testo) {
    for (QChar c : testo) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
