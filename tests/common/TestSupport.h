#pragma once

#include "ui/Messaggi.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Base of every test class: a fresh program folder per test function, message boxes, file dialogs and
// the desktop in test mode, and a failure when a test leaves a message box or a scripted answer unchecked.
class TestGeodario : public QObject {
    Q_OBJECT
public:
    TestGeodario();

protected:
    QString cartella() const; // the program folder of the running test, with its trailing separator
    QString percorso(const QString& nome) const { return cartella() + nome; }
    // The boxes shown since the last call; the test must take every box it causes.
    static QList<Messaggi::Mostrato> messaggi() { return Messaggi::Test::prendi(); }

    static QByteArray leggiFile(const QString& percorso);
    static void scriviFile(const QString& percorso, const QByteArray& dati);

protected slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

// Types text that may hold non-ASCII characters (QTest::keyClicks aborts on them).
void digita(QWidget* w, const QString& testo);
