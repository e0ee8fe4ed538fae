#include "search/Elenco.h"

#include "storage/Archivio.h"
#include "storage/Testo.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The scans below work on the stored bytes wherever the rules allow it: a whole catalogue is read for
// every search, and decoding each field into a string first costs more than reading the file.

namespace {

constexpr char16_t minuscola(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

constexpr unsigned char minuscolaByte(unsigned char b) {
    return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + 32) : b;
}

// A column of the list line: the text cut or padded with blanks to its width.
char16_t* colonna(char16_t* out, TScheda::Byte p, int larghezza) {
    const int n = std::min(p.n, larghezza);
    int i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time while they are below 0x80, which read as the same code.
    for (; i + 16 <= n; i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p.dati + i));
        if (_mm_movemask_epi8(b) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(b, _mm_setzero_si128()));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(b, _mm_setzero_si128()));
    }
#endif
    for (; i < n; ++i)
        out[i] = Testo::carattereCp1252(p.dati[i]);
    std::fill(out + n, out + larghezza, u' ');
    return out + larghezza;
}

template <std::size_t N> char16_t* letterale(char16_t* out, const char16_t (&testo)[N]) {
    std::memcpy(out, testo, (N - 1) * sizeof(char16_t));
    return out + (N - 1);
}

constexpr int LarghezzaFissa = 40 + 10 + 30 + 9 + 40 + 8 + 4 + 4; // every column before the value
constexpr int LarghezzaMassima = LarghezzaFissa + 12;             // the value is at most 12 bytes

// Writes the list line of r into out, which has room for LarghezzaFissa + the trimmed value's length.
void rigaIn(const TScheda& r, const TScheda::Byte& valore, char16_t* out) {
    char16_t* o = out;
    o = colonna(o, r.byteTagliati(Campo::Titolo), 40);
    o = letterale(o, u"  Gruppo: ");
    o = colonna(o, r.byteTagliati(Campo::Tipologia), 30);
    o = letterale(o, u"  Luogo: ");
    o = colonna(o, r.byteTagliati(Campo::Editore), 40);
    o = letterale(o, u"  Anno: ");
    o = colonna(o, r.byteTagliati(Campo::Anno), 4);
    o = letterale(o, u"  € ");
    colonna(o, valore, valore.n);
}

QStringView senzaSpazi(QStringView s) {
    qsizetype inizio = 0, fine = s.size();
    while (inizio < fine && Testo::eSpazio(s[inizio]))
        ++inizio;
    while (fine > inizio && Testo::eSpazio(s[fine - 1]))
        --fine;
    return s.mid(inizio, fine - inizio);
}

// The first position from `da` where the first two characters of a match may start: c0 (and c1 at the
// next position, when due) or their upper-case twins when they are a-z.
qsizetype candidato(const char16_t* t, qsizetype da, qsizetype fine, char16_t c0, char16_t c1, bool due) {
    auto lettera = [](char16_t c) { return c >= u'a' && c <= u'z'; };
    auto uguale = [&](char16_t x, char16_t c) { return x == c || (lettera(c) && x == c - 32); };
    qsizetype i = da;
#ifdef __SSE2__
    // Eight positions at a time: a letter is compared with the 0x20 bit set, which folds A-Z onto a-z
    // and nothing else onto a letter. The second character is read one position on, inside the text
    // since a match of two or more characters ends at fine or later.
    const __m128i k0 = _mm_set1_epi16(short(c0)), p0 = _mm_set1_epi16(lettera(c0) ? 0x20 : 0);
    const __m128i k1 = _mm_set1_epi16(short(c1)), p1 = _mm_set1_epi16(lettera(c1) ? 0x20 : 0);
    for (; i + 8 <= fine; i += 8) {
        const auto* p = reinterpret_cast<const __m128i*>(t + i);
        __m128i uguali = _mm_cmpeq_epi16(_mm_or_si128(_mm_loadu_si128(p), p0), k0);
        if (due)
            uguali = _mm_and_si128(
                uguali,
                _mm_cmpeq_epi16(
                    _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + 1)), p1), k1));
        const int maschera = _mm_movemask_epi8(uguali);
        if (maschera != 0)
            return i + std::countr_zero(unsigned(maschera)) / 2;
    }
#endif
    for (; i < fine; ++i)
        if (uguale(t[i], c0) && (!due || uguale(t[i + 1], c1)))
            return i;
    return -1;
}

