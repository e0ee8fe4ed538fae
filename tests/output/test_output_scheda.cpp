// The printed specimen sheet: its preview and print windows reading the card through a fake editor,
// the sheet's texts and picture as printed, cutting at a box's edge, and the failure of a large photo.

#include "SupportoStampa.h"
#include "TestSupport.h"
#include "output/AnteprimaCartolina.h"
#include "output/SchedaMinerale.h"
#include "output/StampaCartolina.h"
#include "report/Modello.h"
#include "ui/RiquadroFoto.h"
#include "ui/Stampa.h"

#include <QDir>
#include <QPushButton>

#include <map>

using namespace SupportoStampa;

namespace {

// What the editor would show: texts as typed, the catalogue name and the first photo.
class SchedaFinta : public ISchedaInStampa {
public:
    std::map<Campo, QString> testi;
    QString nome = QStringLiteral("Collezione Alpi");
    QImage foto;
    QString testoCampo(Campo c) const override {
        const auto i = testi.find(c);
        return i == testi.end() ? QString() : i->second;
    }
    QString nomeArchivio() const override { return nome; }
    QImage fotoMostrata() const override { return foto; }
};

QImage tinta(QSize s, QColor c) {
    QImage img(s, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

const QString MessaggioAnteprima =
    QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\r"
                   "Si consiglia di ridurre le dimensioni della foto.");
const QString MessaggioStampa = QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                                               "Si consiglia di ridurre le dimensioni della foto.");

} // namespace

class TestOutputScheda : public TestGeodario {
    Q_OBJECT
public:
    TestOutputScheda() { Stampa::Test::attiva(); }

private slots:
    void init() {
        TestGeodario::init();
        Stampa::Test::azzera();
        Report::TReport::impostaLimitePixel(qint64(200) * 1000 * 1000);
    }
    void cleanup() {
        const int risposte = Stampa::Test::risposteNonUsate();
        Stampa::Test::azzera();
        TestGeodario::cleanup();
        QVERIFY2(risposte == 0, "scripted print-dialog answers were not used");
    }

    void modello();
    void finestre_data();
    void finestre();
    void testiDellEditor();
    void stampaEAnteprimaDannoLaStessaPagina();
    void dialogoAnnullato();
    void fotoNelRiquadro_data();
    void fotoNelRiquadro();
    void senzaFoto();
    void valoreLungoTagliato();
    void fotoTroppoGrande_data();
    void fotoTroppoGrande();
    void annulla();

private:
    // Opens the window over the fake editor, presses its button and returns what reached the seam.
    template <class Finestra>
    QList<Stampa::Test::Richiesta> premi(const SchedaFinta& s, bool* chiusa = nullptr);
};

template <class Finestra>
QList<Stampa::Test::Richiesta> TestOutputScheda::premi(const SchedaFinta& s, bool* chiusa) {
    QWidget editor;
    auto* f = new Finestra(&editor, s);
    f->show();
    f->btnStampa->click();
    if (chiusa)
        *chiusa = !f->isVisible();
    delete f;
    return Stampa::Test::prendi();
}

void TestOutputScheda::modello() {
    const auto r = SchedaMinerale::crea();
    QCOMPARE(r->nome(), QStringLiteral("Scheda Minerale"));
    auto& p = r->trova<Report::Pagina>(QStringLiteral("Page1"));
    QCOMPARE(p.formato().id(), QPageSize::A4);
    QCOMPARE(p.orientamento(), QPageLayout::Portrait);
    const QRectF foto = r->trova<Report::Immagine>(QStringLiteral("imgLogo")).posizione();
    QCOMPARE(foto, QRectF(Report::mm(1), Report::mm(16), Report::mm(188), Report::mm(121)));
    QCOMPARE(r->trova<Report::Testo>(QStringLiteral("txtTitolo")).testo(),
             QStringLiteral("NOME DEL MINERALE"));
    QCOMPARE(r->trova<Report::Testo>(QStringLiteral("Memo30")).testo(),
             QStringLiteral("LOCALITA' DI RITROVAMENTO"));
    QCOMPARE(r->trova<Report::Testo>(QStringLiteral("titRaccomandazioni")).testo(), QStringLiteral("NOTE"));
    // The lowest box ends 1 mm above the bottom margin.
    const QRectF note = r->trova<Report::Rettangolo>(QStringLiteral("shpValore_txtNote")).posizione();
    QVERIFY(qAbs(note.bottom() - Report::mm(276)) < 1e-6);
    QCOMPARE(SchedaMinerale::blocchi().size(), 20);
}

