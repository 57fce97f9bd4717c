#include "ui/SetupDialog.h"

#include "core/ProductInfo.h"
#include "platform/AppPaths.h"
#include "search/HttpProxy.h"
#include "search/SearchRequest.h"
#include "ui/Artwork.h"
#include "ui/PictureLabel.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// A field's label: assistive technology names the field after it.
QLabel* labelFor(const QString& text, QWidget* field)
{
    auto* label = new QLabel(text);
    label->setBuddy(field);
    return label;
}

QLabel* wrappedLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

bool isTypedKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString text = static_cast<const QKeyEvent*>(event)->text();
    return !text.isEmpty() && text.at(0).isPrint();
}
} // namespace

SetupDialog::SetupDialog(PlayerPaths& players, Settings& settings, SystemServices services,
                         ProductSite::PageOpener openPage, QWidget* parent)
    : QDialog(parent), m_players(players), m_settings(settings), m_services(services),
      m_openPage(std::move(openPage))
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Skylark! Broadcast - Setup"));
    makeWidgets();
    load();
}

SetupDialog::Tab SetupDialog::tabFor(Player player)
{
    return static_cast<Tab>(playerInfo(player).setupTab);
}

std::optional<Player> SetupDialog::playerOn(int tab)
{
    for (const PlayerInfo& info : allPlayers()) {
        if (info.setupTab == tab)
            return info.player;
    }
    return std::nullopt;
}

void SetupDialog::makeWidgets()
{
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setAccessibleName(tr("Setup"));
    // All seven tabs in view, as on a tabbed dialog card.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->addTab(makeFormatTab(), tr("Select Format"));
    for (const Player player : playersInTabOrder())
        m_tabs->addTab(makePlayerTab(player), QString::fromLatin1(playerInfo(player).tabCaption));
    m_tabs->addTab(makeProxyTab(), tr("Proxy Settings"));
    m_tabs->addTab(makeSpeedTab(), tr("Select Speed"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &SetupDialog::onTabChanged);
    addTabShortcuts();

    m_pathLabel = new QLabel(tr("Player Location"));
    m_pathLabel->setObjectName(QStringLiteral("lblPlay"));
    m_path = new QLineEdit;
    m_path->setObjectName(QStringLiteral("txtCMD"));
    // The path only changes through Browse, so typing here could not be kept.
    m_path->setReadOnly(true);
    m_pathLabel->setBuddy(m_path);
    m_browse = new QPushButton(tr("&Browse"));
    m_browse->setObjectName(QStringLiteral("cmdBrowse"));
    connect(m_browse, &QPushButton::clicked, this, &SetupDialog::onBrowse);
    auto* ok = new QPushButton(tr("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SetupDialog::onOk);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_pathLabel);
    bottom->addWidget(m_path, 1);
    bottom->addWidget(m_browse);
    bottom->addSpacing(12);
    bottom->addStretch(0);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(bottom);
    resize(620, 340);
}

void SetupDialog::addTabShortcuts()
{
    // The tab widget only sees Ctrl+Tab when the focus widget passes it on, and the connection
    // list does not; these work wherever the focus is in the dialog.
    const auto step = [this](int by) {
        const int count = m_tabs->count();
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + by + count) % count);
    };
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}) {
        auto* next = new QShortcut(keys, this);
        next->setContext(Qt::WidgetWithChildrenShortcut);
        connect(next, &QShortcut::activated, this, [step] { step(1); });
    }
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        auto* previous = new QShortcut(keys, this);
        previous->setContext(Qt::WidgetWithChildrenShortcut);
        connect(previous, &QShortcut::activated, this, [step] { step(-1); });
    }
}

QWidget* SetupDialog::makeFormatTab()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(tr("Select Formats to Include in Search Results...")), 0, 0, 1, 2);
    const std::array<std::pair<Settings::Key, QString>, 6> boxes{{
        {Settings::Key::ChkRA, tr("RealPlayer (Audio)")},
        {Settings::Key::ChkRV, tr("RealPlayer (Video)")},
        {Settings::Key::ChkNA, tr("Microsoft Media (Audio)")},
        {Settings::Key::ChkNV, tr("Microsoft Media (Video)")},
        {Settings::Key::ChkMA, tr("MP3 ShoutCast")},
        {Settings::Key::ChkXDM, tr("Xing Streaming Audio/Video")},
    }};
    int row = 1;
    for (const auto& [key, caption] : boxes) {
        auto* box = new QCheckBox(caption);
        box->setObjectName(Settings::name(key));
        box->setChecked(true);
        const auto slot = std::find(kFormatKeys.begin(), kFormatKeys.end(), key) - kFormatKeys.begin();
        m_formatBoxes.at(static_cast<std::size_t>(slot)) = box;
        layout->addWidget(box, row++, 1);
    }
    layout->setColumnMinimumWidth(0, 24);
    layout->setRowStretch(row, 1);
    return page;
}

