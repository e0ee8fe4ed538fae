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
//
// The login window is created first and shown at once; the other five follow, in their fixed order, as
// soon as the login window has been drawn, so that the user does not wait for windows he cannot see yet.
// Asking for any of them creates them all at that moment.
class TCatena : public QObject {
    Q_OBJECT
public:
    TCatena();
    ~TCatena() override;

    void avvia(); // shows the login window

    TfrmPassword* frmPassword() const { return password.get(); }
    TfrmCambiaPassword* frmCambiaPassword() const { return finestreCreate().cambiaPassword.get(); }
    TfrmAvvio* frmAvvio() const { return finestreCreate().avvio.get(); }
    TfrmCreaCatalogo* frmCreaCatalogo() const { return finestreCreate().creaCatalogo.get(); }
    TfrmApriCatalogo* frmApriCatalogo() const { return finestreCreate().apriCatalogo.get(); }
    TfrmCartoline* frmCartoline() const { return finestreCreate().cartoline.get(); }

signals:
    void fine(); // end of the application: nothing asks, nothing is saved

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // The windows after the login one, once; creating them does not change what the chain is.
    const TCatena& finestreCreate() const;
    void creaFinestre();
    void passa(TFinestraCatena* da, TFinestraCatena* a);
    void apriCatalogoChiusa();

    std::unique_ptr<TfrmPassword> password;
    std::unique_ptr<TfrmCambiaPassword> cambiaPassword;
    std::unique_ptr<TfrmAvvio> avvio;
    std::unique_ptr<TfrmCreaCatalogo> creaCatalogo;
    std::unique_ptr<TfrmApriCatalogo> apriCatalogo;
    std::unique_ptr<TfrmCartoline> cartoline;
};
