// A list view that draws every row in blue on a sandy background, and the current row (the track
// that plays) on green.
#pragma once

#include "framework/Controls.h"

// The row to mark, -1 for none; its owner sets it and redraws the rows that changed.
extern int currentListRow;

class HighlightListCtrl : public CListCtrl {
protected:
    void OnCustomDraw(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};
