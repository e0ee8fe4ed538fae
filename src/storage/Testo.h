#pragma once

#include <QByteArray>
#include <QString>

// The text rules every part of the program shares. Trimming and case folding are narrower than Qt's:
// only characters up to U+0020 are blanks, and only A-Z/a-z change case.
namespace Testo {

bool eSpazio(QChar c);
QString taglia(const QString& s);
QString minuscoleAZ(QString s);
QString maiuscoleAZ(QString s);

// Windows-1252: unmappable characters become their base letter where one exists, else "?".
QByteArray aCp1252(const QString& s);
QString daCp1252(const char* dati, int lunghezza);
inline QString daCp1252(const QByteArray& b) {
    return daCp1252(b.constData(), int(b.size()));
}

} // namespace Testo
