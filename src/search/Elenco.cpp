#include "search/Elenco.h"

#include "storage/Archivio.h"
#include "storage/Testo.h"

#include <algorithm>
#include <vector>

namespace {

QString colonna(const QString& testo, int larghezza) {
    return testo.leftJustified(larghezza, u' ', true);
}

constexpr char16_t minuscola(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

} // namespace

QString subRigaElenco(const TScheda& r) {
    QString riga;
    riga.reserve(160);
    riga += colonna(r.testo(Campo::Titolo), 40);
    riga += u"  Gruppo: ";
    riga += colonna(r.testo(Campo::Tipologia), 30);
    riga += u"  Luogo: ";
    riga += colonna(r.testo(Campo::Editore), 40);
    riga += u"  Anno: ";
    riga += colonna(r.testo(Campo::Anno), 4);
    riga += u"  € ";
    riga += r.testo(Campo::Valore);
    return riga;
}

bool contieneAZ(QStringView testo, QStringView termine) {
    const qsizetype n = testo.size(), m = termine.size();
    if (m == 0 || m > n)
        return false;
    // Folding on the fly: no copy of the text per record or per list line.
    for (qsizetype i = 0; i + m <= n; ++i) {
        qsizetype j = 0;
        while (j < m && minuscola(testo[i + j].unicode()) == termine[j].unicode())
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

TRicerca::TRicerca(const QList<FiltroRicerca>& filtri) {
    for (const auto& f : filtri)
        if (!Testo::taglia(f.testo).isEmpty())
            compilati.append({f.campo, Testo::minuscoleAZ(f.testo)});
}

bool TRicerca::corrisponde(const TScheda& r) const {
    for (const auto& f : compilati)
        if (!contieneAZ(r.testoGrezzo(f.campo), f.testo))
            return false;
    return true;
}

bool eInVendita(const TScheda& r) {
    return r.testo(Campo::InVendita) != QStringLiteral("No");
}

void ordinaElenco(QStringList& righe) {
    // Folded once per line rather than on every comparison; QString compares UTF-16 code units.
    std::vector<std::pair<QString, qsizetype>> chiavi;
    chiavi.reserve(std::size_t(righe.size()));
    for (qsizetype i = 0; i < righe.size(); ++i)
        chiavi.emplace_back(Testo::maiuscoleAZ(righe.at(i)), i);
    std::stable_sort(chiavi.begin(), chiavi.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList ordinate;
    ordinate.reserve(righe.size());
    for (const auto& c : chiavi)
        ordinate.append(righe.at(c.second));
    righe = std::move(ordinate);
}

int subTrovaInElenco(const QStringList& righe, int selezione, const QString& testoTrova,
                     QString& ultimoTermine) {
    const int n = int(righe.size());
    if (n == 0)
        return -1;
    if (selezione < 0 || selezione >= n)
        selezione = 0;
    const QString termine = Testo::minuscoleAZ(testoTrova);
    // The same term continues after the selected line; a new one starts again from the top.
    const int primo = termine == ultimoTermine ? (selezione + 1) % n : 0;
    ultimoTermine = termine;
    for (int k = 0; k < n; ++k) {
        const int i = (primo + k) % n;
        if (contieneAZ(righe[i], termine))
            return i;
    }
    return selezione;
}

void raccogliRighe(TArchivio& archivio, const std::function<bool(const TScheda&)>& accetta,
                   QStringList& righe) {
    TScheda r;
    while (!archivio.FineArchivio()) {
        archivio.Leggi(r);
        if (accetta(r))
            righe.append(subRigaElenco(r));
    }
}

void schedeConRiga(TArchivio& archivio, const QString& riga,
                   const std::function<void(const TScheda&, qint64)>& consegna) {
    const QString cercata = Testo::taglia(riga);
    TScheda r;
    while (!archivio.FineArchivio()) {
        archivio.Leggi(r);
        if (Testo::taglia(subRigaElenco(r)) == cercata)
            consegna(r, archivio.Posizione());
    }
}
