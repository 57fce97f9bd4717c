#include "ui/ScanWindow.h"

// The scan window's controls and their layout in twips, which grows where a text at the user's
// font needs more room.

#include "scanner/ScanStationList.h"
#include "ui/ScanPresetDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/Twips.h"

void ScanWindow::buildControls()
{
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("FrameR"));
    m_heading = new QLabel(tr("Select Stream Type"), m_frame);
    m_heading->setObjectName(QStringLiteral("Label1"));
    place(m_heading, 120, 240, 2175);
    m_style = new QComboBox(m_frame);
    m_style->setObjectName(QStringLiteral("comboStyle"));
    m_style->setAccessibleName(tr("Station style"));
    for (const QString& style : ScanStationList::styles())
        m_style->addItem(QCoreApplication::translate("ScanStationList", style.toUtf8().constData()), style);
    m_style->installEventFilter(this);
    place(m_style, 120, 480, 2175);
    m_player = new QComboBox(m_frame);
    m_player->setObjectName(QStringLiteral("comboS"));
    m_player->addItems({QStringLiteral("RealPlayer"), QStringLiteral("Windows Media")});
    m_player->setPlaceholderText(tr("Choose Player"));
    m_player->setCurrentIndex(-1);
    m_player->setAccessibleName(tr("Player"));
    m_player->installEventFilter(this);
    connect(m_player, &QComboBox::activated, this, &ScanWindow::pickPlayer);
    place(m_player, 120, 800, 2175);
    auto* change = new QLabel(tr("Change Every"), m_frame);
    change->setObjectName(QStringLiteral("Label2"));
    place(change, 2760, 510);
    m_dwell = new QLineEdit(QStringLiteral("45"), m_frame);
    m_dwell->setObjectName(QStringLiteral("txtS"));
    change->setBuddy(m_dwell);
    m_dwell->installEventFilter(this);
    connect(m_dwell, &QLineEdit::textChanged, this, &ScanWindow::dwellChanged);
    // Wide enough for the largest dwell, 32000, at the user's font.
    m_dwell->setMinimumWidth(m_dwell->fontMetrics().horizontalAdvance(QStringLiteral("32000")) + 12);
    place(m_dwell, 3840, 480, 495);
    keepClear(change, m_dwell);
    auto* seconds = new QLabel(tr("Seconds"), m_frame);
    seconds->setObjectName(QStringLiteral("Label3"));
    place(seconds, 4440, 510);
    keepClear(m_dwell, seconds);
    m_unknown = new QCheckBox(tr("Include Unknown Format Stations"), m_frame);
    m_unknown->setObjectName(QStringLiteral("chkU"));
    place(m_unknown, 2760, 780);

    const int rowTops[4] = {1455, 1680, 1920, 2160};
    const char* rowNames[4] = {QT_TR_NOOP("Station"), QT_TR_NOOP("Format"), QT_TR_NOOP("Location"),
                               QT_TR_NOOP("BPS")};
    for (int row = 0; row < 4; ++row) {
        auto* name = new QLabel(tr(rowNames[row]), m_frame);
        name->setObjectName(QStringLiteral("Label") + QString::number(row + 4));
        place(name, 120, rowTops[row]);
        m_info[row] = new QLabel(m_frame);
        m_info[row]->setObjectName(QStringLiteral("lblInfo") + QString::number(row));
        place(m_info[row], 960, rowTops[row], 3300);
    }
    m_info[0]->installEventFilter(this);
    m_playing = new QLabel(m_frame);
    m_playing->setObjectName(QStringLiteral("picVol"));
    m_playing->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(16, 16));
    place(m_playing, 4350, 1455, 240, 240);
    m_playing->hide();

    const auto button = [this](const QString& text, const char* name, int top) {
        auto* b = new QPushButton(text, m_frame);
        b->setObjectName(QString::fromLatin1(name));
        b->setEnabled(false);
        place(b, 4350, top, 1095, 255);
        return b;
    };
    m_pause = button(tr("&Pause"), "cmdPause", 1800);
    m_next = button(tr("&Next"), "cmdNext", 2085);
    m_presetsButton = button(tr("Add Preset"), "cmdPresets", 2370);
    connect(m_pause, &QPushButton::clicked, this, &ScanWindow::pauseOrResume);
    connect(m_next, &QPushButton::clicked, this, &ScanWindow::nextStation);
    connect(m_presetsButton, &QPushButton::clicked, this, &ScanWindow::openPresets);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statbar"));
    status->setSizeGripEnabled(false);
    for (int panel = 0; panel < 2; ++panel) {
        m_panels[panel] = new QLabel(status);
        m_panels[panel]->setTextFormat(Qt::PlainText);
        m_panels[panel]->setObjectName(QStringLiteral("panel") + QString::number(panel + 1));
        status->addWidget(m_panels[panel], 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_frame);
    layout->addStretch();
    layout->addWidget(status);
}

int ScanWindow::pixels(int twips) const
{
    return Twips::toPixels(twips, logicalDpiX());
}

void ScanWindow::place(QWidget* widget, int left, int top, int width, int height)
{
    const QSize hint = widget->sizeHint();
    widget->setGeometry(pixels(left), pixels(top),
                        width > 0 ? std::max(pixels(width), widget->minimumWidth()) : hint.width(),
                        height > 0 ? pixels(height) : hint.height());
}

void ScanWindow::keepClear(const QWidget* left, QWidget* right)
{
    // A larger font widens a label: what follows it on its line moves on instead of covering it.
    const int clear = left->geometry().right() + pixels(60);
    if (right->x() < clear)
        right->move(clear, right->y());
}

int ScanWindow::contentWidth() const
{
    // The window grows where a text at the user's font needs more room than the layout gives.
    int right = 0;
    for (const QWidget* child : m_frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, child->geometry().right());
    return std::max(pixels(kFrameWidthTwips), right + pixels(120));
}

void ScanWindow::setFrameHeight(int twips)
{
    const int width = contentWidth();
    m_frame->setFixedSize(width, pixels(twips));
    // What the short frame cuts off is hidden, so neither Tab nor a screen reader finds it.
    for (QWidget* child : m_frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m_playing)
            child->setVisible(child->geometry().bottom() < m_frame->height());
    }
    // Only the frame's height changes: the window keeps the status bar under it.
    const int height = pixels(kHeightTwips) - pixels(kFullFrameTwips - twips);
    setFixedSize(width + pixels(kWidthTwips - kFrameWidthTwips), height);
}
