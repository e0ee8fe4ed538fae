#pragma once

#include <QString>

// The folder of the running executable, with its trailing separator: every data file lives there.
QString CartellaProgramma();
// Set once by main from the executable's folder; tests point it at a temporary folder.
void ImpostaCartellaProgramma(const QString& cartella);

enum class SlotFoto { A, B };

// Photo file of a card: <program folder>Foto_Minerali/<name>_Foto_A_<n>.jpg (or _B_).
QString CartellaFoto();
QString PercorsoFoto(const QString& nomeCatalogo, const QString& numeroScheda, SlotFoto slot);
