#pragma once

#include <QString>

#include <functional>

// The attachments folder: one flat folder of documents shared by every card of every catalogue.
namespace Allegati {

// <program folder>Documenti_Allegati/
QString Cartella();
// What the desktop is handed to open a document: the quoted path in the attachments folder.
QString ComandoApri(const QString& nomeFile);

// Copies sorgente into the folder under nomeFile. sovrascrivi is asked only when a different file of that
// name is already there; false keeps it. The copy goes to a temporary file in the folder and replaces the
// old one only when complete; a file chosen from the folder itself is left as it is. False on any failure.
bool Copia(const QString& sorgente, const QString& nomeFile, const std::function<bool()>& sovrascrivi);

} // namespace Allegati
