#pragma once

#include "Sfondo.h"

#include <QWidget>

// A window of the chain: created once, shown and hidden, never destroyed before the end. It tells the
// chain when it closes; the chain decides which window comes next.
class TFinestraCatena : public QWidget {
    Q_OBJECT
public:
    TFinestraCatena(const QString& nome, const QString& titolo, bool massimizzata);
    void mostra(); // maximised windows open maximised
    TSfondo* sfondo() const { return fondo; }

signals:
    void chiusa();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    virtual void FormShow() {}
    // False keeps the window open (the login window closes only through its own button).
    virtual bool puoChiudere() { return true; }

private:
    TSfondo* fondo;
    bool massimizzata;
};
