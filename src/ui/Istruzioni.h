#pragma once

#include <QWidget>

// An instruction note: a rounded card with an information mark and the text beside it.
class TIstruzioni : public QWidget {
    Q_OBJECT
public:
    TIstruzioni(QWidget* parent, const QString& nome, const QString& testo);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString contenuto;
};
