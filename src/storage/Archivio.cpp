#include "Archivio.h"

#include <QFileInfo>

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 SchedePerBlocco = 256;

// The lock covers one byte far beyond any archive rather than the whole file: on Windows, and on the
// SMB servers Linux clients reach, byte-range locks are mandatory and would make readers of the records
// fail while a writer holds it.
constexpr qint64 ByteDelBlocco = qint64(1) << 62;

// Exclusive advisory lock on an open archive for the lifetime of the object, waiting for another
// writer to finish. A file system that offers no locks (some network shares) gets none: the program
// then behaves as it did before locks existed, rather than refusing every save.
class BloccoArchivio {
public:
    explicit BloccoArchivio(QFile& file) : fd(file.handle()) {
#ifdef _WIN32
        h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
        if (h == INVALID_HANDLE_VALUE)
            throw EArchivio();
        OVERLAPPED ov{};
        ov.Offset = DWORD(ByteDelBlocco & 0xFFFFFFFF);
        ov.OffsetHigh = DWORD(ByteDelBlocco >> 32);
        if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &ov)) {
            preso = true;
        } else if (GetLastError() != ERROR_NOT_SUPPORTED && GetLastError() != ERROR_INVALID_FUNCTION) {
            throw EArchivio();
        }
#else
#ifdef F_OFD_SETLKW
        // Open-file-description locks: held by this open file alone, so closing another descriptor
        // of the same archive in this process (a second window reading it) does not drop it.
        struct flock fl {};
        fl.l_type = F_WRLCK;
        fl.l_whence = SEEK_SET;
        fl.l_start = off_t(ByteDelBlocco);
        fl.l_len = 1;
        int r;
        do
            r = ::fcntl(fd, F_OFD_SETLKW, &fl);
        while (r != 0 && errno == EINTR);
        if (r == 0) {
            modo = Modo::Ofd;
            return;
        }
        if (errno != EINVAL) { // EINVAL: a kernel without these locks; try flock below
            senzaBlocchi();
            return;
        }
#endif
        int f;
        do
            f = ::flock(fd, LOCK_EX);
        while (f != 0 && errno == EINTR);
        if (f == 0)
            modo = Modo::Flock;
        else
            senzaBlocchi();
#endif
    }

    ~BloccoArchivio() {
#ifdef _WIN32
        if (preso) {
            OVERLAPPED ov{};
            ov.Offset = DWORD(ByteDelBlocco & 0xFFFFFFFF);
            ov.OffsetHigh = DWORD(ByteDelBlocco >> 32);
            UnlockFileEx(h, 0, 1, 0, &ov);
        }
#else
#ifdef F_OFD_SETLKW
        if (modo == Modo::Ofd) {
            struct flock fl {};
            fl.l_type = F_UNLCK;
            fl.l_whence = SEEK_SET;
            fl.l_start = off_t(ByteDelBlocco);
            fl.l_len = 1;
            ::fcntl(fd, F_OFD_SETLK, &fl);
        }
#endif
        if (modo == Modo::Flock)
            ::flock(fd, LOCK_UN);
#endif
    }

    BloccoArchivio(const BloccoArchivio&) = delete;
    BloccoArchivio& operator=(const BloccoArchivio&) = delete;

private:
    int fd;
#ifdef _WIN32
    HANDLE h = INVALID_HANDLE_VALUE;
    bool preso = false;
#else
    enum class Modo { Nessuno, Ofd, Flock };
    Modo modo = Modo::Nessuno;

    void senzaBlocchi() {
        if (errno != ENOLCK && errno != EOPNOTSUPP && errno != ENOTSUP && errno != EINVAL)
            throw EArchivio();
    }
#endif
};

} // namespace

QString MessaggioErroreArchivio() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

TArchivio::~TArchivio() {
    Chiudi();
}

