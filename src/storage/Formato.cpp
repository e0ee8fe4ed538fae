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

QChar separatoreDecimale() { return u','; }

QString data(const QDate& d) {
    const QChar s = separatoreData();
    return d.toString(QStringLiteral("dd") + s + QStringLiteral("MM") + s + QStringLiteral("yyyy"));
}

QString numeroGenerale(double v) {
    QString t = QString::number(v, 'g', 15);
    if (t.contains(u'e')) {
        // The general format writes plain digits where 15 significant digits allow it.
        t = QString::number(v, 'f', 15 - 1);
        if (t.contains(u'.')) {
            while (t.endsWith(u'0'))
                t.chop(1);
            if (t.endsWith(u'.'))
                t.chop(1);
        }
    }
    t.replace(u'.', separatoreDecimale());
    return t;
}

} // namespace Formato
