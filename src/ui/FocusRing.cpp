#include "ui/FocusRing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace {
constexpr int kRingWidth = 2;

class FocusStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // On a selected item the frame takes the selection's text colour, which stands out
        // against the selection as the text does.
        const QPalette::ColorRole role =
            option->state.testFlag(State_Selected) ? QPalette::HighlightedText : QPalette::WindowText;
        painter->save();
        painter->setPen(
            QPen(option->palette.color(role), kRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_FocusFrame) {
            painter->fillRect(option->rect, option->palette.color(QPalette::WindowText));
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return kRingWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Lists and grids mark their current item themselves; a ring around the whole view would only
// repeat it.
bool marksItsOwnFocus(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(w))
            return true;
        if (w->isWindow())
            break;
    }
    return false;
}

void follow(QWidget* focused)
{
    static QPointer<QFocusFrame> ring;
    if (!focused || marksItsOwnFocus(focused)) {
        if (ring)
            ring->setWidget(nullptr);
        return;
    }
    if (!ring)
        ring = new QFocusFrame;
    ring->setWidget(focused);
}
} // namespace

void FocusRing::install()
{
    QApplication::setStyle(new FocusStyle);
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) { follow(now); });
}
