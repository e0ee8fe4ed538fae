#pragma once

#include "output/SchedaInStampa.h"

#include <QDialog>

#include <memory>

class QPushButton;
class TRiquadroFoto;
class TSfondo;
namespace Report {
class TReport;
}

// What the preview and print windows of the specimen sheet share: the sheet template, the photo taken
// from the editor when the window is shown, and the one guarded step that fills, prepares and hands the
// sheet on. They differ in the last step, the caption, the button and the failure message.
class TFinestraScheda : public QDialog {
    Q_OBJECT
public:
    ~TFinestraScheda() override;
    QWidget* shpSfondo;
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;
    TRiquadroFoto* imgLogo; // hidden: the photo for the sheet
    TRiquadroFoto* imgTemp; // hidden: the placeholder used when the editor's photo cannot be copied
    Report::TReport& repDocumento() const { return *modello; }

    void btnStampaClick();
    void btnAnnullaClick();

protected:
    TFinestraScheda(QWidget* owner, const ISchedaInStampa& scheda, const QString& nome, const QString& titolo,
                    const QString& testoPulsante, QString messaggioErrore);

    // The last step: show the preview or print; throws what the engine throws.
    virtual void consegna(Report::TReport& r) = 0;
    // The file name the preview proposes for a PDF copy.
    QString nomePdf() const;

    void showEvent(QShowEvent* e) override;
    void FormShow();
    TSfondo* fondo;

private:
    const ISchedaInStampa& scheda;
    std::unique_ptr<Report::TReport> modello;
    QString messaggio;
    bool centrata = false;
};

// A picture holding a heading and a few sentences on a white panel, with an information sign.
class TInformazione : public QWidget {
    Q_OBJECT
public:
    TInformazione(QWidget* parent, const QString& nome, const QRect& posizione, QString titolo,
                  QStringList frasi);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString titolo;
    QStringList frasi;
};
