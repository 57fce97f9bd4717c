#pragma once

#include <QMetaType>
#include <QTypeInfo>
#include <QString>

#include <array>

// The picture of an archive row's first cell; the window maps it to its icon.
enum class ResultPicture : quint8
{
    None,
    Audio, // loudspeaker
    Video  // screen
};
Q_DECLARE_METATYPE(ResultPicture)

// One row of the results grid: ten text cells and the picture of cell 0.
struct ResultRow
{
    static constexpr int kColumnCount = 10;

    std::array<QString, kColumnCount> cells;
    ResultPicture picture = ResultPicture::None;
};
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE);
