#include "TestSupport.h"

#include "access/CambiaPassword.h"
#include "access/PasswordStore.h"
#include "catalog/CreaCatalogo.h"
#include "editor/Cartoline.h"
#include "output/ExpCartoline.h"
#include "storage/Archivio.h"
#include "storage/CartellaProgramma.h"
#include "storage/Scheda.h"
#include "ui/DialoghiFile.h"
#include "ui/RiquadroFoto.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using Messaggi::Mostrato;
using Messaggi::Tipo;

// The fault table: each row breaks the files under a window in one way, runs one user action through
// the window's controls, and checks what must hold afterwards. Runs unprivileged: for root no file or
// folder is read-only.
class TestGuasti : public TestGeodario {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(geteuid() != 0, "fault tests must not run as root"); }
    void guasti_data();
    void guasti();
};

namespace {

enum class Guasto {
    ArchivioSolaLettura, // the archive file is read-only
    ArchivioCancellato,  // deleted while the editor shows card 2
    ArchivioAccorciato,  // cut to 3 records by another program while card 5 is shown
    DiscoPieno,          // no file may grow beyond its size
    SpazioSoloScheda,    // room for the record, not for the photos
    CartellaSolaLettura, // the program folder is read-only
};

enum class Azione {
    Primo,
    Ultimo,
    Avanti,
    Indietro,
    SalvaNuova,
    SalvaEsistente,
    CreaCatalogo,
    CambiaPassword,
    Esporta
};

const QString Archivio =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                   "installazione del programma.");
const QString Inserita = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Modificata =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString Vuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString CreazioneFallita = QStringLiteral("Impossibile creare il file dell'archivio: ");
const QString NonEsportato = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                            "Accertarsi che il file di Excel non sia già aperto.");
const QString ErrorePassword = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                              "modifica della password. Si consiglia di reinstallare il "
                                              "software.");

QByteArray schede(int quante) {
    QByteArray dati;
    for (int i = 1; i <= quante; ++i) {
        TScheda s;
        s.impostaTesto(Campo::Titolo, QStringLiteral("Scheda %1").arg(i));
        for (Campo c : {Campo::Tipologia, Campo::Editore, Campo::Anno})
            s.impostaTesto(c, QStringLiteral("1999"));
        dati.append(s.byte.data(), DimensioneScheda);
    }
    return dati;
}

// A noisy picture: its JPEG is far larger than a record.
QByteArray fotoRumorosa() {
    QImage img(400, 300, QImage::Format_RGB32);
    QRandomGenerator g(7);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, g.generate());
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, "jpeg").write(img);
    return out;
}

// A full disk for this process: files cannot grow beyond the limit; SIGXFSZ ignored so that the write
// fails with an error instead of ending the program.
class LimiteFile {
public:
    explicit LimiteFile(qint64 byte) {
        getrlimit(RLIMIT_FSIZE, &prima);
        segnale = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = prima;
        r.rlim_cur = rlim_t(byte);
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteFile() {
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
    }

private:
    rlimit prima{};
    void (*segnale)(int) = nullptr;
};

template <typename T> T* controllo(QWidget& w, const char* nome) {
    T* c = w.findChild<T*>(QLatin1String(nome));
    if (!c)
        qFatal("no control %s", nome);
    return c;
}

void clic(QWidget& w, const char* nome) {
    controllo<QAbstractButton>(w, nome)->click();
}

} // namespace

