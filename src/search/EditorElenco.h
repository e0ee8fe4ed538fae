#pragma once

#include <QString>

class TScheda;

// What the search window and the for-sale list need of the record editor that opens them: the archive
// it has open, and showing a chosen card. The editor implements it; the lists never include the editor.
class IEditorElenco {
public:
    virtual QString archivioAperto() const = 0; // trimmed full path of the open archive
    virtual QString nomeCatalogo() const = 0;   // the open catalogue's name, for the specimen labels
    // Puts record r into the editor as card number n (1-based).
    virtual void subMostraScheda(const TScheda& r, qint64 n) = 0;

protected:
    ~IEditorElenco() = default;
};
