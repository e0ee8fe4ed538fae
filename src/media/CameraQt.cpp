#include "CameraQt.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

TCameraQt::TCameraQt(QObject* parent) : ICamera(parent) {
    connect(&consegna, &TConsegnaFotogrammi::pronto, this, &ICamera::fotogramma);
    const QCameraDevice dispositivo = QMediaDevices::defaultVideoInput();
    if (dispositivo.isNull())
        return; // no camera: the window keeps its placeholder pictures
    // A busy or failing device reports nothing: the live picture simply stays as it is.
    camera = new QCamera(dispositivo, this);
    sessione = new QMediaCaptureSession(this);
    sink = new QVideoSink(this);
    sessione->setCamera(camera);
    sessione->setVideoSink(sink);
    // The sink signals on the user-interface thread with some backends and on a capture thread with
    // others: a direct connection reaches the hand-over on whichever thread it is, and the hand-over
    // brings the copy to the user-interface thread.
    connect(
        sink, &QVideoSink::videoFrameChanged, this,
        [this](const QVideoFrame& f) { consegna.consegna([&f] { return f.toImage(); }); },
        Qt::DirectConnection);
}

TCameraQt::~TCameraQt() {
    if (!camera)
        return;
    // No frame may reach the hand-over once it is gone: cut the signal, release a waiting capture
    // thread, then stop and dismantle the device before the members go.
    disconnect(sink, nullptr, this, nullptr);
    ferma();
    sessione->setVideoSink(nullptr);
    sessione->setCamera(nullptr);
    delete sessione;
    delete camera;
    delete sink;
}

void TCameraQt::avvia() {
    if (!camera || camera->isActive())
        return;
    consegna.apri();
    camera->start();
}

void TCameraQt::ferma() {
    if (!camera)
        return;
    // First the hand-over, so that a capture thread waiting on us is let go before the device waits on it.
    consegna.chiudi();
    if (camera->isActive())
        camera->stop();
}

bool TCameraQt::attiva() const {
    return camera && camera->isActive();
}
