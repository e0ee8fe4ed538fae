#include "Formato.h"

#include <QLocale>

namespace Formato {

QChar separatoreData() {
    const QString f = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : f)
        if (!c.isLetter() && c != u' ')
            return c;
    return u'/';
}

void fissa() {
    QLocale it(QLocale::Italian, QLocale::Italy);
    it.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(it);
}

QChar separatoreDecimale() {
    return u',';
}

QString data(const QDate& d) {
    const QChar s = separatoreData();
    return d.toString(QStringLiteral("dd") + s + QStringLiteral("MM") + s + QStringLiteral("yyyy"));
}

QString numeroGenerale(double v) {
    // Plain digits where 15 significant digits reach; otherwise mantissa and exponent ("1,5E20", "1E-5").
    QString t = QString::number(v, 'g', 15);
    const qsizetype e = t.indexOf(u'e');
    if (e >= 0) {
        const int esponente = t.mid(e + 1).toInt();
        t = t.left(e) + u'E' + QString::number(esponente);
    }
    t.replace(u'.', separatoreDecimale());
    return t;
}

} // namespace Formato
