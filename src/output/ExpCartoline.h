#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QSvgWidget;
class QTableView;
class TBarraStato;
class TModelloEsportazione;
class TPulsanteImmagine;
class TRettangolo;
class TSfondo;

// The export window: every card of the open archive in a grid, written from there into the
// spreadsheet file of the program folder. It reads the archive itself and never writes it.
class TfrmExpCartoline : public QDialog {
    Q_OBJECT
public:
    // archivio: the editor's lblFile text, the path of the open archive.
    TfrmExpCartoline(QWidget* owner, const QString& archivio);

    QWidget* panContainer;
    TRettangolo* shpSfondo;
    QSvgWidget* imgLogo;
    QSvgWidget* icoHand;
    TPulsanteImmagine* cmdEsporta;
    TPulsanteImmagine* cmdGuida;
    TPulsanteImmagine* cmdEsci;
    QTableView* grdRecords;
    TBarraStato* shpInfo;
    QLabel* panInfo;

    TModelloEsportazione* modello() const { return celle; }
    QString percorsoArchivio() const { return archivio; }

    // A running export shows its progress only once it has taken this long.
    static constexpr int RitardoAvanzamentoMs = 400;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FormShow();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

    TSfondo* sfondo;
    TModelloEsportazione* celle;
    QString archivio;
    bool centrata = false;
};
