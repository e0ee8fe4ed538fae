#include "Livelli.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace Livelli {

int piano(const QString& cartella) {
    static const QHash<QString, int> piani = {
        {QStringLiteral("storage"), 0}, {QStringLiteral("ui"), 1},      {QStringLiteral("report"), 2},
        {QStringLiteral("access"), 3},  {QStringLiteral("catalog"), 3}, {QStringLiteral("search"), 3},
        {QStringLiteral("output"), 3},  {QStringLiteral("media"), 3},   {QStringLiteral("editor"), 4},
        {QStringLiteral("app"), 5},
    };
    return piani.value(cartella, -1);
}

namespace {

QString cartellaDi(const QString& relativo) {
    return relativo.section(u'/', 0, 0);
}

// The project file an include names, relative to src/: "search/Elenco.h", or a same-folder "Elenco.h".
QString fileIncluso(const QString& radice, const QString& daFile, const QString& nome) {
    if (QFile::exists(radice + u'/' + nome))
        return QDir::cleanPath(nome);
    const QString vicino = cartellaDi(daFile) + u'/' + nome;
    if (QFile::exists(radice + u'/' + vicino))
        return QDir::cleanPath(vicino);
    return {};
}

QString controlla(const QString& radice, const QString& relativo, const QString& nome, bool virgolette,
                  const Regole& regole) {
    const bool core = regole.fileCore.contains(relativo);
    if (!virgolette)
        return core && regole.headerWidget.contains(nome)
                   ? QStringLiteral("widget header <%1> in a core file").arg(nome)
                   : QString();
    const QString incluso = fileIncluso(radice, relativo, nome);
    if (incluso.isEmpty())
        return {}; // a library header included with quotes
    const QString da = cartellaDi(relativo), a = cartellaDi(incluso);
    if (core && regole.fileGui.contains(incluso))
        return QStringLiteral("core file includes the GUI header \"%1\"").arg(nome);
    if (da == a)
        return {};
    const int pDa = piano(da), pA = piano(a);
    if (pDa < 0 || pA < 0)
        return QStringLiteral("\"%1\": folder outside the floors").arg(nome);
    if (pA == pDa)
        return QStringLiteral("%1 includes \"%2\" of %3, a folder on the same floor").arg(da, nome, a);
    if (pA > pDa)
        return QStringLiteral("%1 includes \"%2\" of %3, a floor above").arg(da, nome, a);
    return {};
}

} // namespace

QStringList violazioni(const QString& radice, const Regole& regole) {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QStringList trovate;
    QDirIterator it(radice, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString percorso = it.next();
        const QString relativo = QDir(radice).relativeFilePath(percorso);
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            trovate << relativo + QStringLiteral(": unreadable");
            continue;
        }
        int riga = 0;
        while (!f.atEnd()) {
            ++riga;
            const auto m = include.match(QString::fromUtf8(f.readLine()));
            if (!m.hasMatch())
                continue;
            const QString motivo = controlla(radice, relativo, m.captured(2), m.captured(1) == u'"', regole);
            if (!motivo.isEmpty())
                trovate << QStringLiteral("%1:%2: %3").arg(relativo).arg(riga).arg(motivo);
        }
    }
    trovate.sort();
    return trovate;
}

} // namespace Livelli
