#pragma once

#include "ArgomentiGuida.h"

#include <QColor>
#include <QDialog>
#include <QLabel>

class QAbstractButton;
class QPlainTextEdit;
class QPushButton;
class QSvgWidget;
class TPulsanteImmagine;

// Link colours of the help, about and splash windows: dark blue at rest, orange while the mouse button
// is held on the link or its icon.
namespace ColoreCollegamento {
inline const QColor Normale{0x00, 0x00, 0x8B};
inline const QColor Premuto{0xFF, 0xA5, 0x00};
} // namespace ColoreCollegamento

// A link text (Tahoma 14, underlined). Pressing the mouse on it, or on an icon joined to it, turns it
// orange until the button is released; a release on the link itself, Enter or Space activates it.
class TCollegamento : public QLabel {
    Q_OBJECT
public:
    TCollegamento(QWidget* parent, const QString& nome, const QString& testo, const QRect& posizione);
    // The icon beside the link gives the same colour feedback while pressed.
    void aggiungiIcona(QAbstractButton* icona);
    QColor colore() const { return attuale; }
    void impostaColore(const QColor& c);

signals:
    void cliccato();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QColor attuale;
};

// The common frame of the three information windows: fixed client size, no title-bar buttons, a
// gradient background whose panel holds the controls.
namespace FinestraInformativa {
QWidget* prepara(QDialog* finestra, const QString& nome, const QString& titolo, QSize dimensione);
// Centres the window on the given one, or on the screen when there is none.
void centra(QWidget* finestra, const QWidget* su = nullptr);
QPushButton* pulsanteChiudi(QWidget* parent, const QRect& posizione);
} // namespace FinestraInformativa

// The help window: one topic, its title above and its text below, with the link to the help document.
class TfrmGuida : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* owner);

    // Opens a fresh help window on the topic, modally, and discards it when it closes.
    static void mostra(QWidget* owner, Argomento a);

    void subMostraArgomento(Argomento a);

    QSvgWidget* imgLogo;
    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    TPulsanteImmagine* imgPDF;
    TCollegamento* lnkWeb;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void lnkWebClick();
    void inCima();
};
