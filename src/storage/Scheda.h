#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <type_traits>

// One specimen card as stored: 28 length-prefixed Windows-1252 fields packed into 3646 bytes.
enum class Campo {
    Titolo,
    Tipologia,
    Editore,
    Serie,
    Descrizione,
    Anno,
    Valore,
    Dimensioni,
    Carta,
    Rarita,
    Mittente,
    IndirizzoMit,
    Destinatario,
    IndirizzoDes,
    Testo,
    Data,
    Francobollo,
    Timbro,
    Stato,
    Luogo,
    Note,
    InVendita,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03
};

struct DefinizioneCampo {
    const char* nome;
    int larghezza; // capacity in bytes, without the length byte
    int offset;
};

inline constexpr int NumeroCampi = 28;
inline constexpr int NumeroCampiTesto = 21; // Titolo .. Note
inline constexpr int DimensioneScheda = 3646;

namespace dettaglio {
inline constexpr std::array<DefinizioneCampo, NumeroCampi> TabellaCampi = {{
    {"Titolo", 120, 0},         {"Tipologia", 50, 121},      {"Editore", 250, 172},
    {"Serie", 120, 423},        {"Descrizione", 250, 544},   {"Anno", 4, 795},
    {"Valore", 12, 800},        {"Dimensioni", 50, 813},     {"Carta", 120, 864},
    {"Rarita", 50, 985},        {"Mittente", 50, 1036},      {"IndirizzoMit", 120, 1087},
    {"Destinatario", 50, 1208}, {"IndirizzoDes", 120, 1259}, {"Testo", 250, 1380},
    {"Data", 50, 1631},         {"Francobollo", 50, 1682},   {"Timbro", 50, 1733},
    {"Stato", 50, 1784},        {"Luogo", 50, 1835},         {"Note", 250, 1886},
    {"InVendita", 2, 2137},     {"File01", 250, 2140},       {"File02", 250, 2391},
    {"File03", 250, 2642},      {"Desc01", 250, 2893},       {"Desc02", 250, 3144},
    {"Desc03", 250, 3395},
}};

constexpr bool tabellaContigua() {
    int atteso = 0;
    for (const auto& d : TabellaCampi) {
        if (d.offset != atteso)
            return false;
        atteso += d.larghezza + 1;
    }
    return atteso == DimensioneScheda;
}
static_assert(tabellaContigua(), "fields must be packed without gaps into 3646 bytes");

} // namespace dettaglio

constexpr const DefinizioneCampo& definizione(Campo c) {
    return dettaglio::TabellaCampi[static_cast<std::size_t>(c)];
}
inline constexpr Campo campo(int i) {
    return static_cast<Campo>(i);
}

class TScheda {
public:
    TScheda();

    // Read conversion: Windows-1252 to text, blanks up to U+0020 removed at both ends.
    QString testo(Campo c) const;
    // The stored text converted but not trimmed, as the search compares it.
    QString testoGrezzo(Campo c) const;
    // Write conversion: trimmed, Windows-1252, cut to the field's width.
    void impostaTesto(Campo c, const QString& valore);

    // A field's bytes without the blanks at both ends. Only bytes up to 0x20 read as characters up to
    // U+0020, so this is the stored form of testo(c), for scans that work on the bytes.
    struct Byte {
        const unsigned char* dati;
        int n;
    };
    Byte byteTagliati(Campo c) const {
        const auto* d = reinterpret_cast<const unsigned char*>(datiCampo(c));
        int inizio = 0, fine = lunghezza(c);
        while (inizio < fine && d[inizio] <= 0x20)
            ++inizio;
        while (fine > inizio && d[fine - 1] <= 0x20)
            --fine;
        return {d + inizio, fine - inizio};
    }

    // Stored length of a field; a length byte above the width counts as the width.
    int lunghezza(Campo c) const {
        const auto& d = definizione(c);
        return std::min<int>(static_cast<unsigned char>(byte[std::size_t(d.offset)]), d.larghezza);
    }
    const char* datiCampo(Campo c) const { return byte.data() + definizione(c).offset + 1; }

    bool inVendita() const; // the stored flag reads "Sì"
    void impostaInVendita(bool si);

    std::array<char, DimensioneScheda> byte;
};

static_assert(sizeof(TScheda) == DimensioneScheda && std::is_trivially_copyable_v<TScheda>,
              "a record is its stored bytes and nothing else");

bool operator==(const TScheda& a, const TScheda& b); // same texts; bytes behind a field's text are ignored
