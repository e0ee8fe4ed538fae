#pragma once

#include "storage/Scheda.h"

#include <QImage>
#include <QString>

// What the specimen sheet needs from the record editor: the card as it stands in the window, saved or
// not. The sheet reads nothing from the archive.
class ISchedaInStampa {
public:
    virtual ~ISchedaInStampa() = default;
    virtual QString testoCampo(Campo c) const = 0; // the text of the field's edit, as typed (Titolo .. Note)
    virtual QString nomeArchivio() const = 0;      // lblNome
    virtual QImage fotoMostrata() const = 0;       // the picture the first photo box shows, maybe none
};
