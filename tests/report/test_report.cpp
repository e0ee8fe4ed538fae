// The report engine: typed access by name, literal text, pagination of a splitting band, text cut at
// a box's edge, pictures fitted, fonts, painting onto pictures and PDF, the preview window and the
// printing seam.

#include "SupportoStampa.h"
#include "TestSupport.h"
#include "report/Anteprima.h"
#include "report/Caratteri.h"
#include "report/Modello.h"
#include "report/Pagine.h"
#include "ui/DialoghiFile.h"
#include "ui/Stampa.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Report;
using namespace SupportoStampa;

namespace {

// A small list report: a title band, a master band of lines that may split, a footer band.
struct Elenco {
    std::unique_ptr<TReport> r = std::make_unique<TReport>(QStringLiteral("Prova"));
    Testo* titolo;
    Testo* righe;
    Testo* piede;
    Banda* dati;

    explicit Elenco(QPageLayout::Orientation o = QPageLayout::Landscape) {
        auto& p = r->aggiungiPagina(std::make_unique<Pagina>(QStringLiteral("Page"), QPageSize(QPageSize::A4),
                                                             o, QMarginsF(10, 10, 10, 10)));
        auto& t = p.aggiungiBanda(QStringLiteral("ReportTitle"), TipoBanda::TitoloReport, mm(8));
        titolo = &t.aggiungi(
            std::make_unique<Testo>(QStringLiteral("txtTitolo"), QRectF(mm(2), mm(1), mm(200), mm(5))));
        titolo->impostaTesto(QStringLiteral("TITOLO DI PROVA"));
        dati = &p.aggiungiBanda(QStringLiteral("MasterData"), TipoBanda::Dati, mm(28));
        dati->divisibile = true;
        righe = &dati->aggiungi(
            std::make_unique<Testo>(QStringLiteral("txtRighe"), QRectF(mm(3), 0, mm(250), mm(27))));
        righe->carattere = {QStringLiteral("Courier New"), 8, false, Qt::black};
        auto& f = p.aggiungiBanda(QStringLiteral("Footer"), TipoBanda::PiedeDati, mm(8));
        piede = &f.aggiungi(
            std::make_unique<Testo>(QStringLiteral("txtPiede"), QRectF(mm(3), mm(2), mm(200), mm(5))));
        piede->impostaTesto(QStringLiteral("FINE DEL DOCUMENTO"));
    }
    void linee(int n) {
        righe->svuotaRighe();
        for (int i = 1; i <= n; ++i)
            righe->aggiungiRiga(QStringLiteral("Riga %1").arg(i, 3, 10, QChar(u'0')));
        righe->impostaAltezza(n * 12.822);
        dati->impostaAltezza(righe->altezza() + 10);
    }
};

// One page with one text box and one picture box at known places, for looking at pixels.
struct Foglio {
    std::unique_ptr<TReport> r = std::make_unique<TReport>(QStringLiteral("Foglio"));
    Testo* testo;
    Immagine* foto;
    Foglio() {
        auto& p =
            r->aggiungiPagina(std::make_unique<Pagina>(QStringLiteral("Page1"), QPageSize(QPageSize::A4),
                                                       QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        testo = &p.aggiungi(
            std::make_unique<Testo>(QStringLiteral("txtValore"), QRectF(mm(10), mm(10), mm(60), mm(5))));
        testo->carattere = {QStringLiteral("Arial"), 8, false, Qt::black};
        testo->allineamento = Qt::AlignLeft | Qt::AlignVCenter;
        foto = &p.aggiungi(
            std::make_unique<Immagine>(QStringLiteral("imgFoto"), QRectF(mm(10), mm(30), mm(100), mm(60))));
    }
};

QStringList righeDi(const PaginaPreparata& p, const QString& nome) {
    QStringList r;
    for (const Elemento& e : p.elementi)
        if (e.nome == nome)
            for (const RigaPreparata& l : e.righe)
                r.append(l.testo);
    return r;
}

QImage immagineUnita(QSize s, QColor c) {
    QImage img(s, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

} // namespace

class TestReport : public TestGeodario {
    Q_OBJECT
public:
    TestReport() { Stampa::Test::attiva(); }

private slots:
    void init() {
        TestGeodario::init();
        Stampa::Test::azzera();
        TReport::impostaLimitePixel(qint64(200) * 1000 * 1000);
    }
    void cleanup() {
        const int risposte = Stampa::Test::risposteNonUsate();
        Stampa::Test::azzera();
        TestGeodario::cleanup();
        QVERIFY2(risposte == 0, "scripted print-dialog answers were not used");
    }

    void accessoPerNome_data();
    void accessoPerNome();
    void testoInRighe_data();
    void testoInRighe();
    void bandaDivisaRigaPerRiga_data();
    void bandaDivisaRigaPerRiga();
    void bandaNonDivisibileVaAPaginaNuova();
    void testoStampatoComeScritto();
    void testoTagliatoAlBordo();
    void fotoAdattataEcentrata_data();
    void fotoAdattataEcentrata();
    void fotoTroppoGrande();
    void prepararePagineSostituisceLePrecedenti();
    void caratteri_data();
    void caratteri();
    void rigaDiElencoNelRiquadro();
    void sequenzaStampa();
    void anteprimaSimulata();
    void finestraAnteprima();
    void anteprimaSalvaPdf_data();
    void anteprimaSalvaPdf();
};

void TestReport::accessoPerNome_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("tipo"); // the kind asked for
    QTest::addColumn<bool>("riesce");
    QTest::newRow("text box") << "txtTitolo"
                              << "testo" << true;
    QTest::newRow("band") << "MasterData"
                          << "banda" << true;
    QTest::newRow("page") << "Page"
                          << "pagina" << true;
    QTest::newRow("missing name") << "txtMancante"
                                  << "testo" << false;
    QTest::newRow("name differs in case") << "TXTTITOLO"
                                          << "testo" << false;
    QTest::newRow("text box asked as picture") << "txtTitolo"
                                               << "immagine" << false;
    QTest::newRow("band asked as text box") << "MasterData"
                                            << "testo" << false;
}

void TestReport::accessoPerNome() {
    QFETCH(QString, nome);
    QFETCH(QString, tipo);
    QFETCH(bool, riesce);
    Elenco e;
    bool trovato = false;
    QString messaggio;
    try {
        if (tipo == u"testo")
            trovato = &e.r->trova<Testo>(nome) != nullptr;
        else if (tipo == u"banda")
            trovato = &e.r->trova<Banda>(nome) != nullptr;
        else if (tipo == u"pagina")
            trovato = &e.r->trova<Pagina>(nome) != nullptr;
        else
            trovato = &e.r->trova<Immagine>(nome) != nullptr;
    } catch (const Errore& x) {
        messaggio = QString::fromStdString(x.what());
    }
    QCOMPARE(trovato, riesce);
    if (!riesce)
        QVERIFY2(messaggio.contains(nome), qPrintable(messaggio));
}

void TestReport::testoInRighe_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("righe");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one line") << "Quarzo" << QStringList{"Quarzo"};
    QTest::newRow("CR LF, LF and CR") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blanks kept") << "  a  " << QStringList{"  a  "};
    QTest::newRow("empty line inside") << "a\n\nb" << QStringList{"a", "", "b"};
}

void TestReport::testoInRighe() {
    QFETCH(QString, testo);
    QFETCH(QStringList, righe);
    Testo t(QStringLiteral("t"), {});
    t.aggiungiRiga(QStringLiteral("vecchia"));
    t.impostaTesto(testo);
    QCOMPARE(t.righe(), righe);
    t.svuotaRighe();
    t.aggiungiRiga(QStringLiteral("x"));
    t.aggiungiRiga(QStringLiteral("y"));
    QCOMPARE(t.righe(), (QStringList{"x", "y"}));
}

void TestReport::bandaDivisaRigaPerRiga_data() {
    QTest::addColumn<int>("linee");
    QTest::addColumn<int>("pagine");
    QTest::newRow("no line") << 0 << 1;
    QTest::newRow("one line") << 1 << 1;
    QTest::newRow("100 lines") << 100 << 2;
    QTest::newRow("300 lines") << 300 << 6;
}

void TestReport::bandaDivisaRigaPerRiga() {
    QFETCH(int, linee);
    QFETCH(int, pagine);
    Elenco e;
    e.linee(linee);
    e.r->prepara();
    const auto pronte = e.r->preparate();
    QCOMPARE(pronte->size(), pagine);

    QStringList tutte;
    const qreal fondo = pronte->first().dimensione.height() - mm(10);
    for (int i = 0; i < pagine; ++i) {
        const PaginaPreparata& p = pronte->at(i);
        QCOMPARE(p.trova(QStringLiteral("txtTitolo")) != nullptr, i == 0); // the title on page 1 only
        QCOMPARE(p.trova(QStringLiteral("txtPiede")) != nullptr, i == pagine - 1);
        for (const Elemento& el : p.elementi)
            for (const RigaPreparata& r : el.righe) {
                QVERIFY2(r.area.bottom() <= fondo + 0.01, "a line runs into the bottom margin");
                QVERIFY2(el.visibile.contains(r.area.adjusted(0.01, 0.01, -0.01, -0.01)), "a line is cut");
            }
        const QStringList qui = righeDi(p, QStringLiteral("txtRighe"));
        if (i < pagine - 1)
            QVERIFY(!qui.isEmpty());
        tutte += qui;
    }
    // Every line once, in order, and the footer after the last one.
    QStringList attese;
    for (int i = 1; i <= linee; ++i)
        attese.append(QStringLiteral("Riga %1").arg(i, 3, 10, QChar(u'0')));
    QCOMPARE(tutte, attese);
    const PaginaPreparata& ultima = pronte->last();
    const Elemento* piede = ultima.trova(QStringLiteral("txtPiede"));
    for (const Elemento& el : ultima.elementi)
        for (const RigaPreparata& r : el.righe)
            if (el.nome == u"txtRighe")
                QVERIFY(r.area.bottom() <= piede->area.top());
}

void TestReport::bandaNonDivisibileVaAPaginaNuova() {
    Elenco e;
    e.linee(53); // a little taller than what the title leaves of the first page
    e.dati->divisibile = false;
    e.r->prepara();
    // Title alone on the first page; the whole band on the second, from its top.
    const auto pronte = e.r->preparate();
    QVERIFY(pronte->size() >= 2);
    QVERIFY(righeDi(pronte->at(0), QStringLiteral("txtRighe")).isEmpty());
    QCOMPARE(righeDi(pronte->at(1), QStringLiteral("txtRighe")).size(), 53);
    QCOMPARE(pronte->at(1).trova(QStringLiteral("txtRighe"))->area.top(), mm(10));
}

void TestReport::testoStampatoComeScritto() {
    Elenco e;
    e.titolo->impostaTesto(QStringLiteral("Totale [SUM(Valore)] <b>grassetto</b> & 100%"));
    e.righe->svuotaRighe();
    e.righe->aggiungiRiga(QStringLiteral("[Date] [Page#] {x}"));
    e.righe->impostaAltezza(20);
    e.r->prepara();
    const QStringList pagine = testoPdf(Stampa::pdf(lavoro(*e.r)));
    QCOMPARE(pagine.size(), 1);
    QVERIFY2(pagine[0].contains(QStringLiteral("Totale [SUM(Valore)] <b>grassetto</b> & 100%")),
             qPrintable(pagine[0]));
    QVERIFY(pagine[0].contains(QStringLiteral("[Date] [Page#] {x}")));
}

void TestReport::testoTagliatoAlBordo() {
    Foglio f;
    f.testo->impostaTesto(QString(200, u'W'));
    f.r->prepara();
    const qreal dpi = 150;
    const QImage img = Stampa::immagine(lavoro(*f.r), 0, dpi);
    // The box: 20 mm from the paper's left edge (margin 10 + 10), 60 mm wide, at 20..25 mm from the top.
    const int sinistra = px(20, dpi), destra = px(80, dpi), alto = px(20, dpi), basso = px(25, dpi);
    QVERIFY(inchiostro(img, QRect(QPoint(sinistra, alto), QPoint(destra - 2, basso))) > 0);
    QVERIFY2(inchiostro(img, QRect(QPoint(destra + 2, alto - 5), QPoint(img.width() - 1, basso + 5))) == 0,
             "the text passes the right edge of its box");
    QCOMPARE(inchiostro(img, QRect(QPoint(0, basso + 3), QPoint(img.width() - 1, px(29, dpi)))),
             0); // no wrap
}

void TestReport::fotoAdattataEcentrata_data() {
    QTest::addColumn<QSize>("dimensione");
    QTest::addColumn<QRectF>("atteso"); // millimetres on the paper
    // The box: 20 mm from the left, 40 mm from the top, 100 x 60 mm.
    QTest::newRow("wide") << QSize(400, 100) << QRectF(20, 57.5, 100, 25);
    QTest::newRow("tall") << QSize(300, 600) << QRectF(55, 40, 30, 60);
    QTest::newRow("small, enlarged to fit") << QSize(50, 30) << QRectF(20, 40, 100, 60);
    QTest::newRow("large photo") << QSize(4000, 3000) << QRectF(30, 40, 80, 60);
}

void TestReport::fotoAdattataEcentrata() {
    QFETCH(QSize, dimensione);
    QFETCH(QRectF, atteso);
    Foglio f;
    f.foto->impostaImmagine(immagineUnita(dimensione, Qt::red));
    f.r->prepara();
    const qreal dpi = 100;
    const QImage img = Stampa::immagine(lavoro(*f.r), 0, dpi);
    const QRect rosso = areaColore(img, Qt::red);
    const QRect voluto(QPoint(px(atteso.left(), dpi), px(atteso.top(), dpi)),
                       QPoint(px(atteso.right(), dpi) - 1, px(atteso.bottom(), dpi) - 1));
    for (int i = 0; i < 4; ++i) {
        const int a[] = {rosso.left(), rosso.top(), rosso.right(), rosso.bottom()};
        const int b[] = {voluto.left(), voluto.top(), voluto.right(), voluto.bottom()};
        QVERIFY2(std::abs(a[i] - b[i]) <= 2,
                 qPrintable(QStringLiteral("picture at %1,%2 %3x%4, expected %5,%6 %7x%8")
                                .arg(rosso.x())
                                .arg(rosso.y())
                                .arg(rosso.width())
                                .arg(rosso.height())
                                .arg(voluto.x())
                                .arg(voluto.y())
                                .arg(voluto.width())
                                .arg(voluto.height())));
    }
    // The picture kept for printing is never larger than print resolution needs.
    const Elemento* e = f.r->preparate()->first().trova(QStringLiteral("imgFoto"));
    QVERIFY(e->immagine.width() <= qCeil(e->destinazione.width() * PuntiPerPolliceImmagini / 96) ||
            e->immagine.size() == dimensione);
}

void TestReport::fotoTroppoGrande() {
    Foglio f;
    f.foto->impostaImmagine(immagineUnita(QSize(200, 100), Qt::blue));
    TReport::impostaLimitePixel(10000);
    QVERIFY_THROWS_EXCEPTION(Errore, f.r->prepara());
    TReport::impostaLimitePixel(20000);
    f.r->prepara();
    QCOMPARE(f.r->preparate()->size(), 1);
}

void TestReport::prepararePagineSostituisceLePrecedenti() {
    Elenco e;
    e.linee(100);
    e.r->prepara();
    const auto prima = e.r->preparate();
    e.linee(3);
    e.r->prepara();
    QCOMPARE(e.r->preparate()->size(), 1);
    QCOMPARE(righeDi(e.r->preparate()->first(), QStringLiteral("txtRighe")).size(), 3);
    QCOMPARE(prima->size(), 2); // a job handed out before keeps its pages
}

void TestReport::caratteri_data() {
    QTest::addColumn<QString>("famiglia");
    QTest::addColumn<QString>("installata");
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
    QTest::newRow("Courier New") << "Courier New"
                                 << "Liberation Mono";
    QTest::newRow("Verdana") << "Verdana"
                             << "DejaVu Sans";
}

void TestReport::caratteri() {
    QFETCH(QString, famiglia);
    QFETCH(QString, installata);
    QCOMPARE(famigliaEffettiva(famiglia), installata);
}

void TestReport::rigaDiElencoNelRiquadro() {
    const Carattere courier{QStringLiteral("Courier New"), 8, false, Qt::black};
    const qreal larghezza = larghezzaTesto(courier, QString(157, u'W'));
    QVERIFY2(larghezza < mm(273), qPrintable(QString::number(larghezza / UnitaPerMm) + " mm"));
    QVERIFY(larghezza > mm(260)); // 0.6 em a character: a real Courier-metric font
    QVERIFY(interlinea(courier) <= 12.822);
}

void TestReport::sequenzaStampa() {
    Elenco e;
    e.linee(100);
    e.r->prepara();
    Stampa::Test::accoda(false);
    QVERIFY(!stampa(nullptr, *e.r));
    QVERIFY(stampa(nullptr, *e.r)); // accepted when nothing is queued
    const auto richieste = Stampa::Test::prendi();
    QCOMPARE(richieste.size(), 2);
    QCOMPARE(richieste[0].tipo, Stampa::Test::Tipo::Stampa);
    QVERIFY(!richieste[0].accettata);
    QVERIFY(richieste[1].accettata);
    QCOMPARE(richieste[1].lavoro.titolo, QStringLiteral("Prova"));
    QCOMPARE(richieste[1].lavoro.numeroPagine(), 2);
    QCOMPARE(richieste[1].lavoro.pagine[0].orientation(), QPageLayout::Landscape);
    QCOMPARE(richieste[1].lavoro.pagine[0].pageSize().id(), QPageSize::A4);
    // The job paints what was prepared, also after the template is gone.
    const Stampa::Lavoro l = richieste[1].lavoro;
    e.r.reset();
    const QImage img = Stampa::immagine(l, 1, 50);
    QCOMPARE(img.size(), QSize(px(297, 50), px(210, 50)));
    QVERIFY(inchiostro(img, img.rect()) > 0);
}

void TestReport::anteprimaSimulata() {
    Elenco e;
    e.linee(5);
    e.r->prepara();
    mostraAnteprima(nullptr, *e.r, QStringLiteral("prova.pdf")); // does not block in test mode
    const auto richieste = Stampa::Test::prendi();
    QCOMPARE(richieste.size(), 1);
    QCOMPARE(richieste[0].tipo, Stampa::Test::Tipo::Anteprima);
    const QStringList testo = testoPdf(Stampa::pdf(richieste[0].lavoro));
    QCOMPARE(testo.size(), 1);
    QVERIFY(testo[0].contains(QStringLiteral("Riga 005")));
}

void TestReport::finestraAnteprima() {
    Elenco e(QPageLayout::Portrait);
    e.linee(100);
    e.r->prepara();
    TfrmAnteprimaReport w(nullptr, lavoro(*e.r), QStringLiteral("prova.pdf"));
    QCOMPARE(w.zoom(), 100);
    QCOMPARE(w.pagine().size(), 2);
    // At 100 % an A4 page is 210 mm at 96 pixels an inch.
    QVERIFY(qAbs(w.pagine()[0]->width() - mm(210)) <= 1);
    QCOMPARE(w.cmbZoom->currentText(), QStringLiteral("100 %"));
    w.btnIngrandisci->click();
    QVERIFY(w.zoom() > 100);
    QVERIFY(qAbs(w.pagine()[0]->width() - mm(210) * w.zoom() / 100) <= 1);
    w.impostaZoom(25);
    QVERIFY(!w.btnRiduci->isEnabled());
    w.btnRiduci->click();
    QCOMPARE(w.zoom(), 25);
    // Nothing on the pages takes input.
    for (QLabel* p : w.pagine())
        QCOMPARE(p->textInteractionFlags(), Qt::NoTextInteraction);
    for (QPushButton* b : {w.btnStampa, w.btnSalvaPdf, w.btnSchermoIntero, w.btnChiudi})
        QVERIFY(!b->accessibleName().isEmpty());
    Stampa::Test::accoda(false);
    w.btnStampa->click();
    const auto richieste = Stampa::Test::prendi();
    QCOMPARE(richieste.size(), 1);
    QCOMPARE(richieste[0].lavoro.numeroPagine(), 2);
    w.show();
    w.btnSchermoIntero->click();
    QVERIFY(w.isFullScreen());
    w.btnSchermoIntero->click();
    QVERIFY(!w.isFullScreen());
    w.btnChiudi->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TestReport::anteprimaSalvaPdf_data() {
    QTest::addColumn<QString>("scelto"); // "" = the user cancels; "?" = a folder that does not exist
    QTest::newRow("saved") << "copia.pdf";
    QTest::newRow("cancelled") << "";
    QTest::newRow("folder missing") << "?";
}

void TestReport::anteprimaSalvaPdf() {
    QFETCH(QString, scelto);
    Elenco e;
    e.linee(3);
    e.r->prepara();
    TfrmAnteprimaReport w(nullptr, lavoro(*e.r), QStringLiteral("Scheda Minerale - Quarzo.pdf"));
    const QString file = scelto == u"?"     ? percorso(QStringLiteral("manca/copia.pdf"))
                         : scelto.isEmpty() ? QString()
                                            : percorso(scelto);
    DialoghiFile::Test::accoda(file);
    w.btnSalvaPdf->click();
    const auto richieste = DialoghiFile::Test::richieste();
    QCOMPARE(richieste.size(), 1);
    QCOMPARE(richieste[0].nomeProposto, QStringLiteral("Scheda Minerale - Quarzo.pdf"));
    QCOMPARE(richieste[0].estensione, QStringLiteral("pdf"));
    QVERIFY(richieste[0].chiediSovrascrittura);
    if (scelto == u"?") {
        const auto m = messaggi();
        QCOMPARE(m.size(), 1);
        QCOMPARE(m[0].tipo, Messaggi::Tipo::Avviso);
        QVERIFY(m[0].testo.contains(QStringLiteral("PDF")));
        return;
    }
    if (scelto.isEmpty()) {
        QVERIFY(QDir(cartella()).entryList(QDir::Files).isEmpty());
        return;
    }
    const QStringList testo = testoPdf(leggiFile(file));
    QCOMPARE(testo.size(), 1);
    QVERIFY(testo[0].contains(QStringLiteral("TITOLO DI PROVA")));
    QVERIFY(testo[0].contains(QStringLiteral("Riga 003")));
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
