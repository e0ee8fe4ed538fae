#pragma once

#include <QString>

#include <array>
#include <cstddef>

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

const DefinizioneCampo& definizione(Campo c);
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

    // Stored length of a field; a length byte above the width counts as the width.
    int lunghezza(Campo c) const;
    const char* datiCampo(Campo c) const { return byte.data() + definizione(c).offset + 1; }

    bool inVendita() const; // the stored flag reads "Sì"
    void impostaInVendita(bool si);

    std::array<char, DimensioneScheda> byte;
};

bool operator==(const TScheda& a, const TScheda& b); // same texts; bytes behind a field's text are ignored
