#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "collections/PresetTable.h"
#include "search/ResultsModel.h"
#include "ui/FocusRing.h"
#include "ui/MainWindow.h"
#include "ui/PresetButton.h"

// What a person must be able to see: where the focus is, and every caption whole.
class tst_Readability : public QObject
{
    Q_OBJECT

    static double luminance(QRgb rgb)
    {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    }

    static double contrast(QRgb a, QRgb b)
    {
        const auto [low, high] = std::minmax({luminance(a), luminance(b)});
        return (high + 0.05) / (low + 0.05);
    }

    static int strongChanges(const QImage& before, const QImage& after)
    {
        int count = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                count += contrast(before.pixel(x, y), after.pixel(x, y)) >= 3.0 ? 1 : 0;
        return count;
    }

    // Captions cut by their control or by the window's edge; status panels show theirs in a tool tip.
    static QStringList cutTexts(const QWidget& window)
    {
        QStringList cut;
        const QRect inside = window.rect();
        for (const QWidget* widget : window.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            const auto* tool = qobject_cast<const QToolButton*>(widget);
            const bool iconOnly = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
            const bool text =
                (label && !label->text().isEmpty()) || (button && !iconOnly && !button->text().isEmpty());
            if (!text || !widget->isVisibleTo(&window) || qobject_cast<QStatusBar*>(widget->parentWidget()))
                continue;
            const QRect area(widget->mapTo(&window, QPoint()), widget->size());
            const QSize hint = widget->sizeHint();
            if (area.width() < hint.width() || area.height() < hint.height() || !inside.contains(area))
                cut << widget->objectName();
        }
        return cut;
    }

private Q_SLOTS:
    void initTestCase() { FocusRing::install(); }

    void textsFitAtALargerFont()
    {
        const QFont normal = QApplication::font();
        QFont large = normal;
        large.setPointSizeF(normal.pointSizeF() * 1.6);
        QApplication::setFont(large);
        ResultsModel model;
        PresetTable presets;
        MainWindow window(model, presets);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList cut = cutTexts(window);
        QApplication::setFont(normal);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    }

    void focusStandsOut()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* elsewhere = new QPushButton(QStringLiteral("Elsewhere"));
        auto* ok = new QPushButton(QStringLiteral("&OK"));
        auto* check = new QCheckBox(QStringLiteral("Include Unknown Format Stations"));
        auto* preset = new PresetButton(1, &window);
        preset->setText(QStringLiteral("1"));
        auto* list = new QListWidget;
        list->addItems({QStringLiteral("Skylarkclip Alpha"), QStringLiteral("Skylarkclip Beta")});
        list->setCurrentRow(0);
        for (QWidget* widget : std::initializer_list<QWidget*>{elsewhere, ok, check, preset, list})
            layout->addWidget(widget);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QRect item =
            list->visualItemRect(list->item(0)).translated(list->viewport()->mapTo(&window, QPoint()));
        const std::initializer_list<std::pair<QWidget*, QRect>> cases{
            {ok, ok->geometry()}, {check, check->geometry()}, {preset, preset->geometry()}, {list, item}};
        for (const auto& [widget, area] : cases) {
            elsewhere->setFocus();
            const QImage before = window.grab().toImage();
            widget->setFocus();
            const QImage after = window.grab().toImage();
            const int ring = 2 * (area.width() + area.height());
            QVERIFY2(strongChanges(before, after) >= ring, widget->metaObject()->className());
        }
    }
};

QTEST_MAIN(tst_Readability)
#include "tst_readability.moc"
