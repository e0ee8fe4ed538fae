// Saves cards into <folder>/Quarzi.ima for ever, as the editor does: appends a card, rewrites card 1,
// writes the new card's two photos and changes the password. The test kills it at random moments.
//   sonda_salvataggi <folder> <photo 1> <photo 2>
#include "access/PasswordStore.h"
#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/FotoScheda.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

class Editore : public IFotoScheda {
public:
    QString numero;
    Foto f;
    QString nomeCatalogo() const override { return QStringLiteral("Quarzi"); }
    QString posizioneScheda() const override { return numero; }
    Foto foto(SlotFoto) const override { return f; }
    void impostaFoto(SlotFoto, const Foto&) override {}
    void mostraSegnaposto() override {}
};

QByteArray leggi(const char* percorso) {
    QFile file(QString::fromLocal8Bit(percorso));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: sonda_salvataggi <folder> <photo 1> <photo 2>\n");
        return 2;
    }
    ImpostaCartellaProgramma(QString::fromLocal8Bit(argv[1]));
    const Foto foto[2] = {Foto::daDati(leggi(argv[2])), Foto::daDati(leggi(argv[3]))};
    const QString archivio = CartellaProgramma() + QStringLiteral("Quarzi.ima");
    for (quint64 giro = 0;; ++giro) {
        TScheda s;
        s.impostaTesto(Campo::Titolo, QStringLiteral("giro-%1").arg(giro));
        Editore ed;
        ed.f = foto[giro % 2];
        try {
            TArchivio a;
            a.ApriOCrea(archivio);
            a.Posiziona(a.NumeroSchede());
            a.Scrivi(s);
            ed.numero = QString::number(a.NumeroSchede());
            a.Posiziona(0);
            a.Scrivi(s);
            a.Chiudi();
        } catch (const EArchivio&) {
            return 1;
        }
        SalvaFotoScheda(ed);
        ScriviPassword(giro % 2 ? QStringLiteral("ametista") : QStringLiteral("quarzo"));
    }
}
