#pragma once

#include "ui/FinestraCatena.h"

class QLabel;
class QPushButton;

// Lists, opens and deletes the catalogues of the program folder.
class TfrmApriCatalogo : public TFinestraCatena {
    Q_OBJECT
public:
    TfrmApriCatalogo();
    // The list entry chosen for opening (file name with ".ima").
    QString voceScelta() const { return scelta; }

    QLabel* lblMemory; // "avvio" or "cartoline": where the chain goes when this window closes
    QLabel* lblFile;   // full path of the chosen archive
    QPushButton* cmdAnnulla;

protected:
    void FormShow() override;

private:
    QString scelta;
};
