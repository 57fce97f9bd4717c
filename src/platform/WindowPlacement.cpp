#include "platform/WindowPlacement.h"

#include <algorithm>

namespace {
int fitStart(int start, int size, int areaStart, int areaSize)
{
    return std::clamp(start, areaStart, areaStart + std::max(0, areaSize - size));
}
} // namespace

QRect WindowPlacement::fit(const QRect& client, const QMargins& frame, const QRect& available,
                           const QSize& minimum)
{
    const int roomWidth = std::max(1, available.width() - frame.left() - frame.right());
    const int roomHeight = std::max(1, available.height() - frame.top() - frame.bottom());
    const int width = std::clamp(client.width(), std::min(minimum.width(), roomWidth), roomWidth);
    const int height = std::clamp(client.height(), std::min(minimum.height(), roomHeight), roomHeight);
    const int frameWidth = width + frame.left() + frame.right();
    const int frameHeight = height + frame.top() + frame.bottom();
    const int left = fitStart(client.x() - frame.left(), frameWidth, available.x(), available.width());
    const int top = fitStart(client.y() - frame.top(), frameHeight, available.y(), available.height());
    return {left + frame.left(), top + frame.top(), width, height};
}
