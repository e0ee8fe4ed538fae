#pragma once

#include "report/Modello.h"

#include <QFont>

// Fonts of the templates. The family names the templates use (Arial, Courier New, Verdana) are made to
// resolve to installed fonts with the same metrics, and text is measured and drawn from a large
// reference size: fontconfig rounds small pixel sizes to whole pixels, which would make an 8 pt line
// several percent wider on the screen than on paper.
namespace Report {

// Makes sure each template family resolves to an installed font of the same metrics; the engine calls
// it itself, and calling it again does nothing.
void preparaCaratteri();

// The family a template family resolves to, for messages and tests.
QString famigliaEffettiva(const QString& famiglia);

inline constexpr int PixelRiferimento = 512;

// The font at the reference pixel size and the factor that brings it to the carattere's size in units.
QFont fontRiferimento(const Carattere& c);
qreal scalaRiferimento(const Carattere& c); // units per reference pixel

qreal interlinea(const Carattere& c);                       // line spacing in units
qreal larghezzaTesto(const Carattere& c, const QString& t); // advance in units

} // namespace Report
