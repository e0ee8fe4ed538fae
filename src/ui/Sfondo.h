#pragma once

#include <QColor>
#include <QWidget>

// A window background painted as a vertical gradient, holding one fixed-size content panel that stays
// centred when the window is resized (maximised windows keep their design layout in the middle).
class TSfondo : public QWidget {
    Q_OBJECT
public:
    explicit TSfondo(QWidget* parent = nullptr, QColor alto = {},
                     QColor basso = Qt::white); // default: the chain windows' blue
    // Creates (once) the centred panel of the given size; controls are placed on it at fixed positions.
    QWidget* pannello(QSize dimensione, const QString& nome = QStringLiteral("panContainer"));

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void centra();
    QColor coloreAlto, coloreBasso;
    QWidget* contenuto = nullptr;
};

// A rectangle painted with a vertical gradient and an optional border, for panels and bands.
class TRettangolo : public QWidget {
    Q_OBJECT
public:
    TRettangolo(QWidget* parent, QColor alto, QColor basso, QColor bordo = Qt::transparent, int raggio = 0);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor coloreAlto, coloreBasso, coloreBordo;
    int raggio;
};

// The white band with a pale-blue fade and a soft border that groups the controls of the chain windows.
TRettangolo* creaBanda(QWidget* parent, const QString& nome, const QRect& posizione);

// The yellow frame shown behind an edit field while it has the focus: 4 points larger on every side.
class TCorniceFuoco : public QWidget {
    Q_OBJECT
public:
    TCorniceFuoco(QWidget* campo, const QString& nome, int margine = 4);
    QSize sizeHint() const override { return size(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    void segui();
    QWidget* campo;
    int margine;
};
