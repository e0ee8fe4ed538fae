#pragma once

#include "search/FinestraElenco.h"

class IEditorElenco;
class TRettangolo;

// For-sale list: every card of the open catalogue whose specimen is offered for sale, built when the
// window is shown; a card is opened in the editor from its line.
class TfrmInVendita : public TFinestraElenco {
    Q_OBJECT
public:
    TfrmInVendita(QWidget* proprietario, IEditorElenco* editor);
    // Opened by the editor window itself.
    template <class Editor> explicit TfrmInVendita(Editor* e) : TfrmInVendita(e, e) {}
    TRettangolo* panContainer;

protected:
    void FormShow() override;
    QString titoloStampa() const override;
};
