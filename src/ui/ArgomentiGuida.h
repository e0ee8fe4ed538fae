#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help topics: fixed Italian texts shared by the help window and the generated help document.
enum class Argomento {
    UnoSguardo,        // the start window: the whole overview
    CreazioneApertura, // the creation and opening windows: a part of the overview
    GestioneArchivio,  // the record editor: another part of the overview
    Esportazione,      // the export window
};

namespace ArgomentiGuida {

QList<Argomento> tutti(); // in the order of the help document
QString titolo(Argomento a);
QStringList paragrafi(Argomento a);
// The paragraphs joined by one empty line ("\r\n\r\n"), as the help window shows them.
QString testo(Argomento a);

} // namespace ArgomentiGuida
