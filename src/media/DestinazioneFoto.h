#pragma once

#include "storage/CartellaProgramma.h"
#include "storage/Foto.h"

// What the webcam window needs of the record editor: a photo slot to put the captured picture into.
// The picture is only shown there; the card's photo file is written when the card is saved.
class IDestinazioneFoto {
public:
    virtual ~IDestinazioneFoto() = default;
    virtual void impostaFoto(SlotFoto slot, const Foto& foto) = 0;
};
