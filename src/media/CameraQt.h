#pragma once

#include "Camera.h"

class QCamera;
class QMediaCaptureSession;
class QVideoSink;

// The system's default video input through Qt Multimedia. Without a device every operation does nothing.
class TCameraQt : public ICamera {
    Q_OBJECT
public:
    explicit TCameraQt(QObject* parent = nullptr);
    ~TCameraQt() override;

    void avvia() override;
    void ferma() override;
    bool attiva() const override;
    bool dispositivoPresente() const { return camera != nullptr; }

private:
    TConsegnaFotogrammi consegna;
    QCamera* camera = nullptr;
    QMediaCaptureSession* sessione = nullptr;
    QVideoSink* sink = nullptr;
};