// The line order's key of one line as bytes that compare as its folded UTF-16 code units do: a unit
// below 0xFF is one byte, any other is 0xFF and its two bytes, high first. A byte string then sorts
// before another exactly when the units do, a shorter prefix first. Writes at most 3 bytes a unit;
// returns the end.
unsigned char* chiaveIn(unsigned char* out, QStringView riga) {
    auto unita = [&out](char16_t u) {
        if (u < 0xFF) {
            *out++ = static_cast<unsigned char>(u >= u'a' && u <= u'z' ? u - 32 : u);
        } else {
            *out++ = 0xFF;
            *out++ = static_cast<unsigned char>(u >> 8);
            *out++ = static_cast<unsigned char>(u & 0xFF);
        }
    };
    const auto* t = reinterpret_cast<const char16_t*>(riga.data());
    const qsizetype n = riga.size();
    qsizetype i = 0;
#ifdef __SSE2__
    // Eight units at a time when all are below 0x80 (the usual case): a-z raised by clearing their 0x20
    // bit, then packed one byte each.
    const __m128i a1 = _mm_set1_epi16(u'a' - 1), z1 = _mm_set1_epi16(u'z' + 1);
    const __m128i alti = _mm_set1_epi16(short(0xFF80)), bit = _mm_set1_epi16(0x20);
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, alti), _mm_setzero_si128())) != 0xFFFF) {
            for (qsizetype j = i; j < i + 8; ++j)
                unita(t[j]);
            continue;
        }
        const __m128i lettere = _mm_and_si128(_mm_cmpgt_epi16(v, a1), _mm_cmplt_epi16(v, z1));
        const __m128i piegati = _mm_andnot_si128(_mm_and_si128(lettere, bit), v);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(piegati, piegati));
        out += 8;
    }
#endif
    for (; i < n; ++i)
        unita(t[i]);
    return out;
}

// Whether the bytes, A-Z lowered on the fly, hold termine. Fields are short: a plain loop beats a
// library search, whose setup costs more than the search itself.
bool contieneByte(const unsigned char* testo, int n, const QByteArray& termine) {
    const auto* k = reinterpret_cast<const unsigned char*>(termine.constData());
    const int m = int(termine.size());
    for (int i = 0; i + m <= n; ++i) {
        if (minuscolaByte(testo[i]) != k[0])
            continue;
        int j = 1;
        while (j < m && minuscolaByte(testo[i + j]) == k[j])
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

// Sorting the keys: most lines of a list share long stretches (a name padded to its column, the same
// group and locality), so the keys are sorted eight bytes at a time, from the most significant, and a
// stretch that every key of a group shares is stepped over at once instead of being compared again
// and again.
struct Chiavi {
    std::vector<unsigned char> byte;
    std::vector<std::size_t> inizio, lunghezza;
};

struct Voce {
    quint64 parola;   // the key's eight bytes at the current depth, big-endian, zero-padded
    quint32 indice;   // of the line
    quint32 restanti; // how many of those eight bytes the key really has
};

// The keys of a group lie all over the buffer: asking for the ones a few places ahead lets their reads
// overlap instead of waiting for each in turn.
constexpr std::size_t Anticipo = 8;

inline void anticipa(const Chiavi& k, const Voce& v, std::size_t profondita) {
#ifdef __GNUC__
    __builtin_prefetch(k.byte.data() + k.inizio[v.indice] + std::min(profondita, k.lunghezza[v.indice]));
#else
    (void)k, (void)v, (void)profondita;
#endif
}

// How many of the first n bytes of a and b are equal, compared eight at a time.
std::size_t ugualiIniziali(const unsigned char* a, const unsigned char* b, std::size_t n) {
    std::size_t p = 0;
    for (; p + 8 <= n; p += 8) {
        const quint64 x = qFromLittleEndian<quint64>(a + p) ^ qFromLittleEndian<quint64>(b + p);
        if (x != 0)
            return p + std::size_t(std::countr_zero(x)) / 8;
    }
    while (p < n && a[p] == b[p])
        ++p;
    return p;
}

// A large group by its words, a byte at a time from the least significant (radix sort). The group
// comes in the order of its lines, and every pass keeps the order of equal digits, so equal words end
// in the order of their lines too. A pass where every word has the same digit is skipped.
void ordinaParole(Voce* v, std::size_t n, Voce* appoggio) {
    std::size_t conta[9][256] = {};
    for (std::size_t i = 0; i < n; ++i) {
        ++conta[0][v[i].restanti];
        for (int b = 0; b < 8; ++b)
            ++conta[b + 1][(v[i].parola >> (8 * b)) & 0xFF];
    }
    Voce* da = v;
    Voce* a = appoggio;
    for (int passo = 0; passo < 9; ++passo) {
        std::size_t* c = conta[passo];
        auto cifra = [passo](const Voce& x) {
            return passo == 0 ? std::size_t(x.restanti) : std::size_t((x.parola >> (8 * (passo - 1))) & 0xFF);
        };
        if (c[cifra(da[0])] == n)
            continue;
        std::size_t somma = 0;
        for (std::size_t d = 0; d < 256; ++d) {
            const std::size_t k = c[d];
            c[d] = somma;
            somma += k;
        }
        for (std::size_t i = 0; i < n; ++i)
            a[c[cifra(da[i])]++] = da[i];
        std::swap(da, a);
    }
    if (da != v)
        std::copy(da, da + n, v);
}

void ordinaDa(const Chiavi& k, Voce* v, std::size_t n, std::size_t profondita, Voce* appoggio) {
    for (std::size_t i = 0; i < n; ++i) {
        if (i + Anticipo < n)
            anticipa(k, v[i + Anticipo], profondita);
        const std::size_t lunghezza = k.lunghezza[v[i].indice];
        const std::size_t restanti =
            lunghezza > profondita ? std::min<std::size_t>(lunghezza - profondita, 8) : 0;
        quint64 parola =
            qFromBigEndian<quint64>(k.byte.data() + k.inizio[v[i].indice] + std::min(profondita, lunghezza));
        if (restanti < 8)
            parola = restanti == 0 ? 0 : parola & ~(~quint64(0) >> (8 * restanti));
        v[i].parola = parola;
        v[i].restanti = quint32(restanti);
    }
    // A key that ends sorts before the longer ones it begins; keys that are equal to the end keep the
    // order of their lines.
    if (n >= 256) {
        ordinaParole(v, n, appoggio);
    } else {
        std::sort(v, v + n, [](const Voce& a, const Voce& b) {
            if (a.parola != b.parola)
                return a.parola < b.parola;
            if (a.restanti != b.restanti)
                return a.restanti < b.restanti;
            return a.indice < b.indice;
        });
    }
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i + 1;
        while (j < n && v[j].parola == v[i].parola && v[j].restanti == v[i].restanti)
            ++j;
        if (j - i > 1 && v[i].restanti == 8) {
            // The group goes on past these eight bytes: step over what all of its keys share.
            const std::size_t da = profondita + 8;
            const unsigned char* primo = k.byte.data() + k.inizio[v[i].indice];
            std::size_t comune = k.lunghezza[v[i].indice] - std::min(da, k.lunghezza[v[i].indice]);
            for (std::size_t g = i + 1; g < j && comune > 0; ++g) {
                if (g + Anticipo < j)
                    anticipa(k, v[g + Anticipo], da);
                const std::size_t l = k.lunghezza[v[g].indice];
                comune = std::min(comune, l > da ? l - da : 0);
                comune = ugualiIniziali(primo + da, k.byte.data() + k.inizio[v[g].indice] + da, comune);
            }
            ordinaDa(k, v + i, j - i, da + comune, appoggio + i);
        }
        i = j;
    }
}

} // namespace

