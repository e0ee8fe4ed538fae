#pragma once

#include <QImage>
#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

// Hands frames from a capture thread to the user-interface thread, one at a time. The capture thread
// waits until the user-interface thread has copied its frame, so the frame's buffer only needs to live
// for the duration of the call. Closing wakes a waiting capture thread and drops its frame: a device
// that joins its capture thread while being stopped can therefore never wait on a hand-over that waits
// on the user-interface thread.
class TConsegnaFotogrammi : public QObject {
    Q_OBJECT
public:
    explicit TConsegnaFotogrammi(QObject* parent = nullptr); // lives on the user-interface thread
    ~TConsegnaFotogrammi() override;

    // Any thread. copia turns the frame into an image; it runs on the user-interface thread while the
    // caller waits. False when the frame was dropped (closed, or another frame already in hand-over).
    bool consegna(const std::function<QImage()>& copia);

    // User-interface thread only.
    void apri();
    void chiudi();
    bool aperta() const;
    bool occupata() const; // a frame is waiting for its copy

signals:
    void pronto(const QImage& fotogramma); // on the user-interface thread, after the copy

private:
    void ritira();

    mutable std::mutex mutex;
    std::condition_variable cambiato;
    bool apertaFlag = false;
    // The frame waiting for its copy; the fields point into the waiting caller's stack.
    struct InAttesa {
        const std::function<QImage()>* copia;
        bool* copiato;
        bool* finito;
    };
    std::optional<InAttesa> inAttesa;
};

// The capture device of the webcam window: start, stop, active, and frames on the user-interface thread.
// Setting the state it already has does nothing; without a device, starting does nothing either.
class ICamera : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ICamera() override = default;

    virtual void avvia() = 0;
    virtual void ferma() = 0;
    virtual bool attiva() const = 0;

signals:
    void fotogramma(const QImage& immagine); // always on the user-interface thread
};
