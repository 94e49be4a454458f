#include "ui/SkinnedSlider.h"

BEGIN_MESSAGE_MAP(SkinnedSlider, CSliderCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kDefaultThumb = 0x0000FF;
constexpr int kDot = 7;
constexpr int kPatternSide = 8;

// An 8 x 8 chequerboard, one row a word.
constexpr WORD kChequer[kPatternSide] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};

void dot(HDC dc, int left, int top, COLORREF outline, COLORREF fill)
{
    const HPEN pen = ::CreatePen(PS_SOLID, 1, outline);
    const HBRUSH brush = ::CreateSolidBrush(fill);
    const HGDIOBJ oldPen = ::SelectObject(dc, pen);
    const HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    ::Ellipse(dc, left, top, left + kDot, top + kDot);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(brush);
    ::DeleteObject(pen);
}

}  // namespace

SkinnedSlider::SkinnedSlider()
{
    SetColors(kDefaultThumb);
}

SkinnedSlider::~SkinnedSlider()
{
    ::DeleteObject(thumbBrush);
    ::DeleteObject(thumbPatternBrush);
}

void SkinnedSlider::SetColors(COLORREF thumb)
{
    thumbColor = thumb;
    thumbOutline = channelDark = channelLight = endDotColor = kGreen;
    if (thumbBrush != nullptr)
        ::DeleteObject(thumbBrush);
    if (thumbPatternBrush != nullptr)
        ::DeleteObject(thumbPatternBrush);
    thumbBrush = ::CreateSolidBrush(thumbColor);
    const HBITMAP pattern = ::CreateBitmap(kPatternSide, kPatternSide, 1, 1, kChequer);
    thumbPatternBrush = ::CreatePatternBrush(pattern);
    ::DeleteObject(pattern);  // the brush keeps its own copy
}

void SkinnedSlider::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    const auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    switch (draw->dwDrawStage) {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        break;
    case CDDS_ITEMPREPAINT:
        if (draw->dwItemSpec == TBCD_THUMB) {
            drawThumb(*draw);
            *result = CDRF_SKIPDEFAULT;
        } else if (draw->dwItemSpec == TBCD_CHANNEL) {
            *result = CDRF_NOTIFYPOSTPAINT;
        }
        break;
    case CDDS_ITEMPOSTPAINT:
        if (draw->dwItemSpec == TBCD_CHANNEL) {
            drawChannel(*draw);
            *result = CDRF_SKIPDEFAULT;
        }
        break;
    case CDDS_POSTPAINT:
        drawEndDots(draw->hdc);
        *result = CDRF_SKIPDEFAULT;
        break;
    default:
        break;
    }
}

void SkinnedSlider::drawThumb(const NMCUSTOMDRAW& draw) const
{
    const HDC dc = draw.hdc;
    const int saved = ::SaveDC(dc);
    const HPEN pen = ::CreatePen(PS_SOLID, 1, thumbOutline);
    ::SelectObject(dc, pen);
    if (draw.uItemState != 0) {
        // The chequer mixes the thumb's colour (background) with the frame's (text).
        ::SetBrushOrgEx(dc, draw.rc.right % kPatternSide, draw.rc.top % kPatternSide, nullptr);
        ::SetBkColor(dc, thumbColor);
        ::SetTextColor(dc, channelDark);
        ::SelectObject(dc, thumbPatternBrush);
    } else {
        ::SelectObject(dc, thumbBrush);
    }
    ::Ellipse(dc, draw.rc.left, draw.rc.top, draw.rc.right, draw.rc.bottom);
    ::RestoreDC(dc, saved);
    ::DeleteObject(pen);
}

void SkinnedSlider::drawChannel(const NMCUSTOMDRAW& draw) const
{
    RECT frame = draw.rc;
    ::InflateRect(&frame, -1, -1);
    const HPEN light = ::CreatePen(PS_SOLID, 1, channelLight);
    const HPEN dark = ::CreatePen(PS_SOLID, 1, channelDark);
    const HDC dc = draw.hdc;
    const HGDIOBJ old = ::SelectObject(dc, light);
    ::MoveToEx(dc, frame.left, frame.bottom - 1, nullptr);
    ::LineTo(dc, frame.left, frame.top);
    ::LineTo(dc, frame.right - 1, frame.top);
    ::SelectObject(dc, dark);
    ::LineTo(dc, frame.right - 1, frame.bottom - 1);
    ::LineTo(dc, frame.left - 1, frame.bottom - 1);
    ::SelectObject(dc, old);
    ::DeleteObject(dark);
    ::DeleteObject(light);
}

void SkinnedSlider::drawEndDots(HDC dc) const
{
    RECT client;
    GetClientRect(&client);
    const int w = client.right, h = client.bottom;
    const DWORD style = GetStyle();
    const bool vertical = (style & TBS_VERT) != 0;
    // TBS_LEFT and TBS_TOP are the same bit: the ticks' side, which moves the dots over.
    const bool otherSide = (style & TBS_LEFT) != 0;
    POINT minimum{1, 1}, maximum{1, 1};
    if (vertical) {
        minimum = otherSide ? POINT{w - kDot - 1, 1} : POINT{1, 1};
        maximum = otherSide ? POINT{w - kDot - 1, h - kDot - 1} : POINT{1, h - kDot - 1};
    } else {
        minimum = otherSide ? POINT{1, h - kDot - 1} : POINT{1, 1};
        maximum = otherSide ? POINT{w - kDot - 1, h - kDot - 1} : POINT{w - kDot - 1, 1};
    }
    dot(dc, minimum.x, minimum.y, thumbColor, kWhite);
    dot(dc, maximum.x, maximum.y, thumbColor, endDotColor);
}
