#include "AnteprimaCartolina.h"

#include "report/Anteprima.h"
#include "ui/Stile.h"

#include <QPainter>
#include <QSvgWidget>

namespace {

// The steel-blue-to-white separator bar.
class TSeparatore : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), 0);
        g.setColorAt(0, Stile::Colore::BluSteel);
        g.setColorAt(1, Qt::white);
        p.fillRect(rect(), g);
    }
};

QSvgWidget* decorazione(QWidget* parent, const char* nome, const QString& svg, const QRect& posizione) {
    auto* w = new QSvgWidget(svg, parent);
    w->setObjectName(QString::fromLatin1(nome));
    w->setGeometry(posizione);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return w;
}

} // namespace

TfrmAnteprimaCartolina::TfrmAnteprimaCartolina(QWidget* owner, const ISchedaInStampa& scheda)
    : TFinestraScheda(
          owner, scheda, QStringLiteral("frmAnteprimaCartolina"), QStringLiteral(" Anteprima di stampa"),
          QStringLiteral("Mostra anteprima"),
          QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon "
                         "fine.\n\r\n\rSi consiglia di ridurre le dimensioni della foto.")) {
    icoInf01 = new TInformazione(
        shpSfondo, QStringLiteral("icoInf01"), QRect(14, 12, 298, 72), QStringLiteral("Anteprima di stampa"),
        {QStringLiteral("Questa operazione mostra in anteprima i dati che compariranno nella stampa.")});
    shpSepara = new TSeparatore(shpSfondo);
    shpSepara->setObjectName(QStringLiteral("shpSepara"));
    shpSepara->setGeometry(14, 86, 298, 3);
    imgLogo01 =
        decorazione(shpSfondo, "imgLogo01", QStringLiteral(":/report/lettore.svg"), QRect(18, 98, 64, 64));
    imgSezione04 = decorazione(shpSfondo, "imgSezione04", QStringLiteral(":/report/stampante_lente.svg"),
                               QRect(244, 98, 64, 64));
    icoInf02 = new TInformazione(
        shpSfondo, QStringLiteral("icoInf02"), QRect(90, 100, 148, 100), QString(),
        {QStringLiteral(
            "Fare clic su \"Mostra anteprima\" per vedere il documento a video prima di stamparlo "
            "su carta.")});
}

void TfrmAnteprimaCartolina::consegna(Report::TReport& r) {
    Report::mostraAnteprima(this, r, nomePdf());
}
