// A track bar that draws its own thumb (an ellipse, chequered while focused or pressed), a
// coloured frame round its channel and a dot at either end: white at the minimum, coloured at the
// maximum. It draws through the track bar's custom-draw notifications.
#pragma once

#include "framework/Controls.h"

class SkinnedSlider : public CSliderCtrl {
public:
    SkinnedSlider();
    ~SkinnedSlider() override;
    SkinnedSlider(const SkinnedSlider&) = delete;
    SkinnedSlider& operator=(const SkinnedSlider&) = delete;

    // The thumb's colour; the frame, the thumb's outline and the maximum dot turn green.
    void SetColors(COLORREF thumb);

protected:
    void OnCustomDraw(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void drawThumb(const NMCUSTOMDRAW& draw) const;
    void drawChannel(const NMCUSTOMDRAW& draw) const;
    void drawEndDots(HDC dc) const;

    COLORREF thumbColor = 0;     // the thumb's fill and the end dots' outline
    COLORREF thumbOutline = 0;   // the pen round the thumb
    COLORREF channelDark = 0;    // the channel frame's lower right, the chequer's other colour
    COLORREF channelLight = 0;   // the channel frame's upper left
    COLORREF endDotColor = 0;    // the dot at the maximum end
    HBRUSH thumbBrush = nullptr;
    HBRUSH thumbPatternBrush = nullptr;
};
