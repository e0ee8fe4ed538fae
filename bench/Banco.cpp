#include "Banco.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

struct Voce {
    QString caso;
    qint64 schede;
    double mediana;
};
std::vector<Voce> voci;
qint64 catalogo = 0;

std::vector<double> ordinati(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v;
}

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

double medianaDi(const std::vector<double>& valori) {
    if (valori.empty())
        return 0;
    const auto v = ordinati(valori);
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Misura::mediana() const {
    return medianaDi(ms);
}

double Misura::medianaCpu() const {
    return medianaDi(cpu);
}

double Misura::minimo() const {
    return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end());
}

double Misura::massimo() const {
    return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
}

double piccoMemoriaMB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("VmHWM:"))
            return riga.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

void azzeraPicco() {
    // Linux: 5 resets the peak resident set to the current one.
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

Misura misura(int volte, const std::function<void()>& passo, bool freddo) {
    if (!freddo)
        passo();
    Misura m;
    azzeraPicco();
    for (int i = 0; i < volte; ++i) {
        QElapsedTimer t;
        const double c0 = cpuMs();
        t.start();
        passo();
        m.ms.push_back(double(t.nsecsElapsed()) / 1e6);
        m.cpu.push_back(cpuMs() - c0);
    }
    m.piccoMB = piccoMemoriaMB();
    return m;
}

void stampaRiga(const QString& caso, const Misura& m, qint64 schede, const QString& nota) {
    QString riga = QStringLiteral("%1  %2 ms [%3–%4]")
                       .arg(caso, -52)
                       .arg(m.mediana(), 9, 'f', 2)
                       .arg(m.minimo(), 0, 'f', 2)
                       .arg(m.massimo(), 0, 'f', 2);
    if (!m.cpu.empty())
        riga += QStringLiteral(" cpu %1").arg(m.medianaCpu(), 0, 'f', 2);
    if (schede > 0 && m.mediana() > 0)
        riga += QStringLiteral("  %1 cards/s").arg(double(schede) / m.mediana() * 1000, 0, 'f', 0);
    riga += QStringLiteral("  peak %1 MB").arg(m.piccoMB, 0, 'f', 0);
    if (!nota.isEmpty())
        riga += QStringLiteral("  ") + nota;
    std::printf("%s\n", riga.toUtf8().constData());
    if (schede > 0)
        voci.push_back({caso, catalogo, m.mediana()});
    std::fflush(stdout);
}

QString obiettivo(double valore, double limite, const char* unita) {
    return QStringLiteral("%1 %2 (≤ %3 %2) %4")
        .arg(valore, 0, 'f', 2)
        .arg(QString::fromUtf8(unita))
        .arg(limite, 0, 'g', 4)
        .arg(valore <= limite ? QStringLiteral("ok") : QStringLiteral("MISSED"));
}

void impostaCatalogo(qint64 schede) {
    catalogo = schede;
}

void stampaCrescita() {
    bool titolo = false;
    for (std::size_t i = 0; i < voci.size(); ++i)
        for (std::size_t j = i + 1; j < voci.size(); ++j) {
            const Voce &a = voci[i], &b = voci[j];
            if (a.caso != b.caso || a.schede >= b.schede || a.mediana <= 0)
                continue;
            if (!titolo) {
                std::printf("\n== growth from the smaller catalogue to the larger (target 8–12 × for 10 × "
                            "the cards)\n");
                titolo = true;
            }
            const double g = b.mediana / a.mediana;
            const double attesa = double(b.schede) / double(a.schede);
            const char* esito = a.caso.startsWith(u'(')                  ? "(baseline)"
                                : g >= 0.8 * attesa && g <= 1.2 * attesa ? "ok"
                                                                         : "MISSED";
            std::printf("%-52s  %6.2f ×  %s\n", a.caso.toUtf8().constData(), g, esito);
        }
    std::fflush(stdout);
}
