#include "Foto.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <cstring>
#include <new>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

struct Foto::Stato {
    QByteArray jpeg;      // the file's bytes, for a picture loaded from a JPEG file
    QSize dimensione;     // the right way up
    bool ruotata = false; // EXIF turns the stored picture by a quarter: its width is our height
    QImage intera;        // full size: given, or decoded from jpeg on first use
    QImage anteprima;     // decoded reduced when the file was loaded; may be null
};

namespace {

const char* formatoDaContenuto(const QByteArray& dati) {
    if (dati.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (dati.startsWith("BM"))
        return "bmp";
    return nullptr;
}

// libjpeg fills a picture whose file ends early with grey and reports success. A JPEG counts only when
// its segments and scans lead to the end-of-image marker; what follows that marker does not matter.
bool jpegCompleto(const QByteArray& dati) {
    const auto* p = reinterpret_cast<const uchar*>(dati.constData());
    const qsizetype n = dati.size();
    qsizetype i = 2; // after the start-of-image marker
    while (i + 1 < n) {
        if (p[i] != 0xFF) { // stray bytes between segments, which decoders skip
            ++i;
            continue;
        }
        const uchar m = p[i + 1];
        if (m == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (m == 0xD9)
            return true;
        if (m == 0x00 || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) { // markers without a length
            i += 2;
            continue;
        }
        if (i + 3 >= n)
            return false;
        const qsizetype lunghezza = (qsizetype(p[i + 2]) << 8) | p[i + 3];
        if (lunghezza < 2)
            return false;
        i += 2 + lunghezza;
        if (m == 0xDA) {
            // The scan's coded data runs up to a marker; FF 00 and restart markers belong to it. The
            // search jumps from one FF byte to the next: the scan is most of the file.
            while (i + 1 < n) {
                const void* ff = std::memchr(p + i, 0xFF, std::size_t(n - 1 - i));
                if (!ff) {
                    i = n - 1;
                    break;
                }
                i = static_cast<const uchar*>(ff) - p;
                const uchar dopo = p[i + 1];
                if (dopo != 0x00 && (dopo < 0xD0 || dopo > 0xD7))
                    break;
                ++i;
            }
        }
    }
    return false;
}

// What a decoded picture of that size and format takes, against the limit the reader applies to
// what it allocates (it would only see the reduced picture).
bool entroIlLimite(QSize s, QImage::Format formato) {
    const qint64 profondita =
        formato == QImage::Format_Grayscale8 || formato == QImage::Format_Indexed8 ? 8 : 32;
    const qint64 perRiga = ((qint64(s.width()) * profondita + 31) >> 5) << 2;
    return perRiga * s.height() <= qint64(Foto::MassimoMegabyteImmagine) << 20;
}

// Decodes a JPEG the right way up, at size s (of the picture turned as EXIF says) or at full size
// when s is empty. Null when it does not decode or memory runs out.
QImage decodificaJpeg(const QByteArray& dati, QSize s, bool ruotata) {
    try {
        QBuffer buffer;
        buffer.setData(dati);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        reader.setAutoDetectImageFormat(false);
        reader.setAutoTransform(true);
        if (!s.isEmpty())
            reader.setScaledSize(ruotata ? s.transposed() : s); // the reader reduces before it turns
        return reader.read();
    } catch (const std::bad_alloc&) {
        return {};
    }
}

// Opens a regular file for reading, or nothing. A FIFO or a device under a photo's name would block the
// open or the read for ever (or never end), so the kind is checked on the open descriptor itself.
bool apriFileRegolare(QFile& file, const QString& percorso) {
#ifdef _WIN32
    if (!QFileInfo(percorso).isFile())
        return false;
    return file.open(QIODevice::ReadOnly);
#else
    const int fd = ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#endif
}

} // namespace

Foto::Foto(QImage immagine) {
    if (immagine.isNull())
        return;
    d = std::make_shared<Stato>();
    d->dimensione = immagine.size();
    d->intera = std::move(immagine);
}

QSize Foto::adattata(QSize immagine, QSize riquadro) {
    if (immagine.width() > riquadro.width() || immagine.height() > riquadro.height())
        immagine.scale(riquadro, Qt::KeepAspectRatio);
    return immagine;
}

Foto Foto::daDati(const QByteArray& dati, QSize riquadro) {
    const char* formato = formatoDaContenuto(dati);
    if (!formato || dati.size() > MassimoByteFile)
        return {};
    const bool jpeg = qstrcmp(formato, "jpeg") == 0;
    if (jpeg && !jpegCompleto(dati))
        return {};
    try {
        QImageReader::setAllocationLimit(MassimoMegabyteImmagine);
        QBuffer buffer;
        buffer.setData(dati);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, formato);
        reader.setAutoDetectImageFormat(false); // the format named above or nothing
        if (!jpeg)
            return Foto(reader.read());

        reader.setAutoTransform(true); // EXIF orientation: show the photo the right way up
        const QSize salvata = reader.size();
        if (salvata.isEmpty() || !entroIlLimite(salvata, reader.imageFormat()))
            return {};
        auto s = std::make_shared<Stato>();
        s->ruotata = reader.transformation() & QImageIOHandler::TransformationRotate90;
        s->dimensione = s->ruotata ? salvata.transposed() : salvata;
        // The decode that proves the file sound also makes the picture the screen needs.
        const QSize ridotta = riquadro.isEmpty() ? QSize(std::max(1, s->dimensione.width() / 8),
                                                         std::max(1, s->dimensione.height() / 8))
                                                 : adattata(s->dimensione, riquadro);
        if (ridotta != s->dimensione)
            reader.setScaledSize(s->ruotata ? ridotta.transposed() : ridotta);
        QImage img = reader.read();
        if (img.size() != ridotta)
            return {};
        (ridotta == s->dimensione ? s->intera : s->anteprima) = std::move(img);
        s->jpeg = dati;
        Foto f;
        f.d = std::move(s);
        return f;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

Foto Foto::daFile(const QString& percorso, QSize riquadro) {
    try {
        QFile file;
        if (!apriFileRegolare(file, percorso))
            return {};
        const qint64 dimensione = file.size();
        if (dimensione <= 0 || dimensione > MassimoByteFile)
            return {};
        QByteArray dati(dimensione, Qt::Uninitialized);
        if (file.read(dati.data(), dimensione) != dimensione)
            return {};
        return daDati(dati, riquadro);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

QSize Foto::dimensione() const {
    return d ? d->dimensione : QSize();
}

const QImage& Foto::immagine() const {
    static const QImage nessuna;
    if (!d)
        return nessuna;
    if (d->intera.isNull() && !d->jpeg.isEmpty())
        d->intera = decodificaJpeg(d->jpeg, {}, d->ruotata);
    return d->intera;
}

const QByteArray& Foto::jpegOriginale() const {
    static const QByteArray nessuno;
    return d ? d->jpeg : nessuno;
}

QImage Foto::ridotta(QSize s) const {
    if (!d || s.isEmpty())
        return {};
    auto riduci = [s](const QImage& da) {
        return da.size() == s ? da : da.scaled(s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    if (!d->intera.isNull())
        return riduci(d->intera);
    const QImage& a = d->anteprima;
    if (!a.isNull() && a.width() >= s.width() && a.height() >= s.height())
        return riduci(a);
    if (s == d->dimensione)
        return immagine();
    const QImage decodificata = decodificaJpeg(d->jpeg, s, d->ruotata);
    if (!decodificata.isNull())
        return decodificata;
    return a.isNull() ? QImage() : riduci(a); // memory ran out: the reduced picture, stretched
}

QByteArray Foto::comeJpeg() const {
    if (!jpegOriginale().isEmpty())
        return jpegOriginale();
    const QImage& img = immagine();
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(QualitaJpeg);
    if (img.isNull() || !writer.write(img))
        return {};
    return out;
}

static bool scriviAtomico(const QString& percorso, const QByteArray& dati) {
    if (dati.isEmpty())
        return false;
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(dati) != dati.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool Foto::salvaJpeg(const QString& percorso) const {
    return scriviAtomico(percorso, comeJpeg());
}

bool Foto::salvaCome(const QString& percorso) const {
    const QString ext = QFileInfo(percorso).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") || ext.isEmpty())
        return salvaJpeg(percorso);
    const QImage& img = immagine();
    if (img.isNull())
        return false;
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, ext.toLatin1());
    if (!writer.write(img))
        return false;
    return scriviAtomico(percorso, out);
}
