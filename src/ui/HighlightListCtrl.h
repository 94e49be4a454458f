// A list view that draws every row in blue on a sandy background, and the current row (the track
// that plays) on green.
#pragma once

#include "framework/Controls.h"

class HighlightListCtrl : public CListCtrl {
public:
    // Marks row `row` (-1: none) and redraws the list.
    void markRow(int row);

protected:
    void OnCustomDraw(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    int markedRow = -1;
};
