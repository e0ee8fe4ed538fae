#include "Importo.h"

#include "storage/Formato.h"
#include "storage/Testo.h"

#include <QRegularExpression>

#include <cmath>

bool LeggiImporto(const QString& testo, double& valore) {
    // Optional sign, digits with at most one comma (which may come first or last), optional exponent.
    static const QRegularExpression forma(QStringLiteral(R"(^([+-]?)(\d*),?(\d*)(?:[eE]([+-]?\d+))?$)"));
    const QString t = Testo::taglia(testo);
    const auto m = forma.match(t);
    if (!m.hasMatch() || (m.capturedLength(2) == 0 && m.capturedLength(3) == 0 && !t.contains(u',')))
        return false;
    QString c = m.captured(1) + (m.capturedLength(2) ? m.captured(2) : QStringLiteral("0")) + u'.' +
                (m.capturedLength(3) ? m.captured(3) : QStringLiteral("0"));
    if (m.capturedLength(4))
        c += u'e' + m.captured(4);
    bool ok = false;
    valore = c.toDouble(&ok); // QString::toDouble reads the C locale: '.' as separator
    return ok && std::isfinite(valore);
}

double ArrotondaCentesimi(double v) {
    if (v < 0)
        return -ArrotondaCentesimi(-v);
    // The product and the sum in 80-bit extended precision: the binary form of the value decides halves.
    const long double cento = 100.0L;
    const long double t = std::trunc(static_cast<long double>(v) * cento + 0.5L);
    return static_cast<double>(t / cento);
}

QString NormalizzaImporto(const QString& testo) {
    const QString zero = QStringLiteral("0,00");
    if (Testo::taglia(testo).isEmpty())
        return zero;
    double v = 0;
    if (!LeggiImporto(testo, v))
        return zero;
    QString t = Formato::numeroGenerale(ArrotondaCentesimi(v));
    if (!t.contains(Formato::separatoreDecimale()))
        t += QStringLiteral(",00");
    if (t.size() >= 2 && t.at(t.size() - 2) == Formato::separatoreDecimale() && t.back().isDigit())
        t += u'0';
    return t;
}
