#include "PasswordStore.h"

#include "Crypt.h"
#include "storage/CartellaProgramma.h"
#include "storage/Testo.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <string>

// Header-only library: the implementation lives in this one translation unit. No conversion keeps the
// file's bytes as they are.
#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace {

constexpr const char* sezione = "Accesso";
constexpr const char* chiave = "Valore";

// The library ends lines with "\n" here; the store is a CR LF file.
class ScrittoreCrLf : public CSimpleIniA::OutputWriter {
public:
    void Write(const char* testo) override {
        for (const char* c = testo; *c; ++c) {
            if (*c == '\r')
                continue;
            if (*c == '\n')
                dati += '\r';
            dati += *c;
        }
    }
    QByteArray dati;
};

enum class Esito { Letto, Assente, Errore };

// The whole store parsed; an absent file gives an empty store, an unreadable one an error (a store that
// exists but cannot be read must neither pass for "no password" nor be overwritten).
Esito carica(CSimpleIniA& ini) {
    QFile f(PercorsoArchivioPassword());
    if (!f.exists())
        return Esito::Assente;
    if (!f.open(QIODevice::ReadOnly))
        return Esito::Errore;
    const QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Esito::Errore;
    return ini.LoadData(dati.constData(), size_t(dati.size())) < 0 ? Esito::Errore : Esito::Letto;
}

} // namespace

QString FormaNormalePassword(const QString& password) {
    return Testo::maiuscoleAZ(Testo::taglia(password));
}

bool PasswordMemorizzabile(const QString& password) {
    const QString normale = FormaNormalePassword(password);
    return normale.size() <= LunghezzaMassimaPassword &&
           std::all_of(normale.cbegin(), normale.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QString PercorsoArchivioPassword() {
    return CartellaProgramma() + QStringLiteral("unins000.dll");
}

std::optional<QString> LeggiPassword() {
    CSimpleIniA ini;
    const Esito esito = carica(ini);
    if (esito == Esito::Errore)
        return std::nullopt;
    if (esito == Esito::Assente)
        return QString();
    const QString valore = Testo::taglia(QString::fromLatin1(ini.GetValue(sezione, chiave, "")));
    const std::optional<QString> chiaro = Decodifica(valore);
    if (!chiaro)
        return std::nullopt;
    return Testo::taglia(*chiaro);
}

bool ScriviPassword(const QString& nuova) {
    if (!PasswordMemorizzabile(nuova))
        return false;
    CSimpleIniA ini;
    ini.SetSpaces(false);
    if (carica(ini) == Esito::Errore)
        return false;
    const std::string valore = Codifica(FormaNormalePassword(nuova)).toStdString();
    if (ini.SetValue(sezione, chiave, valore.c_str()) < 0)
        return false;
    ScrittoreCrLf scrittore;
    if (ini.Save(scrittore) < 0)
        return false;

    // QSaveFile also refuses a read-only store, which a plain rename would silently replace.
    QSaveFile f(PercorsoArchivioPassword());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(scrittore.dati) != scrittore.dati.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
