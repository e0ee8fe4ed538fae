#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

// A card's picture. A picture loaded from a JPEG file keeps that file's bytes: saving it unchanged writes
// them back as they were (EXIF included) instead of encoding it again, and the screen gets it decoded at
// the size it is shown at, which libjpeg does several times faster than the whole picture (it reduces
// while decoding). The full-size picture is decoded only when something asks for it.
//
// Only JPEG and BMP are loaded, recognised by their first bytes whatever the file is called: the photo
// slots take nothing else, and other formats (SVG above all) can reach beyond the file itself. A file
// that is not a regular file, is larger than MassimoByteFile, or would decode to more than
// MassimoMegabyteImmagine of pixels is no picture; so is one that does not decode (a JPEG is decoded in
// full, only reduced, when it is loaded) or whose reading runs out of memory.
class Foto {
public:
    Foto() = default;
    explicit Foto(QImage immagine);

    // riquadro: the box the picture will be shown in, so that the decode that checks the file also makes
    // what the box shows; without one, the smallest reduction libjpeg makes (an eighth).
    static Foto daDati(const QByteArray& dati, QSize riquadro = {}); // null when no JPEG or BMP picture
    static Foto daFile(const QString& percorso, QSize riquadro = {});

    bool isNull() const { return !d; }
    QSize dimensione() const; // the picture's own size, the right way up
    // At full size. A JPEG is decoded on the first call and kept; null if memory runs out.
    const QImage& immagine() const;
    // The whole picture at size s (not larger than dimensione()), for the screen.
    QImage ridotta(QSize s) const;
    const QByteArray& jpegOriginale() const;

    QByteArray comeJpeg() const;                   // original bytes, or a new encoding
    bool salvaJpeg(const QString& percorso) const; // atomic: temporary file renamed over the old one
    bool salvaCome(const QString& percorso) const; // format from the extension (.jpg, .bmp, ...)

    // A picture shown in a box: reduced to fit with its proportions when larger, never enlarged.
    static QSize adattata(QSize immagine, QSize riquadro);

    static constexpr int QualitaJpeg = 92;
    // A 24-bit BMP of 80 megapixels still fits; camera JPEGs are a small fraction of it.
    static constexpr qint64 MassimoByteFile = qint64(256) * 1024 * 1024;
    // 256 MB of decoded pixels is 64 megapixels at 4 bytes each: more than any camera photo of a
    // specimen, far less than a forged header can ask for (60,000 x 60,000 would be 14 GB).
    static constexpr int MassimoMegabyteImmagine = 256;

private:
    struct Stato;
    std::shared_ptr<Stato> d; // shared by copies: handing a picture to another box copies no pixels
};
