#pragma once

#include "core/ProductSite.h"

#include <QWidget>

class Settings;
class QTabWidget;

// Five tabs of short instructions, with the product logo linking to the product page. Modeless;
// it deletes itself when closed, so keep it in a QPointer.
class QuickHelpWindow : public QWidget
{
    Q_OBJECT

public:
    QuickHelpWindow(const Settings& settings, ProductSite::PageOpener openPage, QWidget* parent = nullptr);

private:
    void addTab(QTabWidget* tabs, const QString& title,
                const QList<std::pair<QString, QStringList>>& sections);
    void openProductPage();

    const Settings& m_settings;
    ProductSite::PageOpener m_openPage;
};
