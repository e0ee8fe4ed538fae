#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TPulsanteImmagine;
class TRettangolo;

// The documents of a card as the editor holds them: three slots of file name and description.
struct AllegatoScheda {
    QString file;
    QString descrizione;
};
using AllegatiScheda = std::array<AllegatoScheda, 3>;

// What the attachment window writes back into the card being edited.
class IAllegatiScheda {
public:
    virtual void impostaAllegati(const AllegatiScheda& a) = 0;

protected:
    ~IAllegatiScheda() = default;
};

// Edits the three attachment slots of the card in the editor. Documents are copied into the attachments
// folder as soon as they are chosen; names and descriptions go back to the card only on confirmation.
class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    TfrmAllegaCartella(QWidget* proprietario, IAllegatiScheda* scheda);

    // Hand-over from the editor: the card's slots, trimmed.
    void subMostraAllegati(const AllegatiScheda& a);

    QLabel* lblMemory;
    QLineEdit *txtFile01, *txtFile02, *txtFile03;
    QLineEdit *txtDesc01, *txtDesc02, *txtDesc03;
    TPulsanteImmagine *imgCancella01, *imgCancella02, *imgCancella03;
    QPushButton *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    QPushButton *btnApri01, *btnApri02, *btnApri03;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;

    void txtFileChange(int slot);
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    void btnAnnullaClick() { close(); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void creaSlot(QWidget* p, int slot, int y);

    IAllegatiScheda* scheda;
    std::array<QLineEdit*, 3> file{};
    std::array<QLineEdit*, 3> descrizione{};
    std::array<QPushButton*, 3> apri{};
    std::array<QPushButton*, 3> sfoglia{};
    std::array<TPulsanteImmagine*, 3> cancella{};
    bool centrata = false;
};
