#include "Scheda.h"

#include "Testo.h"

#include <algorithm>
#include <cstring>

TScheda::TScheda() {
    byte.fill(0);
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
