#pragma once

#include "CartellaProgramma.h"
#include "Foto.h"

#include <QString>

// What the photo operations need from the record editor: its catalogue name, card number and slots.
class IFotoScheda {
public:
    virtual ~IFotoScheda() = default;
    virtual QString nomeCatalogo() const = 0;    // lblNome
    virtual QString posizioneScheda() const = 0; // lblPosizione
    virtual Foto foto(SlotFoto slot) const = 0;
    virtual void impostaFoto(SlotFoto slot, const Foto& foto) = 0;
    virtual void mostraSegnaposto() = 0; // both slots back to their placeholder pictures
};

// Loads both photos of the card; on any failure both slots show their placeholders. False on failure.
// riquadro: the size of the slots, so that each photo is decoded once, at the size they show it.
bool CaricaFotoScheda(IFotoScheda& editor, QSize riquadro = {});
// Writes both photos of the card (A first); on any failure both slots show their placeholders.
bool SalvaFotoScheda(IFotoScheda& editor);
