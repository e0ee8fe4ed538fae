#pragma once

// Deterministic, realistic catalogues for the benchmark: the same cards for the same count, every run.

#include <QString>

// Writes `schede` cards to percorso (replacing it). Species and groups, localities, years from 1900 to
// 2024, values, notes, a quarter of the cards for sale and a few accented letters on every card.
void creaCatalogo(const QString& percorso, qint64 schede);

// The two filters of the search case: about 24 % of the cards have both.
inline constexpr const char* GruppoCercato = "silicati";
inline constexpr const char* AnnoCercato = "19";
