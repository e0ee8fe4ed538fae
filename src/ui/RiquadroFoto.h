#pragma once

#include "storage/Foto.h"

#include <QWidget>

// Shows a picture kept at full size: reduced to fit with its proportions when larger than the box,
// never enlarged, always centred.
class TRiquadroFoto : public QWidget {
    Q_OBJECT
public:
    explicit TRiquadroFoto(QWidget* parent = nullptr);
    void impostaFoto(const Foto& f);
    const Foto& foto() const { return attuale; }
    // Where the picture is drawn inside the box.
    QRect areaImmagine() const;
    static QRect adatta(QSize immagine, QRect box);

signals:
    void cliccato();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    Foto attuale;
    QImage ridotta; // the display copy, rebuilt when the picture or the box changes
};
