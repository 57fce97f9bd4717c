#pragma once

#include "core/Settings.h"

#include <QRectF>

#include <optional>

class QWidget;

// A window's place in twips, as the settings keep it: the frame's left and top, the client
// area's width and height. Every window that remembers or chooses its place goes through here,
// so each one keeps its normal geometry while maximised and lies wholly on the screen it opens on.
namespace WindowGeometry {
struct Keys
{
    Settings::Key left;
    Settings::Key top;
    Settings::Key width;
    Settings::Key height;
};

// The geometry the window has, or returns to when maximised or minimised, in twips.
QRectF normalTwips(const QWidget& window);
// Gives the window that geometry, fitted wholly onto the screen's available area.
void place(QWidget& window, const QRectF& twips);
// Centres a window of that client size (in twips), or of its own size, on the screen's
// available area.
void centre(QWidget& window, const QSizeF& twips);
void centre(QWidget& window);
// Fits the window as it is onto the screen's available area.
void fitOnScreen(QWidget& window);

// Reads the stored place, each key falling back to its default (or to the window's current
// value where the stored text cannot be read).
QRectF stored(const Settings& settings, const Keys& keys, const QRectF& defaults, const QWidget& window);
void store(Settings& settings, const Keys& keys, const QWidget& window);

// The screen's available area in twips, for defaults.
QRectF availableTwips(const QWidget& window);
double twipsToPixels(const QWidget& window, double twips);
double pixelsToTwips(const QWidget& window, int pixels);
} // namespace WindowGeometry
