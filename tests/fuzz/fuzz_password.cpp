// The password store's text and the unscrambling: any bytes parse, and a change always reads back.
#include "Fuzz.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const QByteArray contenuto(reinterpret_cast<const char*>(dati), qsizetype(n));
    PasswordDaContenuto(contenuto);

    const QByteArray cambiato = ArchivioConValore(contenuto, "6534");
    FUZZ_VERIFICA(ValoreInArchivio(cambiato) == "6534");
    // Only one line changed, or one was added: what differs between the two texts lies inside one old line.
    qsizetype prima = 0;
    while (prima < contenuto.size() && prima < cambiato.size() && contenuto[prima] == cambiato[prima])
        ++prima;
    qsizetype dopo = 0;
    while (dopo < contenuto.size() - prima && dopo < cambiato.size() - prima &&
           contenuto[contenuto.size() - 1 - dopo] == cambiato[cambiato.size() - 1 - dopo])
        ++dopo;
    const QByteArray tolto = contenuto.mid(prima, contenuto.size() - prima - dopo);
    FUZZ_VERIFICA(!tolto.contains('\n') && !tolto.contains('\r'));

    const QString esadecimale = QString::fromLatin1(contenuto);
    const std::optional<QString> chiaro = Decodifica(esadecimale);
    if (chiaro) {
        FUZZ_VERIFICA(chiaro->size() == esadecimale.size() / 2);
        FUZZ_VERIFICA(Codifica(*chiaro) == esadecimale.left(chiaro->size() * 2).toUpper());
    }
    return 0;
}