void TestOutputScheda::finestre_data() {
    QTest::addColumn<bool>("anteprima");
    QTest::newRow("preview") << true;
    QTest::newRow("print") << false;
}

void TestOutputScheda::finestre() {
    QFETCH(bool, anteprima);
    SchedaFinta s;
    QWidget editor;
    std::unique_ptr<TFinestraScheda> f;
    if (anteprima)
        f = std::make_unique<TfrmAnteprimaCartolina>(&editor, s);
    else
        f = std::make_unique<TfrmStampaCartolina>(&editor, s);
    QCOMPARE(f->windowTitle(),
             anteprima ? QStringLiteral(" Anteprima di stampa") : QStringLiteral(" Stampa documento"));
    QCOMPARE(f->size(), QSize(364, 287));
    QCOMPARE(f->btnStampa->text(), anteprima ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"));
    QCOMPARE(f->btnAnnulla->text(), QStringLiteral("Annulla"));
    QCOMPARE(f->btnStampa->size(), QSize(145, 28));
    QCOMPARE(f->btnStampa->accessibleName(), f->btnStampa->text());
    QVERIFY(!(f->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(f->findChild<QWidget*>(QStringLiteral("icoInf01")));
    QCOMPARE(f->findChild<QWidget*>(QStringLiteral("icoInf02")) != nullptr, anteprima);
    QVERIFY(!f->imgLogo->isVisibleTo(f.get()));
}

void TestOutputScheda::testiDellEditor() {
    SchedaFinta s;
    for (int i = 0; i < NumeroCampiTesto; ++i)
        s.testi[campo(i)] = QStringLiteral("  valore%1\t ").arg(i, 2, 10, QChar(u'0'));
    s.testi[Campo::Titolo] = QStringLiteral(" Quarzo [var. ametista] ");
    s.testi[Campo::Anno] = QString();
    s.testi[Campo::Note] = QStringLiteral("[Date] <b>non</b> valutato");
    // An archive beside: the sheet must not touch it.
    const QString archivio = percorso(QStringLiteral("Collezione Alpi.ima"));
    const QByteArray byte(3646 * 2, 'x');
    scriviFile(archivio, byte);

    QWidget editor;
    TfrmAnteprimaCartolina f(&editor, s);
    f.show();
    f.btnStampa->click();
    QVERIFY(!f.isVisible());
    const auto r = Stampa::Test::prendi();
    QCOMPARE(r.size(), 1);
    QCOMPARE(r[0].tipo, Stampa::Test::Tipo::Anteprima);
    // Trimmed of blanks and control characters at both ends.
    QCOMPARE(f.repDocumento().trova<Report::Testo>(QStringLiteral("txtTipologia")).testo(),
             QStringLiteral("valore01"));
    QCOMPARE(f.repDocumento().trova<Report::Testo>(QStringLiteral("txtTitolo")).testo(),
             QStringLiteral("Quarzo [var. ametista]"));
    const QStringList pagine = testoPdf(Stampa::pdf(r[0].lavoro));
    QCOMPARE(pagine.size(), 1);
    const QString& t = pagine[0];
    QVERIFY(t.contains(QStringLiteral("Collezione Alpi")));
    QVERIFY(t.contains(QStringLiteral("Quarzo [var. ametista]")));
    QVERIFY(!t.contains(QStringLiteral("NOME DEL MINERALE")));
    QVERIFY(!t.contains(QStringLiteral("NOME ARCHIVIO")));
    QVERIFY(t.contains(QStringLiteral("[Date] <b>non</b> valutato")));
    for (int i = 1; i < NumeroCampiTesto - 1; ++i)
        if (campo(i) != Campo::Anno)
            QVERIFY2(t.contains(QStringLiteral("valore%1").arg(i, 2, 10, QChar(u'0'))),
                     qPrintable(QString::number(i)));
    // An empty field keeps its caption.
    QVERIFY(t.contains(QStringLiteral("ANNO RITROVAMENTO")));
    QVERIFY(!t.contains(QStringLiteral("valore05")));
    QCOMPARE(leggiFile(archivio), byte);
    QCOMPARE(QDir(cartella()).entryList(QDir::Files), QStringList{QStringLiteral("Collezione Alpi.ima")});
}

void TestOutputScheda::stampaEAnteprimaDannoLaStessaPagina() {
    SchedaFinta s;
    s.testi[Campo::Titolo] = QStringLiteral("Fluorite");
    s.testi[Campo::Luogo] = QStringLiteral("Vetrina 3");
    s.foto = tinta(QSize(300, 200), QColor(20, 160, 60));
    const auto a = premi<TfrmAnteprimaCartolina>(s);
    const auto b = premi<TfrmStampaCartolina>(s);
    QCOMPARE(a.size(), 1);
    QCOMPARE(b.size(), 1);
    QCOMPARE(b[0].tipo, Stampa::Test::Tipo::Stampa);
    QCOMPARE(b[0].lavoro.titolo, QStringLiteral("Scheda Minerale")); // the print job's title
    QCOMPARE(b[0].lavoro.numeroPagine(), 1);
    QCOMPARE(b[0].lavoro.pagine[0].orientation(), QPageLayout::Portrait);
    QCOMPARE(b[0].lavoro.pagine[0].pageSize().id(), QPageSize::A4);
    QCOMPARE(Stampa::immagine(a[0].lavoro, 0, 72), Stampa::immagine(b[0].lavoro, 0, 72));
    QVERIFY(messaggi().isEmpty());
}

void TestOutputScheda::dialogoAnnullato() {
    SchedaFinta s;
    Stampa::Test::accoda(false);
    bool chiusa = false;
    const auto r = premi<TfrmStampaCartolina>(s, &chiusa);
    QCOMPARE(r.size(), 1);
    QVERIFY(!r[0].accettata);
    QVERIFY(chiusa);
    QVERIFY(messaggi().isEmpty()); // cancelling is no failure
}

void TestOutputScheda::fotoNelRiquadro_data() {
    QTest::addColumn<QSize>("dimensione");
    QTest::newRow("wide") << QSize(800, 200);
    QTest::newRow("tall") << QSize(300, 900);
    QTest::newRow("same shape as the box") << QSize(1880, 1210);
    QTest::newRow("small") << QSize(40, 30);
}

void TestOutputScheda::fotoNelRiquadro() {
    QFETCH(QSize, dimensione);
    SchedaFinta s;
    s.foto = tinta(dimensione, Qt::red);
    const auto r = premi<TfrmAnteprimaCartolina>(s);
    QCOMPARE(r.size(), 1);
    const qreal dpi = 100;
    const QImage img = Stampa::immagine(r[0].lavoro, 0, dpi);
    const QRect rosso = areaColore(img, Qt::red);
    // imgLogo on the paper: 11 mm from the left, 26 mm from the top, 188 x 121 mm.
    const QRect box(QPoint(px(11, dpi), px(26, dpi)), QPoint(px(199, dpi) - 1, px(147, dpi) - 1));
    QVERIFY2(box.adjusted(-1, -1, 1, 1).contains(rosso), "the photo leaves its box");
    // Proportions kept, one side filling the box, centred.
    const qreal atteso = qreal(dimensione.width()) / dimensione.height();
    QVERIFY(qAbs(qreal(rosso.width()) / rosso.height() - atteso) / atteso < 0.02);
    QVERIFY(qAbs(rosso.width() - box.width()) <= 2 || qAbs(rosso.height() - box.height()) <= 2);
    QVERIFY(qAbs(rosso.center().x() - box.center().x()) <= 2);
    QVERIFY(qAbs(rosso.center().y() - box.center().y()) <= 2);
}

void TestOutputScheda::senzaFoto() {
    SchedaFinta s; // the editor shows no picture: the box stays white
    const auto r = premi<TfrmAnteprimaCartolina>(s);
    QCOMPARE(r.size(), 1);
    const qreal dpi = 50;
    const QImage img = Stampa::immagine(r[0].lavoro, 0, dpi);
    QCOMPARE(inchiostro(img, QRect(QPoint(px(12, dpi), px(27, dpi)), QPoint(px(198, dpi), px(146, dpi)))), 0);
}

void TestOutputScheda::valoreLungoTagliato() {
    SchedaFinta s;
    s.testi[Campo::Note] = QString(300, u'W');
    s.testi[Campo::Anno] = QStringLiteral("19981998199819981998199819981998");
    const auto r = premi<TfrmAnteprimaCartolina>(s);
    QCOMPARE(r.size(), 1);
    const qreal dpi = 150;
    const QImage img = Stampa::immagine(r[0].lavoro, 0, dpi);
    // The NOTE value box: text from 12 to 198 mm, at 281.4 to 285.4 mm from the paper's top.
    const int alto = px(281.6, dpi), basso = px(285.2, dpi);
    QVERIFY(inchiostro(img, QRect(QPoint(px(190, dpi), alto), QPoint(px(197.5, dpi), basso))) > 0);
    // Between the text box's edge and the value box's outline, and beyond: nothing.
    QCOMPARE(inchiostro(img, QRect(QPoint(px(198.2, dpi), alto), QPoint(px(198.5, dpi), basso))), 0);
    QCOMPARE(inchiostro(img, QRect(QPoint(px(199.5, dpi), alto - 10), QPoint(img.width() - 1, basso + 10))),
             0);
    // The year's box (44 mm wide) is cut too, before the next block at 57 mm.
    const int annoAlto = px(169.6, dpi), annoBasso = px(173.2, dpi);
    QVERIFY(inchiostro(img, QRect(QPoint(px(48, dpi), annoAlto), QPoint(px(53.8, dpi), annoBasso))) > 0);
    QCOMPARE(inchiostro(img, QRect(QPoint(px(54.2, dpi), annoAlto), QPoint(px(54.5, dpi), annoBasso))), 0);
    QCOMPARE(inchiostro(img, QRect(QPoint(px(55.5, dpi), annoAlto), QPoint(px(56.5, dpi), annoBasso))), 0);
}

void TestOutputScheda::fotoTroppoGrande_data() {
    QTest::addColumn<bool>("anteprima");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("preview") << true << MessaggioAnteprima;
    QTest::newRow("print") << false << MessaggioStampa;
}

void TestOutputScheda::fotoTroppoGrande() {
    QFETCH(bool, anteprima);
    QFETCH(QString, messaggio);
    SchedaFinta s;
    s.testi[Campo::Titolo] = QStringLiteral("Quarzo");
    s.foto = tinta(QSize(400, 300), Qt::blue);
    // Stands for a photo whose copy would not fit in memory.
    Report::TReport::impostaLimitePixel(1000);
    Messaggi::Test::accoda(Messaggi::Risposta::Annulla); // whichever button: the window closes
    bool chiusa = false;
    const auto r =
        anteprima ? premi<TfrmAnteprimaCartolina>(s, &chiusa) : premi<TfrmStampaCartolina>(s, &chiusa);
    QVERIFY(r.isEmpty()); // neither preview nor print dialog
    QVERIFY(chiusa);
    const auto m = messaggi();
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].tipo, Messaggi::Tipo::Avviso);
    QCOMPARE(m[0].testo, messaggio);
}

void TestOutputScheda::annulla() {
    SchedaFinta s;
    QWidget editor;
    TfrmStampaCartolina f(&editor, s);
    f.show();
    f.btnAnnulla->click();
    QVERIFY(!f.isVisible());
    QVERIFY(Stampa::Test::prendi().isEmpty());
}

QTEST_MAIN(TestOutputScheda)
#include "test_output_scheda.moc"
