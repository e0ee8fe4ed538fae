#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A card's picture at full size. A picture loaded from a JPEG file keeps that file's bytes, so saving
// it unchanged writes them back as they were (EXIF included) instead of encoding it again.
//
// Only JPEG and BMP are loaded, recognised by their first bytes whatever the file is called: the photo
// slots take nothing else, and other formats (SVG above all) can reach beyond the file itself. A file
// that is not a regular file, is larger than MassimoByteFile, or would decode to more than
// MassimoMegabyteImmagine of pixels is no picture; so is one whose reading runs out of memory.
class Foto {
public:
    Foto() = default;
    explicit Foto(QImage immagine) : img(std::move(immagine)) {}

    static Foto daDati(const QByteArray& dati); // null Foto when the bytes are no JPEG or BMP picture
    static Foto daFile(const QString& percorso);

    bool isNull() const { return img.isNull(); }
    const QImage& immagine() const { return img; }
    const QByteArray& jpegOriginale() const { return jpeg; }

    QByteArray comeJpeg() const;                   // original bytes, or a new encoding
    bool salvaJpeg(const QString& percorso) const; // atomic: temporary file renamed over the old one
    bool salvaCome(const QString& percorso) const; // format from the extension (.jpg, .bmp, ...)

    static constexpr int QualitaJpeg = 92;
    // A 24-bit BMP of 80 megapixels still fits; camera JPEGs are a small fraction of it.
    static constexpr qint64 MassimoByteFile = qint64(256) * 1024 * 1024;
    // 256 MB of decoded pixels is 64 megapixels at 4 bytes each: more than any camera photo of a
    // specimen, far less than a forged header can ask for (60,000 x 60,000 would be 14 GB).
    static constexpr int MassimoMegabyteImmagine = 256;

private:
    QImage img;
    QByteArray jpeg;
};
