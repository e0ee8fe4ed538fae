#pragma once

#include "report/Modello.h"
#include "ui/Stampa.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace Report {

// The prepared pages of a report as a print job: the job shares the pages, so it outlives the template.
Stampa::Lavoro lavoro(const TReport& r);

// The print dialog and the printing of the prepared pages, the job titled with the report's name.
// False when the user cancels.
bool stampa(QWidget* parent, const TReport& r);

// The modal preview of the prepared pages; returns when the user closes it. nomePdf is the file name
// the "save as PDF" dialog proposes.
void mostraAnteprima(QWidget* parent, const TReport& r, const QString& nomePdf);

// The preview window: pages at 100 % to start with, zoom, full screen, print, save as PDF, close.
// Nothing on the pages can be edited.
class TfrmAnteprimaReport : public QDialog {
    Q_OBJECT
public:
    TfrmAnteprimaReport(QWidget* parent, Stampa::Lavoro lavoro, QString nomePdf);

    QPushButton* btnStampa;
    QPushButton* btnSalvaPdf;
    QPushButton* btnRiduci;
    QPushButton* btnIngrandisci;
    QComboBox* cmbZoom;
    QPushButton* btnSchermoIntero;
    QPushButton* btnChiudi;
    QScrollArea* scrPagine;
    QLabel* lblPagine; // "Pagine: n"

    int zoom() const { return percento; } // per cent
    void impostaZoom(int percento);
    const QList<QLabel*>& pagine() const { return fogli; }

    void btnStampaClick();
    void btnSalvaPdfClick();
    void btnSchermoInteroClick();

private:
    void disegnaPagine();

    Stampa::Lavoro job;
    QString nomePdf;
    int percento = 100;
    QList<QLabel*> fogli;
    QVBoxLayout* colonna;
};

} // namespace Report
