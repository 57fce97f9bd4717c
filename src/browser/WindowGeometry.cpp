#include "browser/WindowGeometry.h"

#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

namespace {
bool isNormal(const QWidget& window)
{
    return !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

QRect availableArea(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

int pixels(const QWidget& window, double twips)
{
    return int(std::lround(WindowGeometry::twipsToPixels(window, twips)));
}

void setClient(QWidget& window, const QRect& client)
{
    const QMargins frame = frameMargins(window);
    const QRect fitted = WindowPlacement::fit(client, frame, availableArea(window), window.minimumSize());
    window.resize(fitted.size());
    // move() places the frame, so the title bar is where the stored top and left say.
    window.move(fitted.x() - frame.left(), fitted.y() - frame.top());
}
} // namespace

double WindowGeometry::twipsToPixels(const QWidget& window, double twips)
{
    return twips * window.logicalDpiX() / Twips::kPerInch;
}

double WindowGeometry::pixelsToTwips(const QWidget& window, int pixels)
{
    return Twips::fromPixels(pixels, window.logicalDpiX());
}

QRectF WindowGeometry::normalTwips(const QWidget& window)
{
    // A maximised or minimised window reports the geometry it returns to; the frame stands
    // the same distance from the client area in every state.
    const QRect client = isNormal(window) ? window.geometry() : window.normalGeometry();
    const QMargins frame = frameMargins(window);
    return {pixelsToTwips(window, client.x() - frame.left()), pixelsToTwips(window, client.y() - frame.top()),
            pixelsToTwips(window, client.width()), pixelsToTwips(window, client.height())};
}

void WindowGeometry::place(QWidget& window, const QRectF& twips)
{
    const QMargins frame = frameMargins(window);
    setClient(window, QRect(pixels(window, twips.x()) + frame.left(), pixels(window, twips.y()) + frame.top(),
                            pixels(window, twips.width()), pixels(window, twips.height())));
}

void WindowGeometry::centre(QWidget& window, const QSizeF& twips)
{
    const QRect area = availableArea(window);
    const QSize size(pixels(window, twips.width()), pixels(window, twips.height()));
    setClient(window, QRect(area.x() + (area.width() - size.width()) / 2,
                            area.y() + (area.height() - size.height()) / 2, size.width(), size.height()));
}

void WindowGeometry::centre(QWidget& window)
{
    centre(window, {pixelsToTwips(window, window.width()), pixelsToTwips(window, window.height())});
}

void WindowGeometry::fitOnScreen(QWidget& window)
{
    if (isNormal(window))
        setClient(window, window.geometry());
}

QRectF WindowGeometry::stored(const Settings& settings, const Keys& keys, const QRectF& defaults,
                              const QWidget& window)
{
    const QRectF current = normalTwips(window);
    const auto read = [&settings](Settings::Key key, double fallback, double unreadable) {
        return double(settings.single(key, float(fallback)).value_or(float(unreadable)));
    };
    return {read(keys.left, defaults.x(), current.x()), read(keys.top, defaults.y(), current.y()),
            read(keys.width, defaults.width(), current.width()),
            read(keys.height, defaults.height(), current.height())};
}

void WindowGeometry::store(Settings& settings, const Keys& keys, const QWidget& window)
{
    const QRectF place = normalTwips(window);
    settings.setSingle(keys.top, float(place.y()));
    settings.setSingle(keys.left, float(place.x()));
    settings.setSingle(keys.width, float(place.width()));
    settings.setSingle(keys.height, float(place.height()));
}

QRectF WindowGeometry::availableTwips(const QWidget& window)
{
    const QRect area = availableArea(window);
    return {pixelsToTwips(window, area.x()), pixelsToTwips(window, area.y()),
            pixelsToTwips(window, area.width()), pixelsToTwips(window, area.height())};
}
