#include "TestSupport.h"

#include "CameraFinta.h"
#include "media/CameraQt.h"
#include "media/DestinazioneFoto.h"
#include "media/WebCam.h"
#include "ui/DialoghiFile.h"
#include "ui/RiquadroFoto.h"

#include <QCameraDevice>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>

#include <condition_variable>
#include <mutex>

using Messaggi::Mostrato;

namespace {

// The record editor as the webcam window sees it: it records what was put into which slot.
class TEditorFinto : public IDestinazioneFoto {
public:
    void impostaFoto(SlotFoto slot, const Foto& foto) override { ricevute.append({slot, foto.immagine()}); }
    QList<QPair<SlotFoto, QImage>> ricevute;
};

// Fails the whole run if a step does not end in time: a deadlock would otherwise only show as a timeout.
class TGuardia {
public:
    explicit TGuardia(int secondi)
        : t([this, secondi] {
              std::unique_lock l(m);
              if (!c.wait_for(l, std::chrono::seconds(secondi), [this] { return finito; }))
                  qFatal("the camera did not stop: the frame hand-over is deadlocked");
          }) {}
    ~TGuardia() {
        {
            std::lock_guard l(m);
            finito = true;
        }
        c.notify_all();
        t.join();
    }

private:
    std::mutex m;
    std::condition_variable c;
    bool finito = false;
    std::thread t;
};

bool stessaImmagine(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// Enough distinct colours to be a drawing rather than a plain background.
int colori(const QImage& img) {
    QSet<QRgb> visti;
    for (int y = 0; y < img.height(); y += 3)
        for (int x = 0; x < img.width(); x += 3)
            visti.insert(img.pixel(x, y));
    return int(visti.size());
}

} // namespace

class TestMediaWebcam : public TestGeodario {
    Q_OBJECT

    struct Finestra {
        TEditorFinto editor;
        TCameraFinta* camera;
        std::unique_ptr<TfrmWebCam> w;
        explicit Finestra(const QString& marcatore = QStringLiteral("foto01")) {
            auto c = std::make_unique<TCameraFinta>();
            camera = c.get();
            w = std::make_unique<TfrmWebCam>(nullptr, &editor, std::move(c));
            w->lblMemory->setText(marcatore);
            w->show();
        }
        void clic(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
        // Switches on and waits until the live picture shows a frame of the camera.
        bool accendiEAttendi() {
            clic(w->btnAccendi);
            return QTest::qWaitFor(
                [this] { return w->imgCamera->foto().immagine().size() == camera->dimensione; });
        }
    };

private slots:
    void controlli_data();
    void controlli();
    void ordineTab();
    void segnaposto();

    void catturaDopoFotogrammi();
    void catturaPrimaDiAccendere();
    void spentaTieneUltimoFotogramma();
    void accendiSpegniDueVolte();

    void importa_data();
    void importa();
    void importaNonScriveFile();
    void annulla_data();
    void annulla();

    void salva_data();
    void salva();
    void salvaAnnullato();
    void salvaFallito_data();
    void salvaFallito();

    void consegnaUnaAllaVolta();
    void consegnaSulThreadPrincipale();
    void spegnereNonSiBlocca();

