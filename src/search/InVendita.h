#pragma once

#include "search/FinestraElenco.h"

class TfrmCartoline;
class TRettangolo;

// For-sale list: every card of the open catalogue whose specimen is offered for sale, built when the
// window is shown; a card is opened in the editor from its line.
class TfrmInVendita : public TFinestraElenco {
    Q_OBJECT
public:
    explicit TfrmInVendita(TfrmCartoline* editor);
    TRettangolo* panContainer;

protected:
    void FormShow() override;
};
