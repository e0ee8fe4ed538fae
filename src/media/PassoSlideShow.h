#pragma once

#include <QString>

// One advance of the slide show over the archive, apart from the window. Opens the archive (creating an
// empty one where none exists), reads at most one record and closes it again. Archive failures throw
// EArchivio.
struct TPassoSlideShow {
    enum class Esito {
        ArchivioVuoto, // no card at all: the show ends
        Scheda,        // a card was read: show photo A of card `posizione`
        FineGiro,      // the last card was shown at the previous step: nothing new this time
    };
    Esito esito = Esito::FineGiro;
    QString posizione; // the new text of lblPosizione

    // posizione: the trimmed text of lblPosizione (empty before the first step).
    static TPassoSlideShow avanza(const QString& archivio, const QString& posizione);
};
