#include "CartellaProgramma.h"

#include "Testo.h"

#include <QDir>

namespace {
QString& cartella() {
    static QString c;
    return c;
}
} // namespace

QString CartellaProgramma() {
    return cartella();
}

void ImpostaCartellaProgramma(const QString& c) {
    QString n = QDir::toNativeSeparators(QDir::cleanPath(c));
    if (!n.endsWith(QDir::separator()))
        n += QDir::separator();
    cartella() = n;
}

QString CartellaFoto() {
    return CartellaProgramma() + QStringLiteral("Foto_Minerali");
}

QString PercorsoFoto(const QString& nomeCatalogo, const QString& numeroScheda, SlotFoto slot) {
    return CartellaFoto() + QDir::separator() + Testo::taglia(nomeCatalogo) +
           (slot == SlotFoto::A ? QStringLiteral("_Foto_A_") : QStringLiteral("_Foto_B_")) +
           Testo::taglia(numeroScheda) + QStringLiteral(".jpg");
}