    void senzaCamera();
};

void TestMediaWebcam::controlli_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QRect>("posizione");
    QTest::newRow("accendi") << "btnAccendi"
                             << "Accendi webcam" << QRect(16, 312, 382, 34);
    QTest::newRow("spegni") << "btnSpegni"
                            << "Spegni webcam" << QRect(16, 352, 382, 34);
    QTest::newRow("cattura") << "btnCattura"
                             << "Cattura foto" << QRect(408, 312, 188, 34);
    QTest::newRow("salva") << "btnSalvaFotogramma"
                           << "Salva foto su disco" << QRect(603, 312, 188, 34);
    QTest::newRow("importa") << "btnImportaFoto"
                             << "Importa foto in scheda" << QRect(408, 352, 188, 34);
    QTest::newRow("annulla") << "btnClose"
                             << "Annulla" << QRect(603, 352, 188, 34);
}

void TestMediaWebcam::controlli() {
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    QFETCH(QRect, posizione);
    Finestra f;
    QCOMPARE(f.w->windowTitle(), QStringLiteral(" Cattura foto con webcam"));
    QCOMPARE(f.w->size(), QSize(807, 405));
    QVERIFY(!(f.w->windowFlags() & Qt::WindowCloseButtonHint));
    auto* b = f.w->findChild<QPushButton*>(nome);
    QVERIFY(b);
    QCOMPARE(b->text(), testo);
    QCOMPARE(b->accessibleName(), testo);
    QCOMPARE(b->geometry(), posizione);
    QCOMPARE(b->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(b->isVisible());

    for (const char* pannello : {"panCamera", "panTarget"}) {
        auto* p = f.w->findChild<QWidget*>(QLatin1String(pannello));
        QVERIFY(p);
        QCOMPARE(p->size(), QSize(382, 290));
    }
    QCOMPARE(f.w->findChild<QWidget*>(QStringLiteral("panCamera"))->pos(), QPoint(16, 16));
    QCOMPARE(f.w->findChild<QWidget*>(QStringLiteral("panTarget"))->pos(), QPoint(408, 16));
    QCOMPARE(f.w->imgCamera->size(), QSize(366, 274));
    QCOMPARE(f.w->imgTarget->size(), QSize(366, 274));
    QVERIFY(!f.w->imgBianco->isVisible());
    QVERIFY(!f.w->lblMemory->isVisible());
}

void TestMediaWebcam::ordineTab() {
    Finestra f;
    const QList<QPushButton*> atteso{f.w->btnAccendi, f.w->btnCattura,     f.w->btnSalvaFotogramma,
                                     f.w->btnSpegni,  f.w->btnImportaFoto, f.w->btnClose};
    // The Tab chain of the window, from the first button on, keeping the controls that take Tab.
    QList<QPushButton*> catena;
    for (QWidget* w = f.w->btnAccendi; catena.size() < atteso.size(); w = w->nextInFocusChain())
        if (auto* b = qobject_cast<QPushButton*>(w); b && (b->focusPolicy() & Qt::TabFocus))
            catena << b;
    QCOMPARE(catena, atteso);
}

void TestMediaWebcam::segnaposto() {
    Finestra f;
    const QImage webcam = TfrmWebCam::disegnoWebcam(), fotocamera = TfrmWebCam::disegnoFotocamera();
    QCOMPARE(webcam.size(), QSize(366, 274));
    QCOMPARE(fotocamera.size(), QSize(366, 274));
    QVERIFY2(colori(webcam) > 20, "the webcam picture was not drawn");
    QVERIFY2(colori(fotocamera) > 20, "the photo-camera picture was not drawn");
    QVERIFY(!stessaImmagine(webcam, fotocamera));
    QVERIFY(stessaImmagine(f.w->imgCamera->foto().immagine(), webcam));
    QVERIFY(stessaImmagine(f.w->imgTarget->foto().immagine(), fotocamera));
    QVERIFY(stessaImmagine(f.w->imgBianco->foto().immagine(), webcam));
}

void TestMediaWebcam::catturaDopoFotogrammi() {
    Finestra f;
    QVERIFY(f.accendiEAttendi());
    QVERIFY(f.camera->attiva());
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    const QImage catturata = f.w->imgTarget->foto().immagine();
    QCOMPARE(catturata.size(), QSize(320, 240));
    QVERIFY(stessaImmagine(catturata, f.w->imgCamera->foto().immagine()));
    // The camera keeps running: the live picture moves on, the frozen frame stays.
    const int prima = f.camera->consegnati;
    QVERIFY(QTest::qWaitFor([&] { return f.camera->consegnati > prima + 2; }));
    QVERIFY(!stessaImmagine(catturata, f.w->imgCamera->foto().immagine()));
    QVERIFY(stessaImmagine(catturata, f.w->imgTarget->foto().immagine()));
    // Each press replaces the frozen frame.
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    QVERIFY(stessaImmagine(f.w->imgTarget->foto().immagine(), f.w->imgCamera->foto().immagine()));
    QCOMPARE(f.camera->copieFuoriDalThreadPrincipale.load(), 0);
}

void TestMediaWebcam::catturaPrimaDiAccendere() {
    Finestra f;
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    QVERIFY(stessaImmagine(f.w->imgTarget->foto().immagine(), TfrmWebCam::disegnoWebcam()));
    QCOMPARE(f.camera->avvii, 0);
}

void TestMediaWebcam::spentaTieneUltimoFotogramma() {
    Finestra f;
    QVERIFY(f.accendiEAttendi());
    QTest::mouseClick(f.w->btnSpegni, Qt::LeftButton);
    QVERIFY(!f.camera->attiva());
    const QImage ultimo = f.w->imgCamera->foto().immagine();
    QCOMPARE(ultimo.size(), QSize(320, 240));
    QTest::qWait(50); // a late hand-over must not change it any more
    QVERIFY(stessaImmagine(f.w->imgCamera->foto().immagine(), ultimo));
}

void TestMediaWebcam::accendiSpegniDueVolte() {
    Finestra f;
    QTest::mouseClick(f.w->btnSpegni, Qt::LeftButton); // off while off
    QCOMPARE(f.camera->arresti, 0);
    QTest::mouseClick(f.w->btnAccendi, Qt::LeftButton);
    QTest::mouseClick(f.w->btnAccendi, Qt::LeftButton);
    QCOMPARE(f.camera->avvii, 1);
    QTest::mouseClick(f.w->btnSpegni, Qt::LeftButton);
    QTest::mouseClick(f.w->btnSpegni, Qt::LeftButton);
    QCOMPARE(f.camera->arresti, 1);
    QVERIFY(!f.camera->attiva());
    // And it still works afterwards.
    f.w->imgCamera->impostaFoto(Foto(TfrmWebCam::disegnoWebcam()));
    QVERIFY(f.accendiEAttendi());
}

void TestMediaWebcam::importa_data() {
    QTest::addColumn<QString>("marcatore");
    QTest::addColumn<bool>("cattura");
    QTest::addColumn<QList<int>>("slot"); // slots written: 0 = A, 1 = B
    QTest::newRow("foto01 dopo cattura") << "foto01" << true << QList<int>{0};
    QTest::newRow("foto02 dopo cattura") << "foto02" << true << QList<int>{1};
    QTest::newRow("foto01 senza cattura") << "foto01" << false << QList<int>{0};
    QTest::newRow("foto02 senza cattura") << "foto02" << false << QList<int>{1};
    QTest::newRow("marcatore con spazi") << " foto02\t" << true << QList<int>{1};
    QTest::newRow("marcatore vuoto") << "" << true << QList<int>{};
    QTest::newRow("marcatore ignoto") << "foto03" << true << QList<int>{};
}

void TestMediaWebcam::importa() {
    QFETCH(QString, marcatore);
    QFETCH(bool, cattura);
    QFETCH(QList<int>, slot);
    Finestra f(marcatore);
    QImage attesa = TfrmWebCam::disegnoFotocamera();
    if (cattura) {
        QVERIFY(f.accendiEAttendi());
        QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
        attesa = f.w->imgTarget->foto().immagine();
    }
    QTest::mouseClick(f.w->btnImportaFoto, Qt::LeftButton);
    QVERIFY(!f.camera->attiva());
    QVERIFY(!f.w->isVisible());
    QCOMPARE(f.w->result(), int(QDialog::Accepted));
    QCOMPARE(f.editor.ricevute.size(), slot.size());
    for (int i = 0; i < slot.size(); ++i) {
        QCOMPARE(int(f.editor.ricevute[i].first), slot[i]);
        QVERIFY(stessaImmagine(f.editor.ricevute[i].second, attesa));
    }
}

void TestMediaWebcam::importaNonScriveFile() {
    Finestra f;
    QVERIFY(f.accendiEAttendi());
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    QTest::mouseClick(f.w->btnImportaFoto, Qt::LeftButton);
    QCOMPARE(f.editor.ricevute.size(), 1);
    QDirIterator it(cartella(), QDir::Files, QDirIterator::Subdirectories);
    QStringList file;
    while (it.hasNext())
        file << it.next();
    QVERIFY2(file.isEmpty(), qPrintable(file.join(' ')));
}

void TestMediaWebcam::annulla_data() {
    QTest::addColumn<bool>("tastoEsc");
    QTest::newRow("Annulla") << false;
    QTest::newRow("Esc") << true;
}

void TestMediaWebcam::annulla() {
    QFETCH(bool, tastoEsc);
    Finestra f;
    QVERIFY(f.accendiEAttendi());
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    if (tastoEsc)
        QTest::keyClick(f.w.get(), Qt::Key_Escape);
    else
        QTest::mouseClick(f.w->btnClose, Qt::LeftButton);
    QVERIFY(!f.camera->attiva());
    QVERIFY(!f.w->isVisible());
    QCOMPARE(f.w->result(), int(QDialog::Rejected));
    QVERIFY(f.editor.ricevute.isEmpty());
}

void TestMediaWebcam::salva_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QByteArray>("formato"); // the first bytes of the file
    QTest::newRow("senza estensione") << "catturata"
                                      << "catturata.jpg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("jpg") << "catturata.jpg"
                         << "catturata.jpg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("JPEG maiuscolo") << "catturata.JPEG"
                                    << "catturata.JPEG" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("png") << "catturata.png"
                         << "catturata.png" << QByteArray("\x89PNG");
    QTest::newRow("bmp") << "catturata.bmp"
                         << "catturata.bmp" << QByteArray("BM");
}

void TestMediaWebcam::salva() {
    QFETCH(QString, nome);
    QFETCH(QString, scritto);
    QFETCH(QByteArray, formato);
    Finestra f;
    QVERIFY(f.accendiEAttendi());
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    const QImage catturata = f.w->imgTarget->foto().immagine();
    // An existing file is replaced (the dialog asked first).
    scriviFile(percorso(scritto), "vecchio");
    DialoghiFile::Test::accoda(percorso(nome));
    QTest::mouseClick(f.w->btnSalvaFotogramma, Qt::LeftButton);

    const auto richieste = DialoghiFile::Test::richieste();
    QCOMPARE(richieste.size(), 1);
    QCOMPARE(richieste[0].titolo,
             QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    QCOMPARE(richieste[0].filtro, QStringLiteral("File Jpeg (*.jpg)"));
    QCOMPARE(richieste[0].estensione, QStringLiteral("jpg"));
    QCOMPARE(richieste[0].nomeProposto, QStringLiteral("Foto.jpg"));
    QVERIFY(richieste[0].chiediSovrascrittura);

    const QByteArray dati = leggiFile(percorso(scritto));
    QVERIFY2(dati.startsWith(formato), dati.left(8).toHex().constData());
    const QImage letta = QImage::fromData(dati);
    QCOMPARE(letta.size(), catturata.size());
    QVERIFY(stessaImmagine(f.w->imgTarget->foto().immagine(), catturata));
    QVERIFY(messaggi().isEmpty());
}

void TestMediaWebcam::salvaAnnullato() {
    Finestra f;
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    DialoghiFile::Test::accoda(QString());
    QTest::mouseClick(f.w->btnSalvaFotogramma, Qt::LeftButton);
    QCOMPARE(DialoghiFile::Test::richieste().size(), 1);
    QVERIFY(stessaImmagine(f.w->imgTarget->foto().immagine(), TfrmWebCam::disegnoWebcam()));
    // The name is proposed afresh each time, whatever was chosen before.
    DialoghiFile::Test::accoda(percorso(QStringLiteral("altro.jpg")));
    QTest::mouseClick(f.w->btnSalvaFotogramma, Qt::LeftButton);
    QCOMPARE(DialoghiFile::Test::richieste().value(0).nomeProposto, QStringLiteral("Foto.jpg"));
}

void TestMediaWebcam::salvaFallito_data() {
    QTest::addColumn<QString>("nome");
    QTest::newRow("cartella inesistente") << "manca/catturata.jpg";
    QTest::newRow("estensione senza codificatore") << "catturata.xyz";
    QTest::newRow("una cartella con quel nome") << "cartella.jpg";
}

void TestMediaWebcam::salvaFallito() {
    QFETCH(QString, nome);
    QVERIFY(QDir(cartella()).mkdir(QStringLiteral("cartella.jpg")));
    Finestra f;
    QVERIFY(f.accendiEAttendi());
    QTest::mouseClick(f.w->btnSpegni, Qt::LeftButton);
    QTest::mouseClick(f.w->btnCattura, Qt::LeftButton);
    QCOMPARE(f.w->imgTarget->foto().immagine().size(), QSize(320, 240));
    DialoghiFile::Test::accoda(percorso(nome));
    QTest::mouseClick(f.w->btnSalvaFotogramma, Qt::LeftButton);
    QCOMPARE(DialoghiFile::Test::richieste().size(), 1);
    QVERIFY(messaggi().isEmpty());
    QVERIFY(stessaImmagine(f.w->imgTarget->foto().immagine(), TfrmWebCam::disegnoWebcam()));
    QVERIFY(!QFileInfo(percorso(nome)).isFile());
}

// A second frame arriving while one is in hand-over is dropped, not queued behind it.
void TestMediaWebcam::consegnaUnaAllaVolta() {
    TConsegnaFotogrammi c;
    QList<QImage> arrivati;
    connect(&c, &TConsegnaFotogrammi::pronto, this, [&](const QImage& i) { arrivati.append(i); });
    QImage rosso(4, 4, QImage::Format_RGB32), blu(4, 4, QImage::Format_RGB32);
    rosso.fill(Qt::red);
    blu.fill(Qt::blue);

    bool primoPreso = true;
    std::thread chiusa([&] { primoPreso = c.consegna([&] { return rosso; }); });
    chiusa.join();
    QVERIFY2(!primoPreso, "a frame was taken while the hand-over was closed");

    c.apri();
    std::atomic<bool> primo{false};
    std::thread a([&] { primo = c.consegna([&] { return rosso; }); });
    // No events are processed meanwhile, so the first frame stays in hand-over.
    while (!c.occupata())
        std::this_thread::yield();
    bool secondo = true;
    std::thread b([&] { secondo = c.consegna([&] { return blu; }); });
    b.join();
    QVERIFY(!secondo);
    QVERIFY(QTest::qWaitFor([&] { return !arrivati.isEmpty(); }));
    a.join();
    QVERIFY(primo);
    QCOMPARE(arrivati.size(), 1);
    QCOMPARE(arrivati[0].pixel(0, 0), QColor(Qt::red).rgb());
}

// Backends that signal on the user-interface thread get their frame copied at once, without waiting.
void TestMediaWebcam::consegnaSulThreadPrincipale() {
    TConsegnaFotogrammi c;
    int arrivati = 0;
    connect(&c, &TConsegnaFotogrammi::pronto, this, [&] { ++arrivati; });
    QImage img(4, 4, QImage::Format_RGB32);
    QVERIFY(!c.consegna([&] { return img; }));
    c.apri();
    QVERIFY(c.consegna([&] { return img; }));
    QCOMPARE(arrivati, 1);
    c.chiudi();
    QVERIFY(!c.consegna([&] { return img; }));
    QCOMPARE(arrivati, 1);
}

// Stopping joins the capture thread while that thread may be waiting for us in the hand-over: the
// frame must be dropped, or both wait for ever. Both orders: with frames being taken, and with none
// taken at all (the capture thread certainly waiting).
void TestMediaWebcam::spegnereNonSiBlocca() {
    Finestra f;
    TGuardia guardia(120);
    int giri = 0;
    for (int i = 0; i < 300; ++i) {
        QTest::mouseClick(f.w->btnAccendi, Qt::LeftButton);
        if (i % 2 == 0) {
            const int prima = f.camera->consegnati;
            QVERIFY(QTest::qWaitFor([&] { return f.camera->consegnati > prima; }, 5000));
        } else {
            // No events processed: the capture thread hands over its first frame and waits.
            QElapsedTimer t;
            t.start();
            while (!f.camera->inConsegna() && t.elapsed() < 2000)
                std::this_thread::yield();
        }
        QTest::mouseClick(f.w->btnSpegni, Qt::LeftButton);
        QVERIFY(!f.camera->attiva());
        ++giri;
    }
    QCOMPARE(giri, 300);
    QVERIFY(f.camera->scartati > 0);
    QCOMPARE(f.camera->copieFuoriDalThreadPrincipale.load(), 0);
}

// On a machine without a camera the window works with its placeholders and shows no message.
void TestMediaWebcam::senzaCamera() {
    if (!QMediaDevices::defaultVideoInput().isNull())
        QSKIP("a camera is connected here");
    TEditorFinto editor;
    TfrmWebCam w(nullptr, &editor);
    w.lblMemory->setText(QStringLiteral("foto02"));
    w.show();
    auto* camera = qobject_cast<TCameraQt*>(w.camCamera());
    QVERIFY(camera);
    QVERIFY(!camera->dispositivoPresente());
    QTest::mouseClick(w.btnAccendi, Qt::LeftButton);
    QVERIFY(!camera->attiva());
    QTest::qWait(20);
    QVERIFY(stessaImmagine(w.imgCamera->foto().immagine(), TfrmWebCam::disegnoWebcam()));
    QTest::mouseClick(w.btnSpegni, Qt::LeftButton);
    QTest::mouseClick(w.btnCattura, Qt::LeftButton);
    QVERIFY(stessaImmagine(w.imgTarget->foto().immagine(), TfrmWebCam::disegnoWebcam()));
    DialoghiFile::Test::accoda(percorso(QStringLiteral("segnaposto")));
    QTest::mouseClick(w.btnSalvaFotogramma, Qt::LeftButton);
    QCOMPARE(DialoghiFile::Test::richieste().size(), 1);
    QCOMPARE(QImage(percorso(QStringLiteral("segnaposto.jpg"))).size(), QSize(366, 274));
    QTest::mouseClick(w.btnImportaFoto, Qt::LeftButton);
    QCOMPARE(editor.ricevute.size(), 1);
    QCOMPARE(editor.ricevute[0].first, SlotFoto::B);
    QVERIFY(stessaImmagine(editor.ricevute[0].second, TfrmWebCam::disegnoWebcam()));
    QVERIFY(messaggi().isEmpty());
}

QTEST_MAIN(TestMediaWebcam)
#include "test_media_webcam.moc"
