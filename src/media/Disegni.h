#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// A picture of the program drawn from its SVG resource at a fixed pixel size, on a plain background.
// A resource that cannot be drawn leaves the background alone, so a placeholder is never empty.
QImage disegnaSvg(const QString& risorsa, QSize dimensione, const QColor& fondo = Qt::white);
