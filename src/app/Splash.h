#pragma once

#include <QDialog>

class QPushButton;
class QSvgWidget;
class TCollegamento;
class TPulsanteImmagine;

// The splash window: the maker's notice and the link to the maker's web site.
class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner);

    // Opens a fresh splash window modally, centred on its owner, and discards it when it closes.
    static void mostra(QWidget* owner);

    QSvgWidget* imgLogo;
    TPulsanteImmagine* imgWeb;
    TCollegamento* lnkWeb;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void lnkWebClick();
};
