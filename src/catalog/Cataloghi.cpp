#include "Cataloghi.h"

#include "storage/CartellaProgramma.h"
#include "storage/Testo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Cataloghi {
namespace {

const QString estensione = QStringLiteral(".ima");

// Windows refuses these in any file name; the first two would also leave the program folder.
bool vietatoNelNome(QChar c) {
    return QStringView(u"\\/:*?\"<>|").contains(c);
}

bool controllo(QChar c) {
    return c.category() == QChar::Other_Control;
}

// Device names Windows reserves whatever the extension: the part before the first dot counts.
bool nomeDispositivo(const QString& nome) {
    QString base = Testo::maiuscoleAZ(nome.section(u'.', 0, 0));
    while (base.endsWith(u' '))
        base.chop(1);
    static const QStringList fissi{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                   QStringLiteral("NUL")};
    if (fissi.contains(base))
        return true;
    return base.size() == 4 &&
           (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
           base[3] >= u'1' && base[3] <= u'9';
}

// Longest file name most file systems take: 255 bytes on Unix-like systems, 255 UTF-16 units on Windows.
bool nomeTroppoLungo(const QString& file, const QString& percorso) {
#ifdef Q_OS_WIN
    return file.size() > 255 || percorso.size() >= 32767;
#else
    return QFile::encodeName(file).size() > 255 || QFile::encodeName(percorso).size() >= 4096;
#endif
}

QString spiegaErroreFile(const QFile& f, const QString& file) {
    const QFileInfo cartella(CartellaProgramma());
    if (!cartella.isDir())
        return QStringLiteral("la cartella del programma non esiste");
    if (nomeTroppoLungo(file, f.fileName()))
        return QStringLiteral("il nome è troppo lungo per il file system");
    if (!cartella.isWritable())
        return QStringLiteral("la cartella del programma non consente la scrittura (permesso negato)");
    return QStringLiteral("errore del file system (%1)").arg(f.errorString());
}

Creazione fallita(Creazione c, const QString& motivo) {
    c.esito = Esito::Errore;
    c.errore = QStringLiteral("Impossibile creare il file dell'archivio: %1.").arg(motivo);
    return c;
}

} // namespace

QString motivoNomeRifiutato(const QString& nome) {
    for (QChar c : nome) {
        if (vietatoNelNome(c))
            return QStringLiteral("il nome contiene il carattere «%1», che non è ammesso nei nomi dei file")
                .arg(c);
        if (controllo(c))
            return QStringLiteral(
                "il nome contiene un carattere di controllo, che non è ammesso nei nomi dei file");
    }
    // Windows drops a trailing dot or blank from a file name, so such a name would not survive a copy;
    // this also covers "." and "..".
    if (nome.endsWith(u'.') || nome.endsWith(u' '))
        return QStringLiteral("il nome non può terminare con un punto o con uno spazio");
    if (nomeDispositivo(nome))
        return QStringLiteral("«%1» è un nome riservato ai dispositivi di sistema")
            .arg(nome.section(u'.', 0, 0));
    return {};
}

bool rifiutatoInDigitazione(QChar c) {
    return QStringView(u"\"*/:<>?\\°ÇÑçñ").contains(c);
}

Creazione crea(const QString& testoNome) {
    Creazione c;
    const QString nome = Testo::taglia(testoNome);
    if (nome.isEmpty()) {
        c.esito = Esito::NomeVuoto;
        return c;
    }
    const QString file = nome + estensione;
    c.percorso = CartellaProgramma() + file;
    if (const QString motivo = motivoNomeRifiutato(nome); !motivo.isEmpty())
        return fallita(c, motivo);
    const QFileInfo esistente(c.percorso);
    if (esistente.exists() || esistente.isSymLink()) {
        c.esito = Esito::NomeUsato;
        return c;
    }
    // NewOnly: a file that appeared since the test above is left alone instead of being emptied.
    QFile f(c.percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(c.percorso)) {
            c.esito = Esito::NomeUsato;
            return c;
        }
        return fallita(c, spiegaErroreFile(f, file));
    }
    f.close();
    c.esito = Esito::Creato;
    return c;
}

bool precede(const QString& a, const QString& b) {
    const int r = QString::compare(Testo::maiuscoleAZ(a), Testo::maiuscoleAZ(b), Qt::CaseSensitive);
    if (r != 0)
        return r < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0; // a stable order for names differing in case only
}

QStringList elenca() {
    QStringList voci;
    const QDir cartella(CartellaProgramma());
    for (const QString& nome : cartella.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
        if (Testo::minuscoleAZ(nome.right(estensione.size())) == estensione)
            voci << nome;
    std::sort(voci.begin(), voci.end(), precede);
    return voci;
}

QString percorsoArchivio(const QString& voce) {
    return CartellaProgramma() + voce;
}

bool elimina(const QString& percorso) {
    QFile::remove(percorso);
    const QFileInfo resto(percorso);
    return !resto.exists() && !resto.isSymLink();
}

QString rigaConteggio(qsizetype n) {
    return QStringLiteral("Sono stati creati %1 archivi di campioni mineralogici.").arg(n);
}

} // namespace Cataloghi
