#include "ui/QuickHelpWindow.h"

#include "core/Settings.h"
#include "ui/Artwork.h"
#include "ui/PictureLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
using Sections = QList<std::pair<QString, QStringList>>;

QLabel* headingLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("lblHeading"));
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    label->setFont(bold);
    return label;
}

QLabel* textLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("lblText"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
} // namespace

QuickHelpWindow::QuickHelpWindow(const Settings& settings, ProductSite::PageOpener openPage, QWidget* parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_openPage(std::move(openPage))
{
    setObjectName(QStringLiteral("frmQuickHelp"));
    setWindowTitle(tr("Skylark! Broadcast - Quick Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab2"));
    addTab(tabs, tr("Live Search"),
           {{tr("Start the Live Search"),
             {tr("Enter radio station name, region (location), format or keyword to search for in "
                 "search box and click the SEARCH button."),
              tr("Select LIVE broadcasts."),
              tr("Once stations are listed, simply click the PLAY button to launch player and connect "
                 "to station.  Bandwidth column indicates the quality of the broadcast station, the "
                 "higher the bandwidth, the better the quality.")}}});
    addTab(tabs, tr("Stream Search"),
           {{tr("Start the Audio/Video Stream Search"),
             {tr("Enter keywords to search.  Our searchable database is growing daily and without "
                 "limit to subject.  You may search for artists, movies, lectures, concerts, "
                 "interviews or anything else you can possibly imagine."),
              tr("Select Audio & Video Streams."),
              tr("Once listed, simply press the PLAY button to play the selected item.  If you have "
                 "found something you like you can add it to your bookmarks or email it to a friend "
                 "with the appropriate toolbar buttons.")}}});
    addTab(tabs, tr("Presets"),
           {{tr("How Do I Use Presets?"),
             {tr("Presets are used to save your favorite stations.  To set a preset, simply hold down "
                 "the SHIFT key and drag the station listing from the results window to one of the "
                 "colored preset buttons."),
              tr("To access or play a station simply click the preset button.  If you want to see "
                 "which stations are assigned to your presets, simply point the mouse cursor to the "
                 "preset and the tooltip will appear showing the station name.")}}});
    addTab(tabs, tr("Setup"),
           {{tr("Proxy Settings"),
             {tr("If you are behind a proxy or firewall, enter the proxy address and port in these "
                 "settings to allow Skylark! Broadcast to communicate with the outside world.")}},
            {tr("Locating and Downloading Players"),
             {tr("If you are missing a player, simply click on the player logo to visit the website "
                 "and download desired player. Please close and restart Skylark! Broadcast before "
                 "using the newly installed player.")}}});
    addTab(tabs, tr("Scanner"),
           {{tr("Using the Scanner"),
             {tr("The station scanner can be a great way to find stations without necessarily "
                 "searching for them.  Simply press the SCAN button on the toolbar to start."),
              tr("After opening the scan window, select the player you wish to use.  Skylark! "
                 "Broadcast will then cycle through all the stations that can be played on the player "
                 "you have selected.  Set the timeout to tell Skylark! Broadcast when to switch "
                 "stations. ")}}});

    auto* logo = new PictureLabel(Artwork::productLogo());
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setToolTip(tr("Visit the Skylark! Broadcast web site"));
    logo->setPointers(Artwork::pointerCursor(Artwork::PointerHand),
                      Artwork::pointerCursor(Artwork::PointerPressed));
    connect(logo, &PictureLabel::clicked, this, &QuickHelpWindow::openProductPage);

    auto* ok = new QPushButton(tr("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(logo);
    bottom->addStretch();
    bottom->addWidget(ok, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);
    resize(520, 380);
}

void QuickHelpWindow::addTab(QTabWidget* tabs, const QString& title, const Sections& sections)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (const auto& [heading, texts] : sections) {
        layout->addWidget(headingLabel(heading));
        for (const QString& text : texts)
            layout->addWidget(textLabel(text));
        layout->addSpacing(8);
    }
    layout->addStretch();
    tabs->addTab(page, title);
}

void QuickHelpWindow::openProductPage()
{
    if (m_openPage)
        m_openPage(ProductSite::pageAddress(m_settings, ProductSite::kProductPage));
}
