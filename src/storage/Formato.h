#pragma once

#include <QDate>
#include <QString>

// Process-wide formatting: decimal comma and day/month/year dates with the system's date separator,
// whatever the regional settings say. Code that shows amounts or dates asks here, never the locale.
namespace Formato {

void fissa();
QChar separatoreDecimale();
QChar separatoreData();
QString data(const QDate& d);     // dd/mm/yyyy with the system's separator
QString numeroGenerale(double v); // up to 15 significant digits, comma, no thousands, no trailing zeros

} // namespace Formato
