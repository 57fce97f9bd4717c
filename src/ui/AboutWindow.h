#pragma once

#include "core/ProductSite.h"

#include <QWidget>

class Settings;

// The product picture and a link to the support page, at a fixed size of 5385 by 3345 twips.
// Application-modal, shown with show(); it deletes itself when closed, so keep it in a QPointer.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kWidthTwips = 5385;
    static constexpr double kHeightTwips = 3345;

    // picture: the product picture the main window holds; the splash picture when null.
    AboutWindow(const QPixmap& picture, const Settings& settings, ProductSite::PageOpener openPage,
                QWidget* parent = nullptr);

    // The fixed size in pixels on the window's screen.
    QSize designSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void openSupportPage();

    const Settings& m_settings;
    ProductSite::PageOpener m_openPage;
};
