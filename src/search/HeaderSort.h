#pragma once

#include <Qt>

// The results grid's header-click sort. The direction alternates on every header click,
// whichever column was clicked, starting ascending; GridSortOrder keeps the grid control's sort
// code of the last click (7 text ascending, 8 text descending).
class HeaderSort
{
public:
    static constexpr int kTextAscending = 7;
    static constexpr int kTextDescending = 8;

    struct Key
    {
        int column;
        bool numeric;
        Qt::SortOrder order;
    };

    // Flips the direction for a click on column; the key to sort by.
    Key click(int column, bool archive);
    int gridSortOrder() const { return m_order; }

    // The column and kind a click on column sorts by: the hidden numeric keys stand in for the
    // status icon, "Len" and "BPS" of archive mode and for the speed of live mode.
    static Key keyFor(int column, bool archive, Qt::SortOrder order);

private:
    int m_order = 0;
};
