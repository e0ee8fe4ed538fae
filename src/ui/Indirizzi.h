#pragma once

#include "storage/CartellaProgramma.h"

#include <QString>

// The maker's addresses and the help document, each held here once, and the exact texts the windows
// hand to the desktop for them.
namespace Indirizzi {

inline QString sitoWeb() {
    return QStringLiteral("https://www.geodario.example");
}
inline QString emailAssistenza() {
    return QStringLiteral("supporto@geodario.example");
}
inline QString nomeGuidaPdf() {
    return QStringLiteral("Guida.pdf");
}

// Paths and the mail address go in double quotes, so that a folder with blanks stays one item; the web
// address goes bare.
inline QString apriGuidaPdf() {
    return u'"' + CartellaProgramma() + nomeGuidaPdf() + u'"';
}
inline QString apriEmail() {
    return QStringLiteral("\"mailto:") + emailAssistenza() + u'"';
}
inline QString apriSito() {
    return sitoWeb();
}

} // namespace Indirizzi
