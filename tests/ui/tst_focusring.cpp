#include <QtTest>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/FocusRing.h"
#include "ui/PresetButton.h"

// The focused control must stand out from what it looked like unfocused: at least a ring's worth
// of its pixels change at a contrast of 3:1 or more.
class tst_FocusRing : public QObject
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
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

    static int strongChanges(const QImage& before, const QImage& after)
    {
        int count = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                count += contrast(before.pixel(x, y), after.pixel(x, y)) >= 3.0 ? 1 : 0;
        return count;
    }

private Q_SLOTS:
    void initTestCase() { FocusRing::install(); }

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

QTEST_MAIN(tst_FocusRing)
#include "tst_focusring.moc"
