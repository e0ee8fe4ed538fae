#pragma once

#include <QString>

// The amount of the value field: read with a decimal comma, rounded to two decimals, written back with
// exactly two decimals ("12,345" -> "12,35", "" -> "0,00"). Text that is no number gives "0,00".
QString NormalizzaImporto(const QString& testo);

// Reads a number whose decimal separator is the comma; false when the text is not such a number.
bool LeggiImporto(const QString& testo, double& valore);

// Half up on the binary value, in extended precision; negative amounts round symmetrically.
double ArrotondaCentesimi(double v);
