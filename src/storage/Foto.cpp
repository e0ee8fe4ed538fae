#include "Foto.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

Foto Foto::daDati(const QByteArray& dati) {
    QBuffer buffer;
    buffer.setData(dati);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true); // EXIF orientation: show the photo the right way up
    Foto f;
    f.img = reader.read();
    if (!f.img.isNull() && dati.startsWith("\xFF\xD8\xFF"))
        f.jpeg = dati;
    return f;
}

Foto Foto::daFile(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return daDati(file.readAll());
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
