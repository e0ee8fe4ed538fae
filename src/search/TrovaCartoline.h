#pragma once

#include "search/FinestraElenco.h"
#include "ui/Stile.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class IEditorElenco;
class TRettangolo;

// Search window: up to ten partial-text filters over the open catalogue, then the sorted list of the
// matching cards, from which a card is opened in the editor.
class TfrmTrovaCartoline : public TFinestraElenco {
    Q_OBJECT
public:
    TfrmTrovaCartoline(QWidget* proprietario, IEditorElenco* editor);
    // Opened by the editor window itself.
    template <class Editor> explicit TfrmTrovaCartoline(Editor* e) : TfrmTrovaCartoline(e, e) {}

    QLabel* lblMemory; // "cartoline" when a chosen card is to be shown in the editor
    QLabel* lblConta;  // number of filled filters of the last search

    TRettangolo* panAvvio;
    TRettangolo* panContainer;
    QLineEdit* txtTitolo;
    QLineEdit* txtTipologia;
    QLineEdit* txtEditore;
    QLineEdit* txtSerie;
    QLineEdit* txtDescrizione;
    QLineEdit* txtAnno;
    QLineEdit* txtMittente;
    QLineEdit* txtDestinatario;
    QLineEdit* txtCarta;
    QLineEdit* txtNote;
    QLabel* lblAttendere;
    QLabel* lblTrovate;
    QPushButton* btnAnnulla;
    QPushButton* btnCerca;

protected:
    void FormShow() override;
    bool consegnaAllEditor() const override;
    QString titoloStampa() const override;
    void chiudi() override;

private:
    void btnCercaMouseDown();
    void btnCercaClick();
    void btnAnnullaClick();
    std::array<QLineEdit*, Stile::NumeroFiltri>
        filtri; // in tab order, which is also the order Enter moves through
};
