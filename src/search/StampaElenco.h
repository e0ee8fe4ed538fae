#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
namespace Report {
class TReport;
}

// Printing a result list: the landscape "Riepilogo dati" report of the search window and of the
// for-sale list, one list line per printed line, in list order.
namespace StampaElenco {

inline constexpr const char* TitoloArchivio = "Riepilogo minerali in archivio"; // search window
inline constexpr const char* TitoloInVendita = "Riepilogo minerali in vendita"; // for-sale list

// The template, made afresh for each print.
std::unique_ptr<Report::TReport> creaRiepilogoDati();

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss", with the system's separators.
QString testoDataStampa(const QDateTime& quando);

// Title, print date and lines into the template, with the heights the lines need.
void riempi(Report::TReport& r, const QString& titolo, const QStringList& righe, const QDateTime& quando);

// The "Stampa" button: prepares the report and prints it through the print dialog. A cancelled dialog
// prints nothing; a failure of the engine is reported in an error box.
void stampa(QWidget* parent, const QString& titolo, const QStringList& righe);

} // namespace StampaElenco
