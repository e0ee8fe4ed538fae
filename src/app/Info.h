#pragma once

#include <QDialog>

class QPushButton;
class QSvgWidget;
class TCollegamento;
class TPulsanteImmagine;

// The about window: the programme card and the link that writes to the maker's support address.
class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* owner);

    // Opens a fresh about window modally and discards it when it closes.
    static void mostra(QWidget* owner);

    QSvgWidget* imgLogo;
    QSvgWidget* icoProgramma;
    TPulsanteImmagine* imgEmail;
    TCollegamento* lnkWeb;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void lnkWebClick();
};
