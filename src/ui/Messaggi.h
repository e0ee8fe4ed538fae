#pragma once

#include <QList>
#include <QString>

class QWidget;

// Every message box of the program goes through here, so tests can script answers and read the texts.
namespace Messaggi {

enum class Tipo { Semplice, Avviso, Errore, Informazione, Conferma };
enum class Risposta { Ok, Annulla, Si, No };

// Plain message: text and one OK button, no icon.
void plain(QWidget* parent, const QString& testo);
// Typed messages with their icon and the buttons OK and Cancel.
Risposta avviso(QWidget* parent, const QString& testo);
Risposta errore(QWidget* parent, const QString& testo);
Risposta informazione(QWidget* parent, const QString& testo);
// Question with Yes and No; true for Yes.
bool conferma(QWidget* parent, const QString& testo);

struct Mostrato {
    Tipo tipo;
    QString testo;
    bool operator==(const Mostrato&) const = default;
};

// Test mode: boxes do not block. Each box takes the next queued answer (OK, or No for a question, when
// none is queued) and is recorded; a test takes the record and checks it.
namespace Test {
void attiva();
bool attivo();
void accoda(Risposta r);
QList<Mostrato> prendi(); // the boxes shown since the last call, emptied
int risposteNonUsate();   // answers queued but never asked for
void azzera();
} // namespace Test

} // namespace Messaggi
