#pragma once

#include <QAbstractButton>

class QSvgRenderer;
class QSvgWidget;

// A clickable picture drawn from an SVG: picture buttons (with their text painted over the picture, so
// the text a user reads is also the button's accessible text) and clickable icons. Hand cursor, a light
// hover, a one-point shift while pressed.
class TPulsanteImmagine : public QAbstractButton {
    Q_OBJECT
public:
    TPulsanteImmagine(QWidget* parent, const QString& nome, const QString& svg, const QRect& posizione,
                      const QString& nomeAccessibile);
    // Text painted in the part of the picture right of rientro (the picture's own icon sits left of it).
    void impostaTesto(const QString& testo, int rientro, int punti = 13);
    QSize sizeHint() const override { return size(); }
    bool immagineValida() const;

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    QSvgRenderer* disegno;
    int rientro = 0;
    bool fuocoDaTastiera = false; // the focus mark shows only when the user tabbed here
};

// A decorative picture at a fixed place; it takes no clicks.
// A picture that stands for something (a logo, a tool) has an accessible name; pure decoration has none.
QSvgWidget* creaImmagine(QWidget* parent, const QString& nome, const QString& svg, const QRect& posizione,
                         const QString& nomeAccessibile = {});
