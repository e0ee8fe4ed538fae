#pragma once

// The measuring instrument's common pieces: repeated runs, medians and ranges, peak memory, and the
// printed line of a case.

#include <QString>

#include <functional>
#include <vector>

struct Misura {
    std::vector<double> ms;  // wall-clock time of each run
    std::vector<double> cpu; // processor time of the process in each run (the machine may be busy)
    double piccoMB = 0;      // peak resident memory of the process during the runs

    double mediana() const;
    double medianaCpu() const;
    double minimo() const;
    double massimo() const;
};

// What a case gets: the program folder (already set as such), the catalogue and how many cards it holds,
// and how many timed runs to make.
struct Contesto {
    QString cartella;
    QString archivio;
    qint64 schede = 0;
    int volte = 7;
};

// Runs passo once untimed (caches warm, first-use allocations done) unless freddo, then `volte` times
// timed. The process's peak memory is reset before the runs.
Misura misura(int volte, const std::function<void()>& passo, bool freddo = false);

double piccoMemoriaMB(); // since the last azzeraPicco(), or since the start
void azzeraPicco();

// One line: the case, the median and range, cards per second (schede > 0), the peak, then note (ratios,
// targets).
void stampaRiga(const QString& caso, const Misura& m, qint64 schede, const QString& nota = {});

// A target: the figure, the limit and "ok" or "MISSED", e.g. "142.10 ms (≤ 150 ms) ok".
QString obiettivo(double valore, double limite, const char* unita);

// The catalogue size the next lines belong to; stampaRiga files each case's median under it, and
// stampaCrescita prints, for every case measured at two sizes, how much it grew.
void impostaCatalogo(qint64 schede);
void stampaCrescita();
