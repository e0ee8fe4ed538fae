#include "PasswordStore.h"

#include "Crypt.h"
#include "storage/CartellaProgramma.h"
#include "storage/Testo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

// The store is read and changed line by line on its bytes: an INI library would write the whole file
// anew and lose what it does not understand (duplicate keys, lines without "=", bytes after a NUL).

namespace {

constexpr char sezione[] = "Accesso";
constexpr char chiave[] = "Valore";

bool vuoto(char c) {
    return uchar(c) <= 0x20;
}

// [inizio, fine) without blanks at the ends.
void taglia(const QByteArray& t, qsizetype& inizio, qsizetype& fine) {
    while (inizio < fine && vuoto(t[inizio]))
        ++inizio;
    while (fine > inizio && vuoto(t[fine - 1]))
        --fine;
}

bool ugualeSenzaMaiuscole(const QByteArray& t, qsizetype inizio, qsizetype fine, const char* nome) {
    const qsizetype n = qsizetype(qstrlen(nome));
    return fine - inizio == n && qstrnicmp(t.constData() + inizio, nome, n) == 0;
}

// Where the value lives in a store's text, and where a missing one would go.
struct Posizione {
    bool sezioneTrovata = false;
    qsizetype dopoSezione = 0; // just after the first [Accesso] line and its line end
    bool sezioneChiusa = true; // that line has a line end
    bool chiaveTrovata = false;
    qsizetype inizioRiga = 0; // the Valore line, without its line end
    qsizetype fineNome = 0;   // the key name ends here (blanks before "=" excluded)
    qsizetype fineRiga = 0;
    qsizetype inizioValore = 0; // the value, blanks excluded
    qsizetype fineValore = 0;
};

Posizione trova(const QByteArray& t) {
    Posizione p;
    bool inAccesso = false;
    qsizetype i = t.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a UTF-8 mark before the first line
    const qsizetype n = t.size();
    while (i < n) {
        // One line: up to CR LF, LF or a lone CR.
        qsizetype fine = i;
        while (fine < n && t[fine] != '\n' && t[fine] != '\r')
            ++fine;
        qsizetype dopo = fine;
        if (dopo < n && t[dopo] == '\r')
            ++dopo;
        if (dopo < n && t[dopo] == '\n' && (dopo == fine || t[dopo - 1] == '\r'))
            ++dopo;

        qsizetype a = i, b = fine;
        taglia(t, a, b);
        if (a < b && t[a] == '[') {
            const qsizetype chiusa = t.indexOf(']', a);
            if (chiusa >= 0 && chiusa < b) {
                qsizetype na = a + 1, nb = chiusa;
                taglia(t, na, nb);
                inAccesso = ugualeSenzaMaiuscole(t, na, nb, sezione);
                if (inAccesso && !p.sezioneTrovata) {
                    p.sezioneTrovata = true;
                    p.dopoSezione = dopo;
                    p.sezioneChiusa = dopo > fine;
                }
            }
        } else if (inAccesso && a < b && t[a] != ';' && t[a] != '#') {
            const qsizetype uguale = t.indexOf('=', a);
            if (uguale >= 0 && uguale < b) {
                qsizetype ka = a, kb = uguale;
                taglia(t, ka, kb);
                if (ugualeSenzaMaiuscole(t, ka, kb, chiave)) {
                    p.chiaveTrovata = true;
                    p.inizioRiga = i;
                    p.fineNome = kb;
                    p.fineRiga = fine;
                    p.inizioValore = uguale + 1;
                    p.fineValore = b;
                    taglia(t, p.inizioValore, p.fineValore);
                    return p;
                }
            }
        }
        i = dopo;
    }
    return p;
}

enum class Esito { Letto, Assente, Errore };

// An absent file gives an empty store, an unreadable one an error (a store that exists but cannot be
// read must neither pass for "no password" nor be overwritten).
Esito carica(QByteArray& dati) {
    const QString percorso = PercorsoArchivioPassword();
    const QFileInfo info(percorso);
    if (!info.exists() && !info.isSymLink())
        return Esito::Assente;
    // Not a FIFO or device (a read could block for ever), nor something no store could be.
    if (!info.isFile() || info.size() > DimensioneMassimaArchivioPassword)
        return Esito::Errore;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return Esito::Errore;
    dati = f.read(DimensioneMassimaArchivioPassword + 1);
    if (f.error() != QFileDevice::NoError || dati.size() > DimensioneMassimaArchivioPassword)
        return Esito::Errore;
    return Esito::Letto;
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

QByteArray ValoreInArchivio(const QByteArray& contenuto) {
    const Posizione p = trova(contenuto);
    if (!p.chiaveTrovata)
        return {};
    return contenuto.mid(p.inizioValore, p.fineValore - p.inizioValore);
}

QByteArray ArchivioConValore(const QByteArray& contenuto, const QByteArray& valore) {
    const Posizione p = trova(contenuto);
    QByteArray t = contenuto;
    if (p.chiaveTrovata) {
        // The key keeps its spelling and indentation; the rest of the line becomes "=" and the value.
        t.replace(p.fineNome, p.fineRiga - p.fineNome, "=" + valore);
    } else if (p.sezioneTrovata) {
        const QByteArray riga = QByteArray(chiave) + "=" + valore + "\r\n";
        t.insert(p.dopoSezione, p.sezioneChiusa ? riga : "\r\n" + riga);
    } else {
        if (!t.isEmpty() && !t.endsWith('\n') && !t.endsWith('\r'))
            t += "\r\n";
        t += "[" + QByteArray(sezione) + "]\r\n" + chiave + "=" + valore + "\r\n";
    }
    return t;
}

std::optional<QString> PasswordDaContenuto(const QByteArray& contenuto) {
    const std::optional<QString> chiaro = Decodifica(QString::fromLatin1(ValoreInArchivio(contenuto)));
    if (!chiaro)
        return std::nullopt;
    return Testo::taglia(*chiaro);
}

std::optional<QString> LeggiPassword() {
    QByteArray dati;
    const Esito esito = carica(dati);
    if (esito == Esito::Errore)
        return std::nullopt;
    if (esito == Esito::Assente)
        return QString();
    return PasswordDaContenuto(dati);
}

bool ScriviPassword(const QString& nuova) {
    if (!PasswordMemorizzabile(nuova))
        return false;
    QByteArray dati;
    if (carica(dati) == Esito::Errore)
        return false;
    const QByteArray nuovi = ArchivioConValore(dati, Codifica(FormaNormalePassword(nuova)).toLatin1());

    // QSaveFile also refuses a read-only store, which a plain rename would silently replace.
    QSaveFile f(PercorsoArchivioPassword());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(nuovi) != nuovi.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
