#pragma once

#include <QDialog>

#include <memory>

class ICamera;
class IDestinazioneFoto;
class QLabel;
class QPushButton;
class TRettangolo;
class TRiquadroFoto;

// Takes a specimen photo with the webcam: the live picture on the left, the frozen frame on the right.
// The frozen frame can be saved to a file or put into the editor's photo slot that lblMemory names
// ("foto01" slot A, "foto02" slot B). Both ways out switch the camera off.
class TfrmWebCam : public QDialog {
    Q_OBJECT
public:
    // Without a camera the system's default video input is used.
    TfrmWebCam(QWidget* owner, IDestinazioneFoto* editor, std::unique_ptr<ICamera> camera = nullptr);
    ~TfrmWebCam() override;

    TRettangolo* panCamera;
    TRiquadroFoto* imgCamera;
    TRettangolo* panTarget;
    TRiquadroFoto* imgTarget;
    TRiquadroFoto* imgBianco; // hidden: the webcam picture that replaces a frozen frame that failed to save
    QPushButton* btnAccendi;
    QPushButton* btnSpegni;
    QPushButton* btnCattura;
    QPushButton* btnSalvaFotogramma;
    QPushButton* btnImportaFoto;
    QPushButton* btnClose;
    QLabel* lblMemory; // "foto01" or "foto02", set by the editor before showing
    ICamera* camCamera() const { return camera.get(); }

    void btnAccendiClick();
    void btnSpegniClick();
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void btnCloseClick();

    // The placeholders: a webcam for the live picture, a photo camera for the frozen frame.
    static QImage disegnoWebcam();
    static QImage disegnoFotocamera();

protected:
    void done(int r) override;

private:
    void camCameraFotogramma(const QImage& f);
    QPushButton* pulsante(QWidget* p, const char* nome, const QString& testo, const QRect& posizione);

    IDestinazioneFoto* editor;
    std::unique_ptr<ICamera> camera;
};
