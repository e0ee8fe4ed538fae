// Photos: a card whose two photos are 12-megapixel JPEG files shown in the record editor and saved,
// and one step of the slide show with such a photo, each through the windows' own code.
#include "Casi.h"

#include "editor/Cartoline.h"
#include "media/Slideshow_Euro_01.h"
#include "storage/CartellaProgramma.h"
#include "ui/Messaggi.h"
#include "ui/PulsanteImmagine.h"
#include "ui/RiquadroFoto.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr QSize Dimensione{4000, 3000};

// A camera-like picture: a lit specimen on a dark ground (radial light, banded colour) with a grain
// that JPEG cannot squeeze away, so that quality 90 gives a file of a few megabytes. The same seed
// gives the same picture every run.
QImage fotoSintetica(quint32 seme, QRgb tinta) {
    const int w = Dimensione.width(), h = Dimensione.height();
    QImage img(Dimensione, QImage::Format_RGB32);
    // Tables keep the per-pixel work to additions: horizontal and vertical bands, and a radial falloff.
    std::vector<int> bandaX(w), bandaY(h);
    for (int x = 0; x < w; ++x)
        bandaX[x] = int(28 * std::sin(x * 0.0131) + 9 * std::sin(x * 0.071));
    for (int y = 0; y < h; ++y)
        bandaY[y] = int(22 * std::sin(y * 0.0087) + 7 * std::sin(y * 0.053));
    std::vector<int> luce(1024);
    for (std::size_t i = 0; i < luce.size(); ++i)
        luce[i] = int(255 * std::exp(-double(i) * i / (2 * 300.0 * 300.0)));
    const double cx = w * 0.46, cy = h * 0.54;
    quint32 s = seme;
    auto canale = [](int v) { return std::clamp(v, 0, 255); };
    for (int y = 0; y < h; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double dy = (y - cy) * (y - cy);
        for (int x = 0; x < w; ++x) {
            s ^= s << 13; // xorshift: a fixed grain, quick to make
            s ^= s >> 17;
            s ^= s << 5;
            const int d = std::min(1023, int(std::sqrt((x - cx) * (x - cx) + dy) / 2));
            const int l = luce[d], g = int(s % 23) - 11, b = bandaX[x] + bandaY[y];
            riga[x] = qRgb(canale(qRed(tinta) * l / 255 + b + g + 12),
                           canale(qGreen(tinta) * l / 255 + b / 2 + g + 10),
                           canale(qBlue(tinta) * l / 255 - b / 3 + g + 16));
        }
    }
    return img;
}

QByteArray comeJpeg(const QImage& img) {
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    QImageWriter w(&b, "jpeg");
    w.setQuality(90);
    if (!w.write(img))
        qFatal("cannot encode the benchmark photo");
    return out;
}

QByteArray leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivi(const QString& percorso, const QByteArray& dati) {
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dati) != dati.size())
        qFatal("cannot write %s", qPrintable(percorso));
}

// Paints the slot as the screen would: the widget's own paint, into an image of its size.
void dipingi(QWidget* w, QImage& tela) {
    if (tela.size() != w->size())
        tela = QImage(w->size(), QImage::Format_RGB32);
    w->render(&tela);
}

// The box shows a 4:3 picture (the photo, not a placeholder) and has painted more than one colour.
bool mostrata(const TRiquadroFoto* r, const QImage& tela) {
    const QSize a = r->areaImmagine().size();
    if (a.isEmpty() || std::abs(a.width() * 3 - a.height() * 4) > 4)
        return false;
    const QRgb primo = tela.pixel(tela.width() / 2, tela.height() / 2);
    for (int y = 0; y < tela.height(); y += 7)
        for (int x = 0; x < tela.width(); x += 7)
            if (tela.pixel(x, y) != primo)
                return true;
    return false;
}

QString nomeCatalogo(const QString& archivio) {
    const QString file = QFileInfo(archivio).fileName();
    return file.left(file.size() - 4); // without ".ima", as the opening window hands it over
}

} // namespace

void casiFoto(const Contesto& c) {
    const QString nome = nomeCatalogo(c.archivio);
    const QString numero = QString::number(c.schede); // the last card, shown by cmdUltimo
    const QString fileA = PercorsoFoto(nome, numero, SlotFoto::A),
                  fileB = PercorsoFoto(nome, numero, SlotFoto::B);
    QDir().mkpath(CartellaFoto());
    const std::array<QByteArray, 2> originali = {comeJpeg(fotoSintetica(20261211u, qRgb(170, 120, 210))),
                                                 comeJpeg(fotoSintetica(19700101u, qRgb(210, 160, 110)))};
    scrivi(fileA, originali[0]);
    scrivi(fileB, originali[1]);
    const QString dimensioni = QStringLiteral("%1 + %2 MB")
                                   .arg(originali[0].size() / 1e6, 0, 'f', 1)
                                   .arg(originali[1].size() / 1e6, 0, 'f', 1);

    {
        TfrmCartoline ed;
        ed.lblFile->setText(c.archivio);
        ed.lblNome->setText(nome);
        ed.mostra();
        QImage telaA, telaB;
        bool ok = true;
        const Misura mostra = misura(c.volte, [&] {
            ed.cmdUltimo->click();
            dipingi(ed.imgFoto, telaA);
            dipingi(ed.imgFoto02, telaB);
            ok = ok && ed.lblPosizione->text() == numero && mostrata(ed.imgFoto, telaA) &&
                 mostrata(ed.imgFoto02, telaB);
        });
        Messaggi::Test::prendi();
        stampaRiga(QStringLiteral("8. card with two 4000×3000 photos shown (both painted)"), mostra, 0,
                   obiettivo(mostra.mediana(), 150, "ms") +
                       QStringLiteral(", %1%2").arg(dimensioni).arg(ok ? "" : ", NOT SHOWN"));

        bool salvata = true;
        const Misura salva = misura(c.volte, [&] {
            ed.cmdSalva->click();
            const auto box = Messaggi::Test::prendi();
            salvata = salvata && box.size() == 1 && box.first().tipo == Messaggi::Tipo::Informazione;
        });
        const bool identiche = leggi(fileA) == originali[0] && leggi(fileB) == originali[1];
        stampaRiga(QStringLiteral("8. the same card saved"), salva, 0,
                   QStringLiteral("photo files byte-identical: %1%2")
                       .arg(identiche ? "yes" : "NO (re-encoded)")
                       .arg(salvata ? "" : ", NOT SAVED"));
    }

    {
        TfrmSlideshow_Euro_01 show(nullptr, c.archivio, nome);
        show.show();
        show.Timer->stop(); // the benchmark makes the steps itself
        QImage tela;
        bool ok = true;
        const Misura passo = misura(c.volte, [&] {
            show.lblPosizione->setText(QString::number(c.schede - 1)); // the next step shows the last card
            show.cmdAvantiClick();
            dipingi(show.imgFoto, tela);
            ok = ok && show.lblPosizione->text() == numero && mostrata(show.imgFoto, tela);
        });
        Messaggi::Test::prendi();
        stampaRiga(QStringLiteral("9. slide-show step, 4000×3000 photo painted"), passo, 0,
                   obiettivo(passo.mediana(), 100, "ms") + QStringLiteral(", area %1×%2%3")
                                                               .arg(show.imgFoto->width())
                                                               .arg(show.imgFoto->height())
                                                               .arg(ok ? "" : ", NOT SHOWN"));
        show.reject();
    }
    // The cases measured after this one find the card without photos, as before.
    QFile::remove(fileA);
    QFile::remove(fileB);
}
