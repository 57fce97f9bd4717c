#include "ui/Artwork.h"

#include <QString>

#include <iterator>

// The drawings are SVG files in ui/pictures; the build draws each into a PNG of its own size
// and builds those in as :/pictures/<name>.png.
namespace {
QPixmap picture(const char* name)
{
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)));
}

const char* playerLogoName(Player player)
{
    switch (player) {
    case Player::RealPlayer:
        return "logo-realplayer";
    case Player::MediaPlayer:
        return "logo-mediaplayer";
    case Player::Winamp:
        return "logo-winamp";
    case Player::StreamWorks:
        return "logo-streamworks";
    }
    return "";
}
} // namespace

QPixmap Artwork::splashPicture()
{
    return picture("splash");
}

QPixmap Artwork::productLogo()
{
    return picture("product-logo");
}

QPixmap Artwork::playerLogo(Player player)
{
    return picture(playerLogoName(player));
}

QPixmap Artwork::toolbarImage(int index)
{
    static constexpr const char* kNames[] = {"toolbar-setup", "toolbar-play",   "toolbar-website",
                                             "toolbar-scan",  "toolbar-search", "toolbar-bookmarks",
                                             "toolbar-email", "toolbar-stop"};
    static_assert(std::size(kNames) == kToolbarImageCount);
    if (index < 1 || index > kToolbarImageCount)
        return {};
    return picture(kNames[index - 1]);
}

QPixmap Artwork::presetListPicture(int index)
{
    switch (index) {
    case PresetFace:
        return picture("preset-face");
    case PresetFaceLit:
        return picture("preset-face-lit");
    case PointerPressed:
        return picture("pointer-pressed");
    case PointerHand:
        return picture("pointer-hand");
    case PointerRefused:
        return picture("pointer-refused");
    default:
        return {};
    }
}

QCursor Artwork::pointerCursor(int index)
{
    // The hot spots: the pointing fingertip, raised or pressed down, and the middle of the sign.
    switch (index) {
    case PointerPressed:
        return QCursor(presetListPicture(index), 13, 6);
    case PointerHand:
        return QCursor(presetListPicture(index), 13, 1);
    case PointerRefused:
        return QCursor(presetListPicture(index), 16, 16);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

QPixmap Artwork::smallImage(int index)
{
    switch (index) {
    case AudioImage:
        return picture("audio");
    case VideoImage:
        return picture("video");
    default:
        return {};
    }
}
