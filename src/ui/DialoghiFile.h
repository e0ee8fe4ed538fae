#pragma once

#include <QList>
#include <QString>

class QWidget;

// Open and save dialogs, scriptable by tests.
namespace DialoghiFile {

struct Opzioni {
    QString titolo;
    QString filtro;     // Qt filter text, e.g. "Immagini JPEG (*.jpg);;Bitmap (*.bmp)"
    QString estensione; // default extension without dot, added when the user types none
    QString nomeProposto;
    QString cartella;
    bool chiediSovrascrittura = true;
};

// The chosen path, or an empty text when the user cancels.
QString apri(QWidget* parent, const Opzioni& o);
QString salva(QWidget* parent, const Opzioni& o);

namespace Test {
void attiva();
void accoda(const QString& percorso); // "" = the user cancels
QList<Opzioni> richieste();           // every dialog asked for, emptied
int percorsiNonUsati();
void azzera();
} // namespace Test

} // namespace DialoghiFile
