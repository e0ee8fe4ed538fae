#include "Scheda.h"

#include "Testo.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::array<DefinizioneCampo, NumeroCampi> tabella = {{
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
    for (const auto& d : tabella) {
        if (d.offset != atteso)
            return false;
        atteso += d.larghezza + 1;
    }
    return atteso == DimensioneScheda;
}
static_assert(tabellaContigua(), "fields must be packed without gaps into 3646 bytes");

} // namespace

const DefinizioneCampo& definizione(Campo c) {
    return tabella[static_cast<std::size_t>(c)];
}

TScheda::TScheda() {
    byte.fill(0);
}

int TScheda::lunghezza(Campo c) const {
    const auto& d = definizione(c);
    return std::min<int>(static_cast<unsigned char>(byte[d.offset]), d.larghezza);
}

QString TScheda::testoGrezzo(Campo c) const {
    return Testo::daCp1252(datiCampo(c), lunghezza(c));
}

QString TScheda::testo(Campo c) const {
    return Testo::taglia(testoGrezzo(c));
}

void TScheda::impostaTesto(Campo c, const QString& valore) {
    const auto& d = definizione(c);
    const QByteArray b = Testo::aCp1252(Testo::taglia(valore)).left(d.larghezza);
    char* campo = byte.data() + d.offset;
    std::memset(campo, 0, d.larghezza + 1);
    campo[0] = char(b.size());
    std::memcpy(campo + 1, b.constData(), b.size());
}

bool TScheda::inVendita() const {
    return testo(Campo::InVendita) == QStringLiteral("Sì");
}

void TScheda::impostaInVendita(bool si) {
    impostaTesto(Campo::InVendita, si ? QStringLiteral("Sì") : QStringLiteral("No"));
}

bool operator==(const TScheda& a, const TScheda& b) {
    for (int i = 0; i < NumeroCampi; ++i) {
        const Campo c = campo(i);
        const int n = a.lunghezza(c);
        if (n != b.lunghezza(c) || std::memcmp(a.datiCampo(c), b.datiCampo(c), n) != 0)
            return false;
    }
    return true;
}
