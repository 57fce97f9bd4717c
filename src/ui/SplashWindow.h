#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <chrono>

class QLabel;

// The frameless start-up picture. Start-up starts the countdown, and when it runs out looks the
// service host up and closes the window. Esc or a close request ends the wait early.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kShowTime{2000};

    explicit SplashWindow(QWidget* parent = nullptr);

    // Starts the single-shot timer; countdownFinished() follows once it runs out.
    void startCountdown(std::chrono::milliseconds delay = kShowTime);
    bool countdownActive() const { return m_timer->isActive(); }
    // The picture shown, for the main window to keep a copy of.
    QPixmap picture() const;

Q_SIGNALS:
    void countdownFinished();
    // The window was closed, by Esc, by the window manager or by start-up itself.
    void dismissed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_picture = nullptr;
    QTimer* m_timer = nullptr;
};
