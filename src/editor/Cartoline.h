#pragma once

#include "editor/AllegaCartella.h"
#include "media/DestinazioneFoto.h"
#include "output/SchedaInStampa.h"
#include "search/EditorElenco.h"
#include "storage/FotoScheda.h"
#include "storage/Scheda.h"
#include "ui/FinestraCatena.h"

#include <QImage>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QKeyEvent;
class TArchivio;
class TBarraStato;
class QLabel;
class QLineEdit;
class TPulsanteImmagine;
class TRettangolo;
class TRiquadroFoto;

// The record editor: one specimen card of the open catalogue. The controls are the card being edited;
// lblPosizione says which record they came from (empty for a new card).
class TfrmCartoline : public TFinestraCatena,
                      public IFotoScheda,
                      public IEditorElenco,
                      public IAllegatiScheda,
                      public ISchedaInStampa,
                      public IDestinazioneFoto {
    Q_OBJECT
public:
    TfrmCartoline();

    void subNuovaScheda();
    // Puts record r into the controls as card number n (1-based) and loads the card's photos.
    void subMostraScheda(const TScheda& r, qint64 n) override;
    QString archivioAperto() const override;

    // The 21 edits in record order (Titolo .. Note).
    QLineEdit* campo(Campo c) const { return campi[static_cast<std::size_t>(c)]; }

    QLabel* lblFile;      // full path of the open archive (hidden)
    QLabel* lblNome;      // catalogue name, shown as the card's title
    QLabel* lblPosizione; // 1-based number of the card shown; empty for a new card
    QLabel* lblFile01;
    QLabel* lblFile02;
    QLabel* lblFile03;
    QLabel* lblDesc01;
    QLabel* lblDesc02;
    QLabel* lblDesc03;
    QLabel* panInfo;
    QCheckBox* chkInVendita;
    TRiquadroFoto* imgFoto;
    TRiquadroFoto* imgFoto02;

    QLineEdit *txtTitolo, *txtTipologia, *txtEditore, *txtSerie, *txtDescrizione, *txtAnno, *txtValore,
        *txtDimensioni, *txtCarta, *txtRarita, *txtMittente, *txtIndirizzoMit, *txtDestinatario,
        *txtIndirizzoDes, *txtTesto, *txtData, *txtFrancobollo, *txtTimbro, *txtStato, *txtLuogo, *txtNote;

    TPulsanteImmagine *cmdNuovo, *cmdSalva, *cmdTrova, *cmdCercaDisponibili, *cmdFile, *cmdAnteprima,
        *cmdStampa, *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo, *cmdEsporta, *cmdSlideShow, *cmdGuida,
        *cmdEsci;
    TPulsanteImmagine *btnCaricaFoto, *btnAcquisisciFoto, *btnSalvaFoto, *btnCancFoto, *btnZoomFoto;
    TPulsanteImmagine *btnCaricaFoto02, *btnAcquisisciFoto02, *btnSalvaFoto02, *btnCancFoto02, *btnZoomFoto02;

    // IFotoScheda: what the photo files of the card need from the window.
    QString nomeCatalogo() const override;
    QString posizioneScheda() const override;
    Foto foto(SlotFoto slot) const override;
    void impostaFoto(SlotFoto slot, const Foto& f) override;
    void mostraSegnaposto() override;
    // ISchedaInStampa: what the specimen sheet reads, unsaved texts included.
    QString testoCampo(Campo c) const override;
    QString nomeArchivio() const override;
    QImage fotoMostrata() const override;
    static Foto segnaposto(SlotFoto slot); // imgBianco / imgBianco02

    // The record built from the controls, as a save writes it.
    TScheda schedaDaControlli() const;

    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdTrovaClick();
    void cmdCercaDisponibiliClick();
    void cmdFileClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdSlideShowClick();
    void cmdGuidaClick();
    // IAllegatiScheda: the attachment window writes the card's documents back.
    void impostaAllegati(const AllegatiScheda& a) override;
    void cmdEsciClick() { close(); }
    void btnCaricaFotoClick(SlotFoto slot);
    void btnAcquisisciFotoClick(SlotFoto slot);
    void btnSalvaFotoClick(SlotFoto slot);
    void btnCancFotoClick(SlotFoto slot);
    void btnZoomFotoClick(SlotFoto slot);

protected:
    void FormShow() override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void creaBarraComandi(QWidget* p);
    void creaFoto(QWidget* p);
    void creaCampi(QWidget* p);
    TPulsanteImmagine* comando(QWidget* p, const char* nome, const char* icona, const QString& descrizione,
                               const QString& suggerimento);
    QLineEdit* nuovoCampo(QWidget* p, Campo c, QPoint posizione);
    void txtValoreExit();
    bool txtValoreKeyDown(const QKeyEvent* k); // true: the key is discarded
    // One navigation action: scegli picks the record to show, or none; archive failures show the error.
    void naviga(const std::function<std::optional<qint64>(TArchivio&)>& scegli);
    std::optional<qint64> archivioVuoto(TArchivio& a); // closes it and says the archive has no cards
    TRiquadroFoto* riquadro(SlotFoto s) const { return s == SlotFoto::A ? imgFoto : imgFoto02; }

    std::array<QLineEdit*, NumeroCampiTesto> campi{};
    TBarraStato* barra;
};
