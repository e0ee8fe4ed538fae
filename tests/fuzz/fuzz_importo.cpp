// The value field's amount as the user may type or paste it.
#include "Fuzz.h"

#include "editor/Importo.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const QString testo = QString::fromUtf8(reinterpret_cast<const char*>(dati), qsizetype(n));
    const QString normale = NormalizzaImporto(testo);
    FUZZ_VERIFICA(!normale.isEmpty());
    double v = 0;
    if (LeggiImporto(testo, v))
        FUZZ_VERIFICA(std::isfinite(ArrotondaCentesimi(v)));
    NormalizzaImporto(normale);
    return 0;
}
