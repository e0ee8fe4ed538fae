#pragma once

#include "ui/Messaggi.h"

#include <QDialog>

class QLabel;
class QTimer;
class TPulsanteImmagine;
class TRiquadroFoto;
class TSfondo;

// The slide show: photo A of every card of the archive, nearly full screen, one every 6 seconds in
// archive order, from the first card again after one extra tick on the last. A click on the picture or
// its panel ends it, as does the title bar.
class TfrmSlideshow_Euro_01 : public QDialog {
    Q_OBJECT
public:
    // archivio: the full path of the open archive; nome: the catalogue name of its photo files.
    TfrmSlideshow_Euro_01(QWidget* owner, const QString& archivio, const QString& nome);

    // Shows the window maximised and modal until it is closed.
    int esegui();

    QTimer* Timer;
    QLabel* lblPosizione; // hidden: the number of the card shown last; "0" once the end was reached
    TRiquadroFoto* imgBianco;
    TRiquadroFoto* imgFoto;
    QWidget* panContainer;
    TPulsanteImmagine* cmdAvanti; // hidden: its click is the advance step the timer runs

    // The advance step: one card further, or the extra tick at the end, or the end of the show.
    void cmdAvantiClick();
    void subApriFoto();
    qint64 corrente() const { return indice; }

    static QImage disegnoAttesa(); // "Avvio Slide Show" over "Attendere...", 677 x 184

    static constexpr int Intervallo = 6000; // ms

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void done(int r) override;
    // Every message box of the window goes through here; while one is open the timer is held back.
    virtual Messaggi::Risposta messaggio(Messaggi::Tipo tipo, const QString& testo);

private:
    void FormShow();
    void mostraMessaggio(Messaggi::Tipo tipo, const QString& testo);

    QString archivio, nome;
    TSfondo* fondo;
    qint64 indice = 0; // the number in lblPosizione
    bool messaggioAperto = false;
    bool chiusa = false;
};
