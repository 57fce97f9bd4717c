#include "ui/SplashWindow.h"

#include "core/ProductInfo.h"
#include "ui/Artwork.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    // Never on screen as a title, but the window's name for assistive technology.
    setWindowTitle(kProductName);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setPixmap(Artwork::splashPicture());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture);
    setFixedSize(Artwork::kSplashSize);
    // It takes the keyboard while it is up, so Esc reaches it.
    setFocusPolicy(Qt::StrongFocus);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("tmrSplash"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::countdownFinished);
}

void SplashWindow::startCountdown(std::chrono::milliseconds delay)
{
    m_timer->start(delay);
}

QPixmap SplashWindow::picture() const
{
    return m_picture->pixmap();
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const QScreen* shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
    activateWindow();
    setFocus();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    m_timer->stop();
    QWidget::closeEvent(event);
    Q_EMIT dismissed();
}
