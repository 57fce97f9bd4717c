#pragma once

#include "playback/Players.h"

#include <QCursor>
#include <QPixmap>
#include <QSize>

// The program's pictures. Each is an SVG drawing in ui/pictures, drawn into a PNG at build time
// and built into the program, so showing them needs no SVG support. The numbered lookups follow
// the image lists of the main window: a number outside a list gives a null pixmap. The sizes
// below are the drawings' own.
class Artwork
{
public:
    // Pictures of the toolbar's image list, numbered from 1.
    enum ToolbarImage
    {
        SetupImage = 1,
        PlayImage = 2,
        WebsiteImage = 3,
        ScanImage = 4,
        SearchImage = 5,
        BookmarksImage = 6,
        EmailImage = 7,
        StopImage = 8,
    };
    static constexpr int kToolbarImageCount = 8;

    // Pictures of the preset image list: button faces and pointer pictures.
    enum PresetPicture
    {
        PresetFace = 1,
        PresetFaceLit = 2,
        PointerPressed = 3,
        PointerHand = 4,
        PointerRefused = 8,
    };

    // Pictures of the small image list shown in the archive results.
    enum SmallImage
    {
        AudioImage = 1,
        VideoImage = 2,
    };

    static constexpr QSize kSplashSize{360, 200};
    static constexpr QSize kLogoSize{160, 64};
    static constexpr QSize kToolbarSize{32, 32};
    static constexpr QSize kPresetFaceSize{36, 24};
    static constexpr QSize kPointerSize{32, 32};
    static constexpr QSize kSmallSize{16, 16};
    static constexpr QSize kProductLogoSize{150, 56};

    // The splash picture, which is also the product picture of the about window.
    static QPixmap splashPicture();
    // The small product logo of the quick help window.
    static QPixmap productLogo();
    static QPixmap playerLogo(Player player);
    static QPixmap toolbarImage(int index);
    static QPixmap presetListPicture(int index);
    // Pointer pictures 3, 4 and 8 of the preset image list as mouse pointers; the standard
    // arrow for any other number.
    static QCursor pointerCursor(int index);
    static QPixmap smallImage(int index);
};
