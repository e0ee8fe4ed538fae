#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class IEditorElenco;
class TModelloElenco;
class TRettangolo;
class TSfondo;

// What the search window's results panel and the for-sale list share: the list of card lines, the find
// step, the double-click that opens a card in the editor, and closing.
class TFinestraElenco : public QDialog {
    Q_OBJECT
public:
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QListView* lstRecords;
    QPushButton* btnChiudi;
    QPushButton* btnStampa;
    QPushButton* btnEtichette; // specimen labels with the card numbers of the listed cards
    QLabel* lblRigo03;
    TModelloElenco* modello() const { return elenco; }

protected:
    TFinestraElenco(QWidget* proprietario, IEditorElenco* editor, const QString& nome, const QString& titolo);

    // The results panel's controls, laid out on pannello.
    void costruisciElenco(QWidget* pannello);
    // The trimmed archive path handed over by the editor.
    QString percorsoArchivio() const;
    // Puts the lines into the list, sorted, with the item look of the result lists.
    void mostraRighe(QStringList righe);
    void svuotaRicerca(); // last find term and find field emptied

    void btnTrovaClick();
    void lstRecordsDblClick();
    void btnStampaClick();
    void btnEtichetteClick();
    // Title of the printed list.
    virtual QString titoloStampa() const = 0;
    void btnChiudiClick();
    // Opens in the editor the card whose line equals riga; the last equal card in the file wins.
    void subApriScheda(const QString& riga);
    // Whether a chosen card is handed to the editor (the search window tests its marker).
    virtual bool consegnaAllEditor() const { return true; }
    // Closing, by a button or after a double-click: the list is emptied.
    virtual void chiudi();

    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // A close request from the system closes as the buttons do.
    void reject() override { chiudi(); }
    virtual void FormShow() {}
    // Enter on a focused button presses it, as the platform's dialogs do; no button is a default one.
    void pulsanteConInvio(QPushButton* b);

    IEditorElenco* editor;
    TSfondo* sfondo;
    QString ultimoTermine;

private:
    TModelloElenco* elenco;
    bool centrata = false;
};

// Builds a results panel of 833 x 529 centred on the window's background.
TRettangolo* creaPannello(QWidget* sfondo, const QString& nome);
