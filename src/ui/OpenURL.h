#pragma once

#include <QStringList>
#include <QUrl>

// Hands a document path, a web address or a "mailto:" address to the desktop; the result is ignored.
class TMisc {
public:
    TMisc() = delete;
    static void Open(const QString& sCommand);
    // What the desktop receives: surrounding quotes removed, addresses as URLs, anything else a file.
    static QUrl destinazione(const QString& sCommand);

    // Test mode: the texts are recorded instead of opened.
    static void modoTest(bool attivo);
    static QStringList aperti(); // recorded texts, emptied
};
