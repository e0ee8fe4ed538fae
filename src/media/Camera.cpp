#include "Camera.h"

#include <QThread>

TConsegnaFotogrammi::TConsegnaFotogrammi(QObject* parent) : QObject(parent) {}

TConsegnaFotogrammi::~TConsegnaFotogrammi() {
    chiudi();
}

bool TConsegnaFotogrammi::consegna(const std::function<QImage()>& copia) {
    if (QThread::currentThread() == thread()) {
        // Some backends deliver on the user-interface thread itself: waiting would wait on ourselves.
        if (!aperta())
            return false;
        emit pronto(copia());
        return true;
    }
    std::unique_lock lock(mutex);
    if (!apertaFlag || inAttesa)
        return false;
    bool copiato = false, finito = false;
    inAttesa = InAttesa{&copia, &copiato, &finito};
    QMetaObject::invokeMethod(this, &TConsegnaFotogrammi::ritira, Qt::QueuedConnection);
    cambiato.wait(lock, [&] { return finito; });
    return copiato;
}

void TConsegnaFotogrammi::ritira() {
    QImage copiata;
    {
        std::lock_guard lock(mutex);
        if (!inAttesa)
            return; // dropped by a close before this call came round
        // The capture thread is blocked until it is told it is done, so its frame is still alive here.
        copiata = (*inAttesa->copia)();
        *inAttesa->copiato = true;
        *inAttesa->finito = true;
        inAttesa.reset();
    }
    cambiato.notify_all();
    emit pronto(copiata);
}

void TConsegnaFotogrammi::apri() {
    std::lock_guard lock(mutex);
    apertaFlag = true;
}

void TConsegnaFotogrammi::chiudi() {
    {
        std::lock_guard lock(mutex);
        apertaFlag = false;
        if (inAttesa) {
            *inAttesa->finito = true; // its frame is dropped
            inAttesa.reset();
        }
    }
    cambiato.notify_all();
}

bool TConsegnaFotogrammi::aperta() const {
    std::lock_guard lock(mutex);
    return apertaFlag;
}

bool TConsegnaFotogrammi::occupata() const {
    std::lock_guard lock(mutex);
    return inAttesa.has_value();
}
