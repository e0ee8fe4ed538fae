#include "PassoSlideShow.h"

#include "storage/Archivio.h"
#include "storage/Scheda.h"

TPassoSlideShow TPassoSlideShow::avanza(const QString& archivio, const QString& posizione) {
    TArchivio a;
    a.ApriOCrea(archivio);
    // The label only ever holds what an earlier step wrote; anything else starts from the first card.
    bool ok = false;
    qint64 corrente = posizione.toLongLong(&ok);
    if (!ok || corrente < 0)
        corrente = 0;
    const qint64 numero = a.NumeroSchede();
    if (numero == 0)
        return {Esito::ArchivioVuoto, QString()};
    if (corrente < numero) {
        TScheda scheda;
        a.Posiziona(corrente);
        a.Leggi(scheda);
        const qint64 letta = a.Posizione();
        a.Chiudi();
        return {Esito::Scheda, QString::number(letta)};
    }
    // Also for a number beyond the end (the file was replaced meanwhile): start again from the first card.
    a.Chiudi();
    return {Esito::FineGiro, QStringLiteral("0")};
}
