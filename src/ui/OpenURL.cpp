#include "OpenURL.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
struct Stato {
    bool test = false;
    QStringList aperti;
};
Stato& stato() {
    static Stato s;
    return s;
}
} // namespace

void TMisc::Open(const QString& sCommand) {
    if (stato().test) {
        stato().aperti.append(sCommand);
        return;
    }
    QDesktopServices::openUrl(destinazione(sCommand));
}

QUrl TMisc::destinazione(const QString& sCommand) {
    // Callers quote paths so that blanks survive a command line; the desktop here takes the item whole.
    QString item = sCommand;
    if (item.size() >= 2 && item.startsWith(u'"') && item.endsWith(u'"'))
        item = item.mid(1, item.size() - 2);
    if (item.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        item.prepend(QLatin1String("http://"));
    if (item.contains(QLatin1String("://")) || item.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return QUrl(item, QUrl::TolerantMode);
    return QUrl::fromLocalFile(item);
}

void TMisc::modoTest(bool attivo) {
    stato().test = attivo;
}

QStringList TMisc::aperti() {
    return std::exchange(stato().aperti, {});
}