void TArchivio::ApriOCrea(const QString& percorso) {
    Chiudi();
    file.setFileName(percorso);
    // Unbuffered: every write reaches the file at once, so a failure is seen where it happens.
    constexpr QIODevice::OpenMode modo = QIODevice::ReadWrite | QIODevice::Unbuffered;
    if (!file.open(modo | QIODevice::ExistingOnly)) {
        // Only a path with nothing under it is created, and never through a symbolic link: the
        // exclusive create refuses any name that exists, a dangling link included. An existing archive
        // that cannot be opened fails; it is never recreated (that would empty it). Another copy of the
        // program may create it after the first open failed (both saving the first card of a new
        // catalogue): the create then fails, and the archive is opened as that copy made it.
        if (QFileInfo(percorso).isSymLink() ||
            (!file.open(modo | QIODevice::NewOnly) && !file.open(modo | QIODevice::ExistingOnly)))
            throw EArchivio();
    }
    if (!QFileInfo(file).isFile()) {
        file.close();
        throw EArchivio();
    }
    numero = lunghezzaFile() / DimensioneScheda;
    posizione = 0;
    svuotaLettura();
}

qint64 TArchivio::lunghezzaFile() const {
#ifdef _WIN32
    const qint64 n = file.size();
#else
    // QFile::size() reports a failure as length 0, which would make an append overwrite record 0.
    struct stat st {};
    if (::fstat(file.handle(), &st) != 0)
        throw EArchivio();
    const qint64 n = st.st_size;
#endif
    if (n < 0)
        throw EArchivio();
    return n;
}

void TArchivio::verificaAperto() const {
    if (!file.isOpen())
        throw EArchivio();
}

qint64 TArchivio::NumeroSchede() const {
    verificaAperto();
    return numero;
}

void TArchivio::Posiziona(qint64 k) {
    verificaAperto();
    // Beyond the end would leave a gap of empty records: refuse it.
    if (k < 0 || k > numero)
        throw EArchivio();
    posizione = k;
}

void TArchivio::svuotaLettura() {
    primoInBlocco = 0;
    schedeInBlocco = 0;
}

const TScheda& TArchivio::LeggiVista() {
    verificaAperto();
    if (posizione >= numero)
        throw EArchivio();
    if (posizione < primoInBlocco || posizione >= primoInBlocco + schedeInBlocco) {
        const qint64 n = std::min(SchedePerBlocco, numero - posizione);
        if (blocco.size() < std::size_t(n))
            blocco.resize(std::size_t(n));
        if (!file.seek(posizione * DimensioneScheda))
            throw EArchivio();
        // The records are plain bytes, so the file is read straight into them.
        const qint64 letti = file.read(reinterpret_cast<char*>(blocco.data()), n * DimensioneScheda);
        if (letti < DimensioneScheda) {
            svuotaLettura();
            throw EArchivio();
        }
        primoInBlocco = posizione;
        schedeInBlocco = letti / DimensioneScheda;
    }
    return blocco[std::size_t(posizione++ - primoInBlocco)];
}

void TArchivio::Leggi(TScheda& s) {
    s = LeggiVista();
}

void TArchivio::Scrivi(const TScheda& s) {
    verificaAperto();
    svuotaLettura();
    BloccoArchivio blocco(file);
    if (posizione >= numero) {
        accoda(s);
        return;
    }
    // In place. Another program may have shortened the file since it was opened: writing there would
    // leave a gap of records nobody wrote.
    if (posizione >= lunghezzaFile() / DimensioneScheda)
        throw EArchivio();
    if (!file.seek(posizione * DimensioneScheda) ||
        file.write(s.byte.data(), DimensioneScheda) != DimensioneScheda)
        throw EArchivio();
    ++posizione;
}

qint64 TArchivio::Accoda(const TScheda& s) {
    verificaAperto();
    svuotaLettura();
    BloccoArchivio blocco(file);
    accoda(s);
    return posizione;
}

void TArchivio::accoda(const TScheda& s) {
    // Counted again under the lock: other programs may have appended since the archive was opened.
    // Writing at a whole-record offset also covers a partial trailing record instead of following it.
    const qint64 n = lunghezzaFile() / DimensioneScheda;
    const qint64 inizio = n * DimensioneScheda;
    if (!file.seek(inizio) || file.write(s.byte.data(), DimensioneScheda) != DimensioneScheda) {
        // Disk full or a write refused half-way: the file goes back to its whole records.
        file.resize(inizio);
        throw EArchivio();
    }
    numero = n + 1;
    posizione = n + 1;
}

void TArchivio::Chiudi() {
    if (file.isOpen())
        file.close();
    svuotaLettura();
    blocco.clear();
    blocco.shrink_to_fit();
}
