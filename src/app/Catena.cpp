#include "Catena.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/Cartoline.h"
#include "storage/Testo.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWindow>

TCatena::TCatena() : password(std::make_unique<TfrmPassword>()) {
    connect(password.get(), &TfrmPassword::accessoConsentito, this,
            [this] { passa(password.get(), frmAvvio()); });
    connect(password.get(), &TfrmPassword::cambiaPassword, this,
            [this] { passa(password.get(), frmCambiaPassword()); });
    connect(password.get(), &TfrmPassword::esci, this, &TCatena::fine);
}

TCatena::~TCatena() = default;

// Creation order of the windows: the login window first (in the constructor), as the main window.
void TCatena::creaFinestre() {
    if (cartoline)
        return;
    apriCatalogo = std::make_unique<TfrmApriCatalogo>();
    avvio = std::make_unique<TfrmAvvio>();
    cambiaPassword = std::make_unique<TfrmCambiaPassword>();
    cartoline = std::make_unique<TfrmCartoline>();
    creaCatalogo = std::make_unique<TfrmCreaCatalogo>();

    connect(cambiaPassword.get(), &TFinestraCatena::chiusa, this, [this] {
        passa(cambiaPassword.get(), password.get());
        password->azzeraDopoCambio();
    });
    connect(avvio.get(), &TfrmAvvio::creaCatalogo, this, [this] { passa(avvio.get(), creaCatalogo.get()); });
    connect(avvio.get(), &TfrmAvvio::apriCatalogo, this, [this] { passa(avvio.get(), apriCatalogo.get()); });
    connect(avvio.get(), &TfrmAvvio::esci, this, &TCatena::fine);
    connect(creaCatalogo.get(), &TFinestraCatena::chiusa, this,
            [this] { passa(creaCatalogo.get(), avvio.get()); });
    connect(apriCatalogo.get(), &TFinestraCatena::chiusa, this, &TCatena::apriCatalogoChiusa);
    connect(cartoline.get(), &TFinestraCatena::chiusa, this, [this] { passa(cartoline.get(), avvio.get()); });
}

const TCatena& TCatena::finestreCreate() const {
    const_cast<TCatena*>(this)->creaFinestre();
    return *this;
}

void TCatena::avvia() {
    password->mostra();
    if (cartoline)
        return;
    if (QWindow* w = password->windowHandle())
        w->installEventFilter(this);
    else
        creaFinestre();
}

// The first exposure of the login window paints it; the other windows are created right after, once
// that picture has gone to the screen.
bool TCatena::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Expose && password->windowHandle() == o &&
        password->windowHandle()->isExposed()) {
        o->removeEventFilter(this);
        QTimer::singleShot(0, this, &TCatena::creaFinestre);
    }
    return QObject::eventFilter(o, e);
}

void TCatena::passa(TFinestraCatena* da, TFinestraCatena* a) {
    a->mostra();
    da->hide();
}

void TCatena::apriCatalogoChiusa() {
    const QString marcatore = Testo::taglia(apriCatalogo->lblMemory->text());
    if (marcatore == QLatin1String("cartoline")) {
        cartoline->lblFile->setText(Testo::taglia(apriCatalogo->lblFile->text()));
        // The catalogue's name is the chosen entry without ".ima"; nothing chosen leaves it empty.
        const QString voce = apriCatalogo->voceScelta();
        cartoline->lblNome->setText(voce.size() >= 4 ? voce.chopped(4) : QString());
        passa(apriCatalogo.get(), cartoline.get());
    } else if (marcatore == QLatin1String("avvio")) {
        passa(apriCatalogo.get(), avvio.get());
    } else {
        apriCatalogo->hide();
    }
}
