#include "ui/AboutWindow.h"

#include "core/Settings.h"
#include "platform/Twips.h"
#include "ui/Artwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QVBoxLayout>

AboutWindow::AboutWindow(const QPixmap& picture, const Settings& settings, ProductSite::PageOpener openPage,
                         QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_settings(settings), m_openPage(std::move(openPage))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Always shown modally, and without a nested loop: showing returns at once.
    setWindowModality(Qt::ApplicationModal);

    const QSize size = designSize();
    const QPixmap shown = picture.isNull() ? Artwork::splashPicture() : picture;
    auto* image = new QLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setAlignment(Qt::AlignCenter);
    // Leave room for the button row under the picture.
    image->setPixmap(
        shown.scaled(size.width() - 16, size.height() - 56, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto* support = new QPushButton(tr("&Support"));
    support->setObjectName(QStringLiteral("cmdSupport"));
    connect(support, &QPushButton::clicked, this, &AboutWindow::openSupportPage);
    auto* ok = new QPushButton(tr("&OK"));
    ok->setObjectName(QStringLiteral("cmdCancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(support);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(image, 1);
    layout->addLayout(buttons);
    setFixedSize(size);
}

QSize AboutWindow::designSize() const
{
    return {Twips::toPixels(kWidthTwips, logicalDpiX()), Twips::toPixels(kHeightTwips, logicalDpiY())};
}

void AboutWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The size is fixed; whatever resized the window (a system command, a change of screen), the
    // design size comes back, measured on the screen the window is on now.
    const QSize size = designSize();
    if (event->size() != size)
        setFixedSize(size);
}

void AboutWindow::openSupportPage()
{
    if (m_openPage)
        m_openPage(ProductSite::pageAddress(m_settings, ProductSite::kSupportPage));
}
