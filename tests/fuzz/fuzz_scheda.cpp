// A record as any program may have written it: every field read, its list line and the list rules.
#include "Fuzz.h"

#include "search/Elenco.h"
#include "storage/Scheda.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    TScheda s;
    std::fill(s.byte.begin(), s.byte.end(), 0);
    std::copy_n(dati, std::min<std::size_t>(n, DimensioneScheda), s.byte.begin());
    for (int i = 0; i < NumeroCampi; ++i) {
        const QString t = s.testo(campo(i));
        FUZZ_VERIFICA(t.size() <= definizione(campo(i)).larghezza);
        FUZZ_VERIFICA(t.isEmpty() || (t.front().unicode() > 0x20 && t.back().unicode() > 0x20));
    }
    const QString riga = subRigaElenco(s);
    FUZZ_VERIFICA(!riga.isEmpty());
    eInVendita(s);
    // Bytes past the record become a search filter on a field they choose.
    if (n > DimensioneScheda + 1) {
        const auto c = campo(int(dati[DimensioneScheda] % NumeroCampiTesto));
        const QString testo = QString::fromLatin1(reinterpret_cast<const char*>(dati) + DimensioneScheda + 1,
                                                  qsizetype(n - DimensioneScheda - 1));
        TRicerca(QList<FiltroRicerca>{{c, testo}}).corrisponde(s);
        QStringList righe{riga, testo, riga.toLower()};
        ordinaElenco(righe);
        QString ultimo;
        const int trovata = subTrovaInElenco(righe, 0, testo, ultimo);
        FUZZ_VERIFICA(trovata >= 0 && trovata < righe.size());
    }
    return 0;
}
