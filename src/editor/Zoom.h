#pragma once

#include "storage/Foto.h"

#include <QDialog>

class TRiquadroFoto;
class TSfondo;

// A photo of the card nearly full screen; a click anywhere on it closes the window.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    TfrmZoom(QWidget* owner, const Foto& foto);
    TRiquadroFoto* imgFoto;
    QWidget* panContainer;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormShow();
    TSfondo* fondo;
};
