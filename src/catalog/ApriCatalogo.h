#pragma once

#include "ui/FinestraCatena.h"

class QLabel;
class QListWidget;
class QSvgWidget;
class TPulsanteImmagine;
class TRettangolo;

// Lists, opens and deletes the catalogues of the program folder. When it closes, lblMemory tells the
// chain where to go: "cartoline" to the record editor, "avvio" back to the start window.
class TfrmApriCatalogo : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmApriCatalogo();
    // The list entry chosen for opening (file name with ".ima").
    QString voceScelta() const { return scelta; }

    QListWidget* lstFiles;
    QLabel* lblCreati;
    TPulsanteImmagine* btnApri;
    TPulsanteImmagine* btnAnnulla;
    TPulsanteImmagine* btnElimina;
    TPulsanteImmagine* imgGuida;
    QLabel* lblMemory; // "avvio" or "cartoline": where the chain goes when this window closes
    QLabel* lblFile;   // full path of the entry being opened or deleted
    QSvgWidget* icoIstruzioni;
    QSvgWidget* icoIcona04;
    QSvgWidget* icoMano;
    TRettangolo* shpTop;
    TRettangolo* shpElenco;
    TRettangolo* shpBottom;

protected:
    void FormShow() override;

private:
    void btnApriClick();
    void btnEliminaClick();
    void imgGuidaClick();
    void subElenca();
    QString voceSelezionata() const; // empty when nothing is selected

    QString scelta;
};
