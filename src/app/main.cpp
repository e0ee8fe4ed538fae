#include "app/Catena.h"
#include "storage/CartellaProgramma.h"
#include "storage/Formato.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // Software rendering, chosen before the toolkit starts: no graphics-card acceleration.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Geodario"));
    QApplication::setQuitOnLastWindowClosed(false); // the chain decides when the application ends

    // Stock dialogs and buttons in Italian.
    QTranslator qt;
    if (qt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);

    Formato::fissa();
    ImpostaCartellaProgramma(QCoreApplication::applicationDirPath());

    TCatena catena;
    QObject::connect(&catena, &TCatena::fine, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    catena.avvia();
    return app.exec();
}