QWidget* SetupDialog::makePlayerTab(Player player)
{
    const PlayerInfo& tab = playerInfo(player);
    static const QString kLogoObjectNames[] = {QStringLiteral("pReal"), QStringLiteral("pMicro"),
                                               QStringLiteral("pWinAMP"), QStringLiteral("pXing")};
    auto* logo = new PictureLabel(Artwork::playerLogo(player));
    logo->setAccessibleName(tr("%1 Player Website").arg(QString::fromLatin1(tab.tabCaption)));
    logo->setObjectName(kLogoObjectNames[static_cast<int>(player)]);
    logo->setPointers(Artwork::pointerCursor(Artwork::PointerHand),
                      Artwork::pointerCursor(Artwork::PointerPressed));
    connect(logo, &PictureLabel::clicked, this, [this, player] { onLogoClicked(player); });

    auto* hint = wrappedLabel(tr("Single Click the Logo to Visit Player Website and Download Player. "));
    hint->setObjectName(QStringLiteral("lblLogo"));
    auto* maker = wrappedLabel(QCoreApplication::translate("Players", tab.maker));
    QFont small = maker->font();
    small.setItalic(true);
    maker->setFont(small);

    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(logo, 0, 0, Qt::AlignTop);
    layout->addWidget(hint, 0, 1);
    layout->addWidget(wrappedLabel(QCoreApplication::translate("Players", tab.description)), 1, 0, 1, 2);
    layout->addWidget(maker, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* SetupDialog::makeProxyTab()
{
    m_host = new QLineEdit;
    m_host->setObjectName(QStringLiteral("txtHost"));
    m_port = new QLineEdit;
    m_port->setObjectName(QStringLiteral("txtPort"));

    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(
        wrappedLabel(
            tr("If your Internet connection requires a firewall/proxy, please enter that information "
               "here so that you may access the Internet with Skylark! Broadcast.")),
        0, 0, 1, 2);
    layout->addWidget(labelFor(tr("Address"), m_host), 1, 0);
    layout->addWidget(m_host, 1, 1);
    layout->addWidget(labelFor(tr("Port"), m_port), 2, 0);
    layout->addWidget(m_port, 2, 1, Qt::AlignLeft);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* SetupDialog::makeSpeedTab()
{
    m_connection = new QComboBox;
    m_connection->setObjectName(QStringLiteral("comboB"));
    m_connection->setEditable(false);
    // Typed letters would otherwise pick entries by their first letter.
    m_connection->installEventFilter(this);
    m_connection->view()->installEventFilter(this);
    connect(m_connection, &QComboBox::activated, this, &SetupDialog::onConnectionChosen);

    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(labelFor(tr("Optimize results for"), m_connection), 0, 0);
    layout->addWidget(m_connection, 0, 1, Qt::AlignLeft);
    layout->addWidget(
        wrappedLabel(
            tr("Please select your connection type so that your Skylark! Broadcast experience may be "
               "the most enjoyable and useful.  Please note that by optimizing for higher connection "
               "speeds beyond your connection may result in skipping or inability to play streams.")),
        1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
    return page;
}

void SetupDialog::load()
{
    // The list shows the names translated; the settings and the requests get the English ones.
    for (const QString& name : SearchRequest::speedNames())
        m_connection->addItem(QCoreApplication::translate("SearchRequest", name.toUtf8().constData()), name);
    m_connection->addItem(tr(kAllConnections.toUtf8().constData()), kAllConnections);
    onTabChanged(currentTab());
    // A stored text that is no entry of the list leaves the list without a choice.
    m_connection->setCurrentIndex(
        m_connection->findData(m_settings.text(Settings::Key::ConSpeed, kDefaultConSpeed)));
    m_host->setText(m_settings.text(Settings::Key::ProxyHost));
    m_port->setText(m_settings.text(Settings::Key::ProxyPort));
}

void SetupDialog::selectTab(int tab)
{
    if (tab < 0 || tab >= m_tabs->count())
        return;
    if (tab == m_tabs->currentIndex())
        onTabChanged(tab);
    else
        m_tabs->setCurrentIndex(tab);
}

int SetupDialog::currentTab() const
{
    return m_tabs->currentIndex();
}

void SetupDialog::prepareConnectionPrompt()
{
    m_connection->setPlaceholderText(tr(kPlaceholder.toUtf8().constData()));
    m_connection->setCurrentIndex(-1);
    selectTab(SpeedTab);
}

QString SetupDialog::connectionText() const
{
    return m_connection->currentIndex() < 0 ? m_connection->placeholderText() : m_connection->currentText();
}

void SetupDialog::showModeless()
{
    if (!isVisible())
        setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void SetupDialog::showModal()
{
    // Modality can only change while hidden; a dialog already open stays as it is.
    if (!isVisible())
        setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

int SetupDialog::formatState(Settings::Key key) const
{
    const QCheckBox* box = formatBox(key);
    return box && box->isChecked() ? 1 : 0;
}

void SetupDialog::setFormatState(Settings::Key key, std::optional<qint16> state)
{
    QCheckBox* box = formatBox(key);
    if (!box || !state || (*state != 0 && *state != 1))
        return;
    box->setChecked(*state == 1);
}

FormatFilters SetupDialog::formatFilters() const
{
    using Key = Settings::Key;
    const auto on = [this](Key key) { return formatState(key) == 1; };
    return {on(Key::ChkRA), on(Key::ChkMA), on(Key::ChkRV), on(Key::ChkNA), on(Key::ChkNV), on(Key::ChkXDM)};
}

void SetupDialog::restoreFormatStates(const Settings& settings)
{
    for (const Settings::Key key : kFormatKeys)
        setFormatState(key, settings.checkState(key));
}

void SetupDialog::storeFormatStates(Settings& settings) const
{
    for (const Settings::Key key : kFormatKeys)
        settings.setCheckState(key, formatState(key));
}

QString SetupDialog::downloadPage(Player player) const
{
    return ProductSite::pageAddress(m_settings, QString::fromLatin1(playerInfo(player).downloadPage));
}

void SetupDialog::closeEvent(QCloseEvent* event)
{
    // The dialog lives as long as the program: the close box only hides it.
    event->ignore();
    hide();
}

void SetupDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Minimising hides spontaneously; only a real hiding ends a showing.
    if (!event->spontaneous())
        Q_EMIT hidden();
}

void SetupDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Player paths change outside the dialog (discovery, another showing's Browse).
    onTabChanged(currentTab());
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_connection || watched == m_connection->view()) && isTypedKey(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

void SetupDialog::onTabChanged(int tab)
{
    const std::optional<Player> player = playerOn(tab);
    m_pathLabel->setVisible(player.has_value());
    m_path->setVisible(player.has_value());
    m_browse->setVisible(player.has_value());
    if (!player)
        return;
    m_path->setText(m_players[*player]);
    m_filterName = QString::fromLatin1(playerInfo(*player).filterName);
}

void SetupDialog::onBrowse()
{
    const std::optional<Player> player = playerOn(currentTab());
    if (!player)
        return;
    const std::optional<QString> chosen =
        m_services.dialogs.openProgramFile(AppPaths::programDir(), m_filterName);
    if (!chosen || chosen->isEmpty())
        return;
    m_players.set(*player, *chosen);
    m_path->setText(*chosen);
}

void SetupDialog::onOk()
{
    // A proxy needs a port a connection can use; an empty address needs none.
    if (!m_host->text().trimmed().isEmpty() && HttpProxy::portNumber(m_port->text()) == 0) {
        m_services.dialogs.message(MessageIcon::Critical, kAppTitle,
                                   tr("Please enter a proxy port from 1 to 65535."));
        selectTab(ProxyTab);
        m_port->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_settings.setText(Settings::Key::ProxyHost, m_host->text());
    m_settings.setText(Settings::Key::ProxyPort, m_port->text());
    hide();
}

void SetupDialog::onConnectionChosen(int index)
{
    const QString chosen = m_connection->itemData(index).toString();
    if (chosen.isEmpty() || chosen == kPlaceholder)
        return;
    m_settings.setText(Settings::Key::ConSpeed, chosen);
    Q_EMIT conSpeedChosen(chosen);
}

void SetupDialog::onLogoClicked(Player player)
{
    if (player == Player::Winamp) {
        m_services.dialogs.message(
            MessageIcon::Information, kAppTitle,
            tr("Skylark! Broadcast is only compatible with WinAMP Standard versions 2.24 and greater."));
    }
    if (m_openPage)
        m_openPage(downloadPage(player));
}

QCheckBox* SetupDialog::formatBox(Settings::Key key) const
{
    const auto* found = std::find(kFormatKeys.begin(), kFormatKeys.end(), key);
    if (found == kFormatKeys.end())
        return nullptr;
    return m_formatBoxes.at(static_cast<std::size_t>(found - kFormatKeys.begin()));
}
