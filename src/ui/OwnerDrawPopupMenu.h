// A popup menu whose items draw themselves, 140 x 48 pixels each (wider for a long caption): a grey column with the item's
// 24 x 24 icon on the left, the caption beside it, and a dark-outlined tint on the item under the
// pointer. An item may be marked as the one in force, with a dot at its right end.
#pragma once

#include "framework/Menu.h"

#include <deque>
#include <string>

class OwnerDrawPopupMenu : public CMenu {
public:
    // What an item shows. The menu keeps a copy as the item's data until it is destroyed.
    struct Item {
        UINT normalIcon;    // icon resource drawn while the item is not selected
        UINT selectedIcon;  // icon resource drawn while it is
        std::string text;   // the caption
        bool marked;        // the item is the one in force
    };

    static constexpr int kItemWidth = 140;
    static constexpr int kItemHeight = 48;
    static constexpr int kIconColumnWidth = 25;
    static constexpr int kIconSize = 24;

    // Appends an owner-drawn item that sends `id` when chosen.
    BOOL AppendItem(UINT id, const Item& item);

    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    static int captionWidth(const std::string& text);

    std::deque<Item> items;  // the items' data; a deque keeps each record where it is
};
