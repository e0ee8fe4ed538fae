#include "LunghezzaMassima.h"

#include <QLineEdit>

TLunghezzaMassima::TLunghezzaMassima(QLineEdit* c, int m) : QValidator(c), ultimo(c->text()), limite(m) {
    connect(c, &QLineEdit::textChanged, this, [this](const QString& t) { ultimo = t; });
}

QValidator::State TLunghezzaMassima::validate(QString& input, int& pos) const {
    const QString& prima = ultimo;
    if (sospeso || input.size() <= limite || input.size() <= prima.size())
        return Acceptable;
    // The inserted part lies between the common prefix and the common suffix of the old and new text.
    qsizetype inizio = 0;
    while (inizio < prima.size() && input[inizio] == prima[inizio])
        ++inizio;
    qsizetype coda = 0;
    while (coda < prima.size() - inizio && input[input.size() - 1 - coda] == prima[prima.size() - 1 - coda])
        ++coda;
    const qsizetype inserito = input.size() - inizio - coda;
    const qsizetype ammesso =
        std::max<qsizetype>(0, limite - (prima.size() - (prima.size() - inizio - coda)));
    const qsizetype taglio = inserito - std::min(inserito, ammesso);
    input.remove(inizio + std::min(inserito, ammesso), taglio);
    pos = int(std::min<qsizetype>(pos, inizio + std::min(inserito, ammesso)));
    return Acceptable;
}

void TLunghezzaMassima::impostaTesto(QLineEdit* campo, const QString& testo) {
    auto* v = qobject_cast<TLunghezzaMassima*>(const_cast<QValidator*>(campo->validator()));
    if (v)
        v->sospeso = true;
    campo->setText(testo);
    if (v)
        v->sospeso = false;
}
