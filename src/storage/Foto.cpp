#include "Foto.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <new>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
            // The scan's coded data runs up to a marker; FF 00 and restart markers belong to it.
            while (i + 1 < n && !(p[i] == 0xFF && p[i + 1] != 0x00 && (p[i + 1] < 0xD0 || p[i + 1] > 0xD7)))
                ++i;
        }
    }
    return false;
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

Foto Foto::daDati(const QByteArray& dati) {
    const char* formato = formatoDaContenuto(dati);
    if (!formato || dati.size() > MassimoByteFile)
        return {};
    const bool jpeg = qstrcmp(formato, "jpeg") == 0;
    if (jpeg && !jpegCompleto(dati))
        return {};
    try {
        QBuffer buffer;
        buffer.setData(dati);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, formato);
        reader.setAutoDetectImageFormat(false); // the format named above or nothing
        reader.setAllocationLimit(MassimoMegabyteImmagine);
        reader.setAutoTransform(true); // EXIF orientation: show the photo the right way up
        Foto f;
        f.img = reader.read();
        if (!f.img.isNull() && jpeg)
            f.jpeg = dati;
        return f;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

Foto Foto::daFile(const QString& percorso) {
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
        return daDati(dati);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

QByteArray Foto::comeJpeg() const {
    if (!jpeg.isEmpty())
        return jpeg;
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
