#include "Allegati.h"

#include "storage/CartellaProgramma.h"
#include "storage/Testo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Allegati {

QString Cartella() {
    return CartellaProgramma() + QStringLiteral("Documenti_Allegati") + QDir::separator();
}

QString ComandoApri(const QString& nomeFile) {
    return u'"' + Cartella() + Testo::taglia(nomeFile) + u'"';
}

bool Copia(const QString& sorgente, const QString& nomeFile, const std::function<bool()>& sovrascrivi) {
    const QString cartella = Cartella();
    if (!QDir().mkpath(cartella))
        return false;
    const QString destinazione = cartella + Testo::taglia(nomeFile);
    const QFileInfo da(sorgente), a(destinazione);
    if (a.exists()) {
        // Copying the folder's own document onto itself would only risk destroying it.
        if (da.canonicalFilePath() == a.canonicalFilePath())
            return true;
        if (!sovrascrivi())
            return false;
    }
    QFile in(sorgente);
    if (!da.isFile() || !in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(destinazione);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray blocco;
    while (!in.atEnd()) {
        blocco = in.read(1 << 20);
        if (blocco.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return false;
        }
        if (out.write(blocco) != blocco.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

} // namespace Allegati
