// Puts the installation's password store into the program folder, holding the initial password, unless a
// store is already there: a rebuild must never reset a password the user has changed.
#include "access/PasswordStore.h"
#include "storage/CartellaProgramma.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(cartella)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    ImpostaCartellaProgramma(cartella);
    if (QFileInfo::exists(PercorsoArchivioPassword()))
        return 0;
    if (!ScriviPassword(QStringLiteral("ghiandolaverde"))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(PercorsoArchivioPassword()));
        return 1;
    }
    return 0;
}
