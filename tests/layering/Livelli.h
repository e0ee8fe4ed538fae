#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The include check of src/: folders are floors and includes go only downward; the folders of one floor
// do not include each other; files of the core library include no widget header.
namespace Livelli {

// Floor of a folder of src/, or -1 for a folder outside the scheme.
int piano(const QString& cartella);

struct Regole {
    QSet<QString> fileCore;     // paths relative to src/ of the files compiled into the core library
    QSet<QString> fileGui;      // same, for the GUI library
    QSet<QString> headerWidget; // names of the Qt widget headers (QLabel, QtWidgets/QLabel, ...)
};

// Every include of the tree under radice that breaks a rule, as "file:line: reason".
QStringList violazioni(const QString& radice, const Regole& regole);

} // namespace Livelli