QString subRigaElenco(const TScheda& r) {
    const TScheda::Byte valore = r.byteTagliati(Campo::Valore);
    QString riga(LarghezzaFissa + valore.n, Qt::Uninitialized);
    rigaIn(r, valore, reinterpret_cast<char16_t*>(riga.data()));
    return riga;
}

bool contieneAZ(QStringView testo, QStringView termine) {
    const qsizetype n = testo.size(), m = termine.size();
    if (m == 0 || m > n)
        return false;
    const auto* t = reinterpret_cast<const char16_t*>(testo.data());
    const auto* k = reinterpret_cast<const char16_t*>(termine.data());
    for (qsizetype j = 0; j < m; ++j)
        if (k[j] >= u'A' && k[j] <= u'Z') // no folded character is an upper-case one
            return false;
    const bool due = m >= 2;
    // Folding on the fly: no copy of the text per record or per list line.
    for (qsizetype i = 0; (i = candidato(t, i, n - m + 1, k[0], due ? k[1] : 0, due)) >= 0; ++i) {
        qsizetype j = due ? 2 : 1;
        while (j < m && minuscola(t[i + j]) == k[j])
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

TRicerca::TRicerca(const QList<FiltroRicerca>& filtri) {
    for (const auto& f : filtri) {
        if (Testo::taglia(f.testo).isEmpty())
            continue;
        ++compilati;
        // A field holds Windows-1252 bytes and both sides are lowered A-Z only, so the lowered filter is
        // looked for as bytes in the field's bytes with A-Z lowered. A character that no byte reads as
        // can never be in a field: such a filter matches no card.
        const QString testo = Testo::minuscoleAZ(f.testo);
        QByteArray byte;
        byte.reserve(testo.size());
        for (const QChar c : testo) {
            const int b = Testo::byteCp1252(c.unicode());
            if (b < 0) {
                impossibile = true;
                break;
            }
            byte.append(char(b));
        }
        cercati.push_back({f.campo, std::move(byte)});
    }
}

bool TRicerca::corrisponde(const TScheda& r) const {
    if (impossibile)
        return false;
    for (const auto& f : cercati)
        if (!contieneByte(reinterpret_cast<const unsigned char*>(r.datiCampo(f.campo)), r.lunghezza(f.campo),
                          f.byte))
            return false;
    return true;
}

bool eInVendita(const TScheda& r) {
    const TScheda::Byte p = r.byteTagliati(Campo::InVendita);
    return !(p.n == 2 && p.dati[0] == 'N' && p.dati[1] == 'o');
}

void ordinaElenco(QStringList& righe) {
    const qsizetype n = righe.size();
    if (n < 2)
        return;
    if (n > qsizetype(std::numeric_limits<quint32>::max())) {
        std::stable_sort(righe.begin(), righe.end(), [](const QString& a, const QString& b) {
            return Testo::maiuscoleAZ(a) < Testo::maiuscoleAZ(b);
        });
        return;
    }
    // The folded keys of all lines in one buffer (8 bytes of slack at the end for the word reads).
    std::size_t stima = 8;
    for (const QString& r : righe)
        stima += std::size_t(r.size()) + 2; // the euro sign of a list line takes two more
    Chiavi chiavi;
    chiavi.byte.reserve(stima);
    chiavi.inizio.resize(std::size_t(n));
    chiavi.lunghezza.resize(std::size_t(n));
    unsigned char appoggio[3 * 512];
    std::vector<unsigned char> lunga;
    for (qsizetype i = 0; i < n; ++i) {
        const QString& riga = righe.at(i);
        unsigned char* out = appoggio;
        if (std::size_t(riga.size()) > sizeof appoggio / 3) {
            lunga.resize(3 * std::size_t(riga.size()));
            out = lunga.data();
        }
        const std::size_t lunghezza = std::size_t(chiaveIn(out, riga) - out);
        chiavi.inizio[std::size_t(i)] = chiavi.byte.size();
        chiavi.lunghezza[std::size_t(i)] = lunghezza;
        chiavi.byte.insert(chiavi.byte.end(), out, out + lunghezza);
    }
    chiavi.byte.insert(chiavi.byte.end(), 8, 0);

    std::vector<Voce> voci(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        voci[std::size_t(i)].indice = quint32(i);
    std::vector<Voce> riserva(voci.size());
    ordinaDa(chiavi, voci.data(), voci.size(), 0, riserva.data());

    QStringList ordinate;
    ordinate.reserve(n);
    for (const Voce& v : voci)
        ordinate.append(std::move(righe[v.indice]));
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
#ifdef __GNUC__
        // The lines lie wherever they were made, not in list order: ask for the next ones early.
        __builtin_prefetch(righe[(i + 4) % n].constData());
#endif
        if (contieneAZ(righe[i], termine))
            return i;
    }
    return selezione;
}

void raccogliRighe(TArchivio& archivio, const std::function<bool(const TScheda&)>& accetta,
                   QStringList& righe) {
    while (!archivio.FineArchivio()) {
        const TScheda& r = archivio.LeggiVista();
        if (accetta(r))
            righe.append(subRigaElenco(r));
    }
}

void schedeConRiga(TArchivio& archivio, const QString& riga,
                   const std::function<void(const TScheda&, qint64)>& consegna) {
    const QString cercata = Testo::taglia(riga);
    char16_t buffer[LarghezzaMassima];
    while (!archivio.FineArchivio()) {
        const TScheda& r = archivio.LeggiVista();
        // A card with a name has a line that starts with it: most cards differ there already.
        const TScheda::Byte titolo = r.byteTagliati(Campo::Titolo);
        if (titolo.n > 0) {
            const int k = std::min(titolo.n, 40);
            if (cercata.size() < k)
                continue;
            const char16_t* c = reinterpret_cast<const char16_t*>(cercata.constData());
            int i = 0;
            while (i < k && Testo::carattereCp1252(titolo.dati[i]) == c[i])
                ++i;
            if (i < k)
                continue;
        }
        const TScheda::Byte valore = r.byteTagliati(Campo::Valore);
        rigaIn(r, valore, buffer);
        if (senzaSpazi(QStringView(buffer, LarghezzaFissa + valore.n)) == cercata)
            consegna(r, archivio.Posizione());
    }
}
