#pragma once

#include "storage/Scheda.h"

#include <QList>
#include <QString>

#include <memory>

namespace Report {
class TReport;
}

// The A4 specimen sheet "Scheda Minerale": archive name, the mineral's name in a title band, the first
// photo and the labelled boxes of the card's fields.
namespace SchedaMinerale {

struct Blocco {
    qreal alto, sinistra, larghezza; // millimetres from the printable area's corner
    const char* didascalia;          // fixed caption text
    const char* nomeDidascalia;      // its text box
    Campo campo;                     // the value box is named after the editor's field: "txt" + name
};
const QList<Blocco>& blocchi();
QString nomeCasella(Campo c); // "txtTipologia" ...

// The template, made afresh for each window, so nothing set for one card carries over.
std::unique_ptr<Report::TReport> crea();

} // namespace SchedaMinerale