void TestGuasti::guasti_data() {
    QTest::addColumn<Guasto>("guasto");
    QTest::addColumn<Azione>("azione");
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<QString>("messaggio"); // the box's text starts with it
    QTest::addColumn<bool>("invariato");    // the archive's bytes are as before the action
    QTest::addColumn<int>("recordDopo");    // whole records in the archive afterwards, nothing more
    QTest::addColumn<QString>("posizione"); // lblPosizione afterwards

    using G = Guasto;
    using A = Azione;
    for (auto [azione, nome] : {std::pair{A::Primo, "first"},
                                {A::Ultimo, "last"},
                                {A::Avanti, "next"},
                                {A::Indietro, "previous"},
                                {A::SalvaEsistente, "save card 2"}})
        QTest::addRow("read-only archive: %s", nome)
            << G::ArchivioSolaLettura << azione << Tipo::Errore << Archivio << true << 6 << "2";
    QTest::newRow("read-only archive: save new card")
        << G::ArchivioSolaLettura << A::SalvaNuova << Tipo::Errore << Archivio << true << 6 << "";
    QTest::newRow("archive deleted: next")
        << G::ArchivioCancellato << A::Avanti << Tipo::Informazione << Vuoto << true << 0 << "";
    QTest::newRow("archive deleted: save card 2")
        << G::ArchivioCancellato << A::SalvaEsistente << Tipo::Errore << Archivio << true << 0 << "2";
    QTest::newRow("archive shortened: save card 5")
        << G::ArchivioAccorciato << A::SalvaEsistente << Tipo::Errore << Archivio << true << 3 << "5";
    QTest::newRow("disk full: save new card")
        << G::DiscoPieno << A::SalvaNuova << Tipo::Errore << Archivio << true << 6 << "";
    QTest::newRow("disk full: save card 2 in place")
        << G::DiscoPieno << A::SalvaEsistente << Tipo::Informazione << Modificata << false << 6 << "2";
    QTest::newRow("disk full: room for the record only")
        << G::SpazioSoloScheda << A::SalvaNuova << Tipo::Informazione << Inserita << false << 7 << "7";
    QTest::newRow("read-only folder: create a catalogue")
        << G::CartellaSolaLettura << A::CreaCatalogo << Tipo::Errore << CreazioneFallita << true << 6 << "2";
    QTest::newRow("read-only folder: save a new card with photos")
        << G::CartellaSolaLettura << A::SalvaNuova << Tipo::Informazione << Inserita << false << 7 << "7";
    QTest::newRow("read-only folder: export")
        << G::CartellaSolaLettura << A::Esporta << Tipo::Semplice << NonEsportato << true << 6 << "2";
    QTest::newRow("read-only folder: change the password")
        << G::CartellaSolaLettura << A::CambiaPassword << Tipo::Semplice << ErrorePassword << true << 6
        << "2";
}

