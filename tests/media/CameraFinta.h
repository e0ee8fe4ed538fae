#pragma once

#include "media/Camera.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <chrono>
#include <thread>

// A camera for tests: while on, its own thread produces frames as fast as the hand-over takes them, each
// a different colour. Stopping joins that thread, as real devices do with their capture threads.
class TCameraFinta : public ICamera {
public:
    explicit TCameraFinta(QSize dimensione = QSize(320, 240)) : dimensione(dimensione) {
        connect(&consegna, &TConsegnaFotogrammi::pronto, this, &ICamera::fotogramma);
    }
    ~TCameraFinta() override { ferma(); }

    void avvia() override {
        if (produttore.joinable())
            return;
        ++avvii;
        basta = false;
        consegna.apri();
        produttore = std::thread([this] { produci(); });
    }
    void ferma() override {
        if (!produttore.joinable())
            return;
        ++arresti;
        basta = true;
        consegna.chiudi();
        produttore.join();
    }
    bool attiva() const override { return produttore.joinable(); }

    bool inConsegna() const { return consegna.occupata(); }

    QSize dimensione;
    int avvii = 0, arresti = 0;
    std::atomic<int> consegnati{0}, scartati{0};
    std::atomic<int> copieFuoriDalThreadPrincipale{0};

private:
    void produci() {
        int k = 0;
        while (!basta) {
            QImage fotogramma(dimensione, QImage::Format_RGB32);
            fotogramma.fill(QColor::fromHsv((k++ * 37) % 360, 255, 255));
            const bool preso = consegna.consegna([&] {
                if (QThread::currentThread() != QCoreApplication::instance()->thread())
                    ++copieFuoriDalThreadPrincipale;
                return fotogramma.copy();
            });
            if (preso)
                ++consegnati;
            else
                ++scartati;
            if (!preso)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }

    TConsegnaFotogrammi consegna;
    std::thread produttore;
    std::atomic<bool> basta{false};
};
