#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A card's picture at full size. A picture loaded from a JPEG file keeps that file's bytes, so saving
// it unchanged writes them back as they were (EXIF included) instead of encoding it again.
class Foto {
public:
    Foto() = default;
    explicit Foto(QImage immagine) : img(std::move(immagine)) {}

    static Foto daDati(const QByteArray& dati); // null Foto when the bytes are no image
    static Foto daFile(const QString& percorso);

    bool isNull() const { return img.isNull(); }
    const QImage& immagine() const { return img; }
    const QByteArray& jpegOriginale() const { return jpeg; }

    QByteArray comeJpeg() const;                   // original bytes, or a new encoding
    bool salvaJpeg(const QString& percorso) const; // atomic: temporary file renamed over the old one
    bool salvaCome(const QString& percorso) const; // format from the extension (.jpg, .bmp, ...)

    static constexpr int QualitaJpeg = 92;

private:
    QImage img;
    QByteArray jpeg;
};
