#pragma once

#include "Sfondo.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QLineEdit;

// The style kit: every colour, font and common size of the windows, and the pieces that several windows
// share (field highlight, Enter ring, status bar). A window composes these instead of writing its own.
namespace Stile {

namespace Colore {
// Window backgrounds and bands.
inline const QColor BluAcciaio{66, 122, 168};  // top of the chain windows' gradient
inline const QColor BluSteel{70, 130, 180};    // top of the list windows' gradient
inline const QColor Sezione{0xC8, 0xD6, 0xE3}; // the editor's field section
inline const QColor BandaFondo{240, 246, 252};
inline const QColor BandaBordo{176, 196, 222};
inline const QColor CorniceFoto{0x9F, 0xB6, 0xCC};
inline const QColor FondoSegnaposto{207, 230, 245}; // behind the drawing of an empty photo slot
inline const QColor AzzurroAllegati{161, 192, 217}; // bottom of the attachment window's gradient
inline const QColor SlotAllegato{220, 234, 246};    // bottom of an attachment slot's frame
inline const QColor BarraStato{0x30, 0x30, 0xDD};
// Text.
inline const QColor Didascalia{0x1F, 0x3F, 0x73}; // captions of the editor's fields
inline const QColor DidascaliaScura{0x1F, 0x3F, 0x5F};
inline const QColor DidascaliaFiltro{0x1C, 0x3D, 0x5E};
inline const QColor Avviso{0x00, 0x8B, 0x8B};      // dark cyan notices of the list windows
inline const QColor Richiamo{0xDC, 0x14, 0x3C};    // crimson instruction lines
inline const QColor Conferma{0x00, 0x80, 0x00};    // green count lines
inline const QColor Selezione{0x2E, 0x6D, 0xA4};   // selected list item
inline const QColor TestoSpento{0x80, 0x80, 0x80}; // read-only texts in grey
// Field highlight.
inline const QColor CampoFuoco{0xFF, 0xFF, 0x00};  // yellow while focused
inline const QColor CampoRiposo{0xF0, 0xF8, 0xFF}; // alice blue otherwise
inline const QColor CampoBordo{0x87, 0xCE, 0xEB};  // sky-blue border
// Panels of the list windows and of the access windows.
inline const QColor PannelloAlto{250, 252, 255, 235};
inline const QColor PannelloBasso{226, 236, 246, 235};
inline const QColor PannelloBordo{70, 110, 150};
inline const QColor AccessoAlto{250, 251, 253};
inline const QColor AccessoBasso{226, 234, 243};
inline const QColor AccessoBordo{120, 150, 180};
inline const QColor TitoloAlto{38, 88, 138};
inline const QColor TitoloBasso{80, 136, 186};
inline const QColor TitoloBordo{30, 70, 110};
inline const QColor TitoloTesto{30, 62, 96};
// Picture buttons.
inline const QColor SegnoFuoco{30, 60, 110};
// The export window and its grid.
inline const QColor AltoEsportazione{117, 163, 201};
inline const QColor RigaAlterna{0xEE, 0xF4, 0xFA};
// The webcam window: its gradient and the frames of its two pictures.
inline const QColor AltoWebCam{79, 115, 151};
inline const QColor RiquadroAlto{250, 252, 255};
inline const QColor RiquadroBasso{222, 232, 242};
// Information notes of the specimen-sheet windows.
inline const QColor TestoInformazione{0x30, 0x30, 0x30};
// Instruction notes.
inline const QColor NotaAlto{255, 253, 231};
inline const QColor NotaBasso{250, 240, 200};
inline const QColor NotaBordo{205, 180, 110};
inline const QColor NotaTesto{60, 50, 20};
} // namespace Colore

// "#RRGGBB", for style sheets.
QString css(const QColor& c);
// "color: #RRGGBB;", the style sheet of a coloured text.
QString coloreTesto(const QColor& c);

// Fonts by family and size in points (the one unit of the program; 1 pt = 4/3 pixel at 96 dpi).
QFont carattere(const QString& famiglia, qreal punti, bool grassetto = false);
inline QFont verdana(qreal punti, bool grassetto = false) {
    return carattere(QStringLiteral("Verdana"), punti, grassetto);
}
inline QFont tahoma(qreal punti, bool grassetto = false) {
    return carattere(QStringLiteral("Tahoma"), punti, grassetto);
}
inline QFont courierNew(qreal punti, bool grassetto = false) {
    return carattere(QStringLiteral("Courier New"), punti, grassetto);
}
inline QFont arial(qreal punti, bool grassetto = false) {
    return carattere(QStringLiteral("Arial"), punti, grassetto);
}

// Common sizes.
inline constexpr QSize FinestraCatena{1016, 713}; // design size of the maximised windows
inline constexpr QSize PannelloCatena{995, 692};  // their centred content panel
inline constexpr QSize DimensioneFoto{366, 260};  // a photo slot of the editor
inline constexpr int NumeroFiltri = 10;           // filters of the search window

// A visible label with its object name, text, font, colour and place. A label whose text the program
// changes keeps no fixed accessible name: screen readers read its text.
QLabel* etichetta(QWidget* parent, const QString& nome, const QString& testo, const QFont& font,
                  const QColor& colore, const QRect& posizione, Qt::Alignment allineamento = {});
// An invisible hand-over slot.
QLabel* etichettaNascosta(QWidget* parent, const QString& nome, const QString& testo = {});

// Field highlight of the creation window and the editor: the field's own background, alice blue with a
// sky-blue border, yellow while it has the focus. A modal box or a popup taking the focus for a moment
// does not move it: the field stays yellow until the user really leaves it.
void evidenziaCampo(QLineEdit* campo, int bordo = 1, int raggio = 0, int rientro = 3);
bool evidenziato(const QLineEdit* campo);
// Puts the highlight on or off at once, as when the program moves the focus away.
void impostaEvidenziato(QLineEdit* campo, bool acceso);

// Makes a window (or a dialog about to be shown with exec) maximised. Without a window manager nothing
// maximises it, so it gets the screen's available size first.
void massimizza(QWidget* finestra);
// Moves a window to the middle of its screen's available area.
void centraSulloSchermo(QWidget* finestra);
void mostraMassimizzata(QWidget* finestra);

} // namespace Stile

// The Enter ring: Enter in one of its fields moves the focus to the next one, from the last back to the
// first. Other keys pass.
class TAnelloInvio : public QObject {
    Q_OBJECT
public:
    TAnelloInvio(QObject* parent, QList<QWidget*> campi);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QList<QWidget*> anello;
};

// The blue status bar at the bottom of the editor and the export window: shpInfo with its text panInfo.
// Moving over a control with a hint shows it; moving over a background empties it; anything else (edit
// fields) leaves it as it is. The pointer resting where the window appears is not a move.
class TBarraStato : public TRettangolo {
    Q_OBJECT
public:
    TBarraStato(QWidget* parent, const QRect& posizione, const QString& testoIniziale);
    QLabel* panInfo;

    void suggerimento(QWidget* controllo, const QString& testo);
    void sfondo(QWidget* w);
    QString suggerimentoDi(const QObject* controllo) const { return suggerimenti.value(controllo); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QHash<const QObject*, QString> suggerimenti;
    QList<const QObject*> sfondi;
    QWidget* finestraOsservata = nullptr;
    QPoint puntatoreAllaComparsa;
    bool fermoDallaComparsa = false;
};
