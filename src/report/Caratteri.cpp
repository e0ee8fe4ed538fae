#include "Caratteri.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

#include <mutex>

namespace Report {
namespace {

struct Sostituzione {
    const char* famiglia;
    QStringList equivalenti; // metric-compatible first
};

const QList<Sostituzione>& sostituzioni() {
    static const QList<Sostituzione> s = {
        {"Arial", {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}},
        {"Courier New", {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")}},
        {"Verdana", {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")}},
    };
    return s;
}

} // namespace

void preparaCaratteri() {
    static std::once_flag fatto;
    std::call_once(fatto, [] {
        const QStringList installate = QFontDatabase::families();
        for (const auto& s : sostituzioni()) {
            const QString famiglia = QString::fromLatin1(s.famiglia);
            if (installate.contains(famiglia, Qt::CaseInsensitive))
                continue; // the real font is there
            // fontconfig usually aliases these names already; where it does not, Qt's own substitution
            // table steps in before its generic fallback.
            if (s.equivalenti.contains(QFontInfo(QFont(famiglia)).family(), Qt::CaseInsensitive))
                continue;
            QStringList presenti;
            for (const QString& e : s.equivalenti)
                if (installate.contains(e, Qt::CaseInsensitive))
                    presenti.append(e);
            if (!presenti.isEmpty())
                QFont::insertSubstitutions(famiglia, presenti);
        }
    });
}

QString famigliaEffettiva(const QString& famiglia) {
    preparaCaratteri();
    return QFontInfo(QFont(famiglia)).family();
}

QFont fontRiferimento(const Carattere& c) {
    preparaCaratteri();
    QFont f(c.famiglia);
    f.setPixelSize(PixelRiferimento);
    f.setBold(c.grassetto);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false); // fixed columns in the list; widths that do not depend on neighbours
    return f;
}

qreal scalaRiferimento(const Carattere& c) {
    return c.punti * 96.0 / 72.0 / PixelRiferimento;
}

qreal interlinea(const Carattere& c) {
    return QFontMetricsF(fontRiferimento(c)).lineSpacing() * scalaRiferimento(c);
}

qreal larghezzaTesto(const Carattere& c, const QString& t) {
    return QFontMetricsF(fontRiferimento(c)).horizontalAdvance(t) * scalaRiferimento(c);
}

} // namespace Report
