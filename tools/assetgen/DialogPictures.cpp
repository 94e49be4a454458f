#include "DialogPictures.h"

#include "AppIcon.h"
#include "Backdrop.h"
#include "BmpWriter.h"
#include "FishMesh.h"
#include "FishRenderer.h"
#include "FishSkins.h"
#include "IconShapes.h"

#include <algorithm>
#include <cmath>

namespace {

// The dialogs' pale sea tone, and the thin lines between the sheet's cells.
constexpr Rgba kPale{0.91f, 0.95f, 0.94f, 1};
constexpr Rgba kPaleDeeper{0.84f, 0.90f, 0.90f, 1};
constexpr Rgba kCellLine{0.76f, 0.84f, 0.84f, 1};
constexpr int kGridColumns = 5;
constexpr int kGridRows = 3;
// How each kind is posed and how large: seen half from above, where its skin's pattern shows,
// and turned toward the viewer, the body about 90 pixels long.
constexpr FishView kPortrait{-25, 50, 92};
// The reef below the grid is mixed this much toward the pale tone.
constexpr float kReefFade = 0.72f;

Rgba mix(Rgba a, Rgba b, float k)
{
    return {a.r + (b.r - a.r) * k, a.g + (b.g - a.g) * k, a.b + (b.b - a.b) * k, 1};
}

void blendImage(Image& canvas, const Image& picture, int left, int top)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const Rgba& p = picture.at(x, y);
            canvas.blend(left + x, top + y, Rgba{p.r, p.g, p.b, 1}, p.a);
        }
}

// A box-filtered copy of `picture` at the given size.
Image scaled(const Image& picture, int width, int height)
{
    Image out(width, height);
    const float sx = static_cast<float>(picture.width()) / width;
    const float sy = static_cast<float>(picture.height()) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgba sum{0, 0, 0, 0};
            int count = 0;
            for (int v = static_cast<int>(y * sy); v < static_cast<int>((y + 1) * sy); ++v)
                for (int u = static_cast<int>(x * sx); u < static_cast<int>((x + 1) * sx); ++u) {
                    const Rgba& p = picture.at(u, v);
                    sum = {sum.r + p.r, sum.g + p.g, sum.b + p.b, 0};
                    ++count;
                }
            out.at(x, y) = {sum.r / count, sum.g / count, sum.b / count, 1};
        }
    return out;
}

}  // namespace

Image paintFishSheet()
{
    Image sheet(kSheetWidth, kSheetHeight, kPale);
    const int gridBottom = kSheetOrigin + kGridRows * kSheetCellHeight;
    for (int y = 0; y < gridBottom; ++y)
        for (int x = 0; x < kSheetWidth; ++x)
            sheet.at(x, y) = mix(kPale, kPaleDeeper, static_cast<float>(y % kSheetCellHeight) /
                                                         kSheetCellHeight * 0.6f);

    // Below the grid, the tank's own reef, faded to the pale tone.
    const Image reef = scaled(paintBackdropAsSeen(), kSheetWidth, kSheetHeight - gridBottom);
    for (int y = 0; y < reef.height(); ++y)
        for (int x = 0; x < kSheetWidth; ++x)
            sheet.at(x, gridBottom + y) = mix(reef.at(x, y), kPale, kReefFade);

    for (int line = 0; line <= kGridColumns; ++line)
        for (int y = kSheetOrigin; y < gridBottom; ++y)
            sheet.at(std::min(kSheetWidth - 1, kSheetOrigin + line * kSheetCellWidth - 1), y) =
                kCellLine;
    for (int line = 0; line <= kGridRows; ++line)
        for (int x = kSheetOrigin; x < kSheetWidth; ++x)
            sheet.at(x, kSheetOrigin + line * kSheetCellHeight - 1) = kCellLine;

    const FishMesh mesh = buildFishMesh();
    for (int kind = 0; kind < kFishKinds; ++kind) {
        const SkinTexture skin = SkinTexture::fromBmp24(encodeBmp24(paintFishSkin(kind)));
        // Drawn a little right of and below the cell's middle: the count stands at its corner.
        const Image portrait = renderFish(mesh, skin, kPortrait, kSheetCellWidth - 8,
                                          kSheetCellHeight - 14);
        blendImage(sheet, portrait, kSheetOrigin + kind % kGridColumns * kSheetCellWidth + 6,
                   kSheetOrigin + kind / kGridColumns * kSheetCellHeight + 12);
    }
    return sheet;
}

Image paintBackgroundPreview(int choice)
{
    Image preview(kPreviewWidth, kPreviewHeight);
    for (int y = 0; y < kPreviewHeight; ++y)
        for (int x = 0; x < kPreviewWidth; ++x) {
            const float down = static_cast<float>(y) / kPreviewHeight;
            const float across = static_cast<float>(x) / kPreviewWidth;
            Rgba wall;
            if (choice == 1)  // one colour
                wall = {0.06f, 0.22f, 0.36f, 1};
            else if (choice == 2)  // graded from green above to deep blue below
                wall = mix(Rgba{0.10f, 0.55f, 0.35f, 1}, Rgba{0.03f, 0.10f, 0.28f, 1}, down);
            else  // a wash of slowly changing colours
                wall = {0.5f + 0.4f * std::sin(across * 5.0f), 0.5f + 0.4f * std::cos(down * 4.0f),
                        0.5f + 0.4f * std::sin((across + down) * 3.0f), 1};
            preview.at(x, y) = wall;
        }
    const FishMesh mesh = buildFishMesh();
    const int kinds[] = {0, 1, 2};
    for (int i = 0; i < 3; ++i) {
        const SkinTexture skin = SkinTexture::fromBmp24(encodeBmp24(paintFishSkin(kinds[i])));
        const FishView view{static_cast<double>(i * 140 - 20), 15, 30};
        blendImage(preview, renderFish(mesh, skin, view, 40, 26), 6 + i * 42, 6 + (i % 2) * 14);
    }
    return preview;
}

Image paintCheckIcon(bool checked)
{
    Image icon(kSmallIconSize, kSmallIconSize, Rgba{0, 0, 0, 0});
    paintWaterTile(icon);
    if (checked)
        paintShape(icon,
                   [](float x, float y) {
                       return std::min(stroke(x, y, -0.50f, 0.02f, -0.12f, 0.42f, 0.22f),
                                       stroke(x, y, -0.12f, 0.42f, 0.52f, -0.45f, 0.22f));
                   },
                   palette::kWhite);
    else
        paintShape(icon, [](float x, float y) { return ring(x, y, 0, 0, 0.42f, 0.16f); },
                   palette::kFoam);
    return icon;
}

Image paintAboutIcon()
{
    return paintAppIcon(kSmallIconSize);
}
