#pragma once

#include <QString>
#include <QStringList>

// The catalogues of the program folder: one archive file "<name>.ima" each. Creating, listing, locating
// and deleting them needs no window.
namespace Cataloghi {

enum class Esito { Creato, NomeVuoto, NomeUsato, Errore };

struct Creazione {
    Esito esito = Esito::Errore;
    QString percorso; // the archive path, once the name is known
    QString errore;   // for Esito::Errore: a short Italian description of the failure
};

// Creates the empty archive for the name typed by the user (blanks at both ends removed). An existing
// file is never touched.
Creazione crea(const QString& testoNome);

// Why a catalogue name cannot become a file name in the program folder of any platform (a separator, a
// character or device name that Windows refuses, a trailing dot or blank); empty when it can.
QString motivoNomeRifiutato(const QString& nome);

// The characters the name field swallows when they are typed (pasting is not filtered).
bool rifiutatoInDigitazione(QChar c);

// File names (with extension) of the archive files directly in the program folder, in list order.
QStringList elenca();
// List order: letters A-Z without regard to case, every other character by its code.
bool precede(const QString& a, const QString& b);

// The archive a list entry stands for. Entries are real file names, so the entry is used as it is.
QString percorsoArchivio(const QString& voce);

// Removes the archive file; true when no file is left at that path.
bool elimina(const QString& percorso);

// "Sono stati creati <n> archivi di campioni mineralogici."
QString rigaConteggio(qsizetype n);

} // namespace Cataloghi
