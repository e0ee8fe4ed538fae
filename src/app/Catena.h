#pragma once

#include <QObject>

#include <memory>

class TfrmPassword;
class TfrmCambiaPassword;
class TfrmAvvio;
class TfrmCreaCatalogo;
class TfrmApriCatalogo;
class TfrmCartoline;
class TFinestraCatena;

// The six chain windows, created once; exactly one is visible at a time. The chain moves the user
// from one to the next and carries the hand-over values.
class TCatena : public QObject {
    Q_OBJECT
public:
    TCatena();
    ~TCatena() override;

    void avvia(); // shows the login window

    TfrmPassword* frmPassword() const { return password.get(); }
    TfrmCambiaPassword* frmCambiaPassword() const { return cambiaPassword.get(); }
    TfrmAvvio* frmAvvio() const { return avvio.get(); }
    TfrmCreaCatalogo* frmCreaCatalogo() const { return creaCatalogo.get(); }
    TfrmApriCatalogo* frmApriCatalogo() const { return apriCatalogo.get(); }
    TfrmCartoline* frmCartoline() const { return cartoline.get(); }

signals:
    void fine(); // end of the application: nothing asks, nothing is saved

private:
    void passa(TFinestraCatena* da, TFinestraCatena* a);
    void apriCatalogoChiusa();

    std::unique_ptr<TfrmPassword> password;
    std::unique_ptr<TfrmCambiaPassword> cambiaPassword;
    std::unique_ptr<TfrmAvvio> avvio;
    std::unique_ptr<TfrmCreaCatalogo> creaCatalogo;
    std::unique_ptr<TfrmApriCatalogo> apriCatalogo;
    std::unique_ptr<TfrmCartoline> cartoline;
};
