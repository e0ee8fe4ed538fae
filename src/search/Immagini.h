#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A decorative picture drawn from one of the project's SVG files, scaled to the widget.
class TImmagineSvg : public QWidget {
    Q_OBJECT
public:
    TImmagineSvg(QWidget* parent, const QString& nome, const QString& svg, const QString& descrizione);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSvgRenderer disegno;
};

// An instruction note: a rounded card with an information mark and the text beside it.
class TIstruzioni : public QWidget {
    Q_OBJECT
public:
    TIstruzioni(QWidget* parent, const QString& nome, const QString& testo);
    QString testo() const { return contenuto; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString contenuto;
};