void TestGuasti::guasti() {
    QFETCH(Guasto, guasto);
    QFETCH(Azione, azione);
    QFETCH(Tipo, tipo);
    QFETCH(QString, messaggio);
    QFETCH(bool, invariato);
    QFETCH(int, recordDopo);
    QFETCH(QString, posizione);

    const QString archivio = percorso(QStringLiteral("Quarzi.ima"));
    scriviFile(archivio, schede(guasto == Guasto::ArchivioAccorciato ? 5 : 6));
    QVERIFY(ScriviPassword(QStringLiteral("ghiandolaverde")));
    const QString fotoCaricata = percorso(QStringLiteral("campione.jpg"));
    scriviFile(fotoCaricata, fotoRumorosa());
    const QString esportazione = percorso(QStringLiteral("Archivio_Minerali.xls"));
    scriviFile(esportazione, "the last export");

    TfrmCartoline ed;
    controllo<QLabel>(ed, "lblFile")->setText(archivio);
    controllo<QLabel>(ed, "lblNome")->setText(QStringLiteral("Quarzi"));
    ed.mostra();
    QLabel* lblPosizione = controllo<QLabel>(ed, "lblPosizione");

    // Card 2 shown (card 5, the last, for the shortened archive) or a new card; a photo loaded.
    if (azione == Azione::SalvaNuova) {
        clic(ed, "cmdNuovo");
        for (const char* c : {"txtTitolo", "txtTipologia", "txtEditore", "txtAnno"})
            controllo<QLineEdit>(ed, c)->setText(QStringLiteral("1999"));
    } else if (guasto == Guasto::ArchivioAccorciato) {
        clic(ed, "cmdUltimo");
    } else {
        clic(ed, "cmdPrimo");
        clic(ed, "cmdAvanti");
    }
    DialoghiFile::Test::accoda(fotoCaricata);
    clic(ed, "btnCaricaFoto");
    DialoghiFile::Test::richieste();
    QCOMPARE(controllo<TRiquadroFoto>(ed, "imgFoto")->foto().immagine().size(), QSize(400, 300));
    QCOMPARE(messaggi(), QList<Mostrato>{});
    const QString posizionePrima = lblPosizione->text();

    const QStringList filePrima = QDir(cartella()).entryList(QDir::Files | QDir::Hidden);
    const auto rwx = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    std::optional<LimiteFile> limite;
    switch (guasto) {
    case Guasto::ArchivioSolaLettura:
        QVERIFY(QFile::setPermissions(archivio, QFileDevice::ReadOwner));
        break;
    case Guasto::ArchivioCancellato:
        QVERIFY(QFile::remove(archivio));
        break;
    case Guasto::ArchivioAccorciato:
        QVERIFY(QFile::resize(archivio, 3 * DimensioneScheda));
        break;
    case Guasto::DiscoPieno:
        limite.emplace(QFileInfo(archivio).size());
        break;
    case Guasto::SpazioSoloScheda:
        limite.emplace(QFileInfo(archivio).size() + DimensioneScheda);
        break;
    case Guasto::CartellaSolaLettura:
        QVERIFY(QFile::setPermissions(cartella(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        break;
    }
    const QByteArray prima = leggiFile(archivio);
    const QByteArray passwordPrima = leggiFile(PercorsoArchivioPassword());

    switch (azione) {
    case Azione::Primo:
        clic(ed, "cmdPrimo");
        break;
    case Azione::Ultimo:
        clic(ed, "cmdUltimo");
        break;
    case Azione::Avanti:
        clic(ed, "cmdAvanti");
        break;
    case Azione::Indietro:
        clic(ed, "cmdIndietro");
        break;
    case Azione::SalvaNuova:
    case Azione::SalvaEsistente:
        clic(ed, "cmdSalva");
        break;
    case Azione::CreaCatalogo: {
        TfrmCreaCatalogo crea;
        crea.mostra();
        controllo<QLineEdit>(crea, "txtFile")->setText(QStringLiteral("Nuovo"));
        clic(crea, "btnApplica");
        QVERIFY(!QFileInfo::exists(percorso(QStringLiteral("Nuovo.ima"))));
        break;
    }
    case Azione::CambiaPassword: {
        TfrmCambiaPassword cambia;
        cambia.mostra();
        controllo<QLineEdit>(cambia, "txtPasswordOld")->setText(QStringLiteral("ghiandolaverde"));
        controllo<QLineEdit>(cambia, "txtPasswordNew")->setText(QStringLiteral("ametista"));
        controllo<QLineEdit>(cambia, "txtConferma")->setText(QStringLiteral("ametista"));
        clic(cambia, "cmdOK");
        break;
    }
    case Azione::Esporta: {
        TfrmExpCartoline esporta(&ed, archivio);
        esporta.show();
        Messaggi::Test::accoda(Messaggi::Risposta::Si); // "export now?"
        clic(esporta, "cmdEsporta");
        break;
    }
    }
    limite.reset();

    QList<Mostrato> mostrati = messaggi();
    if (azione == Azione::Esporta && !mostrati.isEmpty())
        QCOMPARE(mostrati.takeFirst().tipo, Tipo::Conferma);
    QCOMPARE(mostrati.size(), 1);
    QCOMPARE(mostrati[0].tipo, tipo);
    QVERIFY2(mostrati[0].testo.startsWith(messaggio), qPrintable(mostrati[0].testo));
    const QByteArray dopo = leggiFile(archivio);
    if (invariato)
        QCOMPARE(dopo, prima);
    QCOMPARE(dopo.size(), qsizetype(recordDopo) * DimensioneScheda);
    QCOMPARE(lblPosizione->text(), posizione);
    // Whatever failed, the password store is as it was and still opens.
    QCOMPARE(leggiFile(PercorsoArchivioPassword()), passwordPrima);
    QCOMPARE(LeggiPassword(), std::optional<QString>(QStringLiteral("GHIANDOLAVERDE")));

    const QString fotoA = PercorsoFoto(QStringLiteral("Quarzi"), posizione, SlotFoto::A);
    switch (guasto) {
    case Guasto::DiscoPieno:
        if (azione == Azione::SalvaNuova) {
            // Space freed: the next save works and the card gets the next number.
            QCOMPARE(lblPosizione->text(), posizionePrima);
            clic(ed, "cmdSalva");
            QCOMPARE(messaggi(), (QList<Mostrato>{{Tipo::Informazione, Inserita}}));
            QCOMPARE(lblPosizione->text(), QStringLiteral("7"));
            QCOMPARE(leggiFile(archivio).size(), 7 * DimensioneScheda);
            QCOMPARE(leggiFile(archivio).left(prima.size()), prima);
        } else {
            QVERIFY(!QFileInfo::exists(fotoA)); // the photo write failed silently
        }
        break;
    case Guasto::SpazioSoloScheda:
    case Guasto::CartellaSolaLettura:
        if (azione == Azione::SalvaNuova) {
            // The record is in; the photos failed silently and both slots show their placeholders.
            QCOMPARE(dopo.left(prima.size()), prima);
            QVERIFY(!QFileInfo::exists(fotoA));
            QCOMPARE(controllo<TRiquadroFoto>(ed, "imgFoto")->foto().immagine().size(), QSize(366, 260));
            QCOMPARE(controllo<TRiquadroFoto>(ed, "imgFoto02")->foto().immagine().size(), QSize(366, 260));
        }
        QFile::setPermissions(cartella(), rwx);
        break;
    default:
        break;
    }
    // Nothing left behind, the last export kept.
    QCOMPARE(QDir(cartella()).entryList(QDir::Files | QDir::Hidden), filePrima);
    QCOMPARE(leggiFile(esportazione), QByteArray("the last export"));
}

QTEST_MAIN(TestGuasti)
#include "test_guasti.moc"
