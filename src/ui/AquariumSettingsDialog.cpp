#include "ui/AquariumSettingsDialog.h"

#include "framework/ColorDialog.h"
#include "ui/FishSettingsDialog.h"
#include "media/BuiltInMusic.h"
#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

namespace {

constexpr UINT_PTR kSaveTimer = 1;
constexpr UINT kSaveMilliseconds = 100;
constexpr int kAboutIconSide = 16;
constexpr COLORREF kModeOnColor = 0x00FF00;
constexpr COLORREF kModeOffColor = 0;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kBackgroundChoices = 4;  // 0 (the reef) to 3
// The pictures of background choices 1 to 3; the reef has none.
constexpr int kPreviewIds[kBackgroundChoices - 1] = {IDC_PREVIEW_1, IDC_PREVIEW_2, IDC_PREVIEW_3};

using Flag = int AquariumSettings::*;

void setRange(CSliderCtrl& slider, int maximum)
{
    slider.SetRange(0, maximum, FALSE);
}

}  // namespace

BEGIN_MESSAGE_MAP(AquariumSettingsDialog, CDialog)
    ON_WM_TIMER()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_CONTROL_RANGE(BN_CLICKED, IDC_FRONT_FIXED, IDC_FRONT_FIXED, OnColorControl)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_FRONT_COLOR, IDC_BACK_AUTO, OnColorControl)
    ON_BN_CLICKED(IDC_RELOAD, OnReload)
    ON_BN_CLICKED(IDC_SAVE_NOW, OnSaveNow)
    ON_BN_CLICKED(IDC_PREVIOUS_BACKGROUND, OnPreviousBackground)
    ON_BN_CLICKED(IDC_NEXT_BACKGROUND, OnNextBackground)
    ON_BN_CLICKED(IDC_OPEN_FISH_SETTINGS, OnFishSettings)
END_MESSAGE_MAP()

AquariumSettingsDialog::AquariumSettingsDialog(SharedSettings& state, CursorHideCounter& cursor,
                                               CWnd* parent)
    : CDialog(IDD_AQUARIUM_SETTINGS, parent), shared(state), cursorHideCounter(cursor)
{
}

void AquariumSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AUTO_VIEWS, autoViewsBox);
    DDX_Control(pDX, IDC_VIEWS_NEAR_FAR, nearFarSlider);
    DDX_Control(pDX, IDC_VIEWS_LEFT_RIGHT, leftRightSlider);
    DDX_Control(pDX, IDC_LIGHT, lightSlider);
    DDX_Control(pDX, IDC_FOG, fogSlider);
    DDX_Control(pDX, IDC_ABOUT, aboutButton);
    DDX_Control(pDX, IDC_PREVIOUS_BACKGROUND, previousBackgroundButton);
    DDX_Control(pDX, IDC_NEXT_BACKGROUND, nextBackgroundButton);
    DDX_Control(pDX, IDC_SETTINGS_LABEL, makerLabel);
    DDX_Control(pDX, IDC_SHOW_WATER, showWaterBox);
    DDX_Control(pDX, IDC_SHOW_TERRA, showTerraBox);
    DDX_Control(pDX, IDC_SHOW_LIGHT, showLightBox);
    DDX_Control(pDX, IDC_FRONT_GRADIENT, frontGradientBox);
    DDX_Control(pDX, IDC_FRONT_FIXED, frontFixedBox);
    DDX_Control(pDX, IDC_FRONT_AUTO, frontAutoBox);
    DDX_Control(pDX, IDC_BACK_GRADIENT, backGradientBox);
    DDX_Control(pDX, IDC_BACK_FIXED, backFixedBox);
    DDX_Control(pDX, IDC_BACK_AUTO, backAutoBox);
    DDX_Control(pDX, IDC_LOCK_BACK, lockBackBox);
    DDX_Control(pDX, IDC_LOCK_FORE, lockForeBox);
    DDX_Control(pDX, IDCANCEL, cancelButton);
    DDX_Control(pDX, IDOK, okButton);
    DDX_Control(pDX, IDC_BACK_COLOR2, backColor2Swatch);
    DDX_Control(pDX, IDC_BACK_COLOR1, backColor1Swatch);
    DDX_Control(pDX, IDC_FRONT_COLOR2, frontColor2Swatch);
    DDX_Control(pDX, IDC_FRONT_COLOR1, frontColor1Swatch);
    DDX_Control(pDX, IDC_BACK_COLOR, backColorSwatch);
    DDX_Control(pDX, IDC_FRONT_COLOR, frontColorSwatch);
    DDX_Control(pDX, IDC_VOLUME, volumeSlider);
    DDX_Control(pDX, IDC_BUBBLES, bubbleSlider);
}

BOOL AquariumSettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    setRange(bubbleSlider, kBubbleSettingMax);
    setRange(volumeSlider, kVolumeMax);
    setRange(fogSlider, kFogDensityMax);
    setRange(lightSlider, kLightIntensityMax);
    setRange(leftRightSlider, kViewsLeftRightMax);
    setRange(nearFarSlider, kViewsNearFarMax);
    CenterWindow();

    // What the controls show when the file has nothing to say: both groups cycling, only the
    // background swatch white, the "Show" boxes checked and the locks open.
    values.backColor = kWhite;
    selectColorMode(values, ColorGroup::Front, &AquariumSettings::frontAutoGradient);
    selectColorMode(values, ColorGroup::Back, &AquariumSettings::backAutoGradient);
    values.showWater = values.showLight = values.showTerra = 1;
    for (IconCheckBox* box : {&frontGradientBox, &frontFixedBox, &frontAutoBox, &backGradientBox,
                              &backFixedBox, &backAutoBox})
        box->SetIndicatorColors(kModeOnColor, kModeOffColor);
    for (IconCheckBox* box : {&lockForeBox, &lockBackBox, &showWaterBox, &showLightBox,
                              &showTerraBox})
        box->SetIcons(IDI_CHECK_ON, IDI_CHECK_OFF);

    load();
    if (fishSettingsOffered)
        ::ShowWindow(GetDlgItem(IDC_OPEN_FISH_SETTINGS), SW_SHOW);
    SetTimer(kSaveTimer, kSaveMilliseconds);
    aboutButton.SetIcon(IDI_ABOUT, IDI_ABOUT, kAboutIconSide, kAboutIconSide);
    return TRUE;
}

template <typename Visit>
void AquariumSettingsDialog::forEachBox(Visit visit)
{
    const struct {
        Flag flag;
        IconCheckBox* box;
    } boxes[] = {
        {&AquariumSettings::showWater, &showWaterBox},
        {&AquariumSettings::showLight, &showLightBox},
        {&AquariumSettings::showTerra, &showTerraBox},
        {&AquariumSettings::frontFixed, &frontFixedBox},
        {&AquariumSettings::frontGradient, &frontGradientBox},
        {&AquariumSettings::frontAutoGradient, &frontAutoBox},
        {&AquariumSettings::lockFore, &lockForeBox},
        {&AquariumSettings::backFixed, &backFixedBox},
        {&AquariumSettings::backGradient, &backGradientBox},
        {&AquariumSettings::backAutoGradient, &backAutoBox},
        {&AquariumSettings::lockBack, &lockBackBox},
    };
    for (const auto& entry : boxes)
        visit(entry.flag, *entry.box);
}

void AquariumSettingsDialog::load()
{
    loadDialogSettings(IniFile(settingsIniPath()), values, inFile);
    shared.phases.front = values.lockForeRotation;
    shared.phases.back = values.lockBackRotation;
    showValues();
    showBackgroundPreview();
}

void AquariumSettingsDialog::showValues()
{
    forEachBox([this](Flag flag, IconCheckBox& box) { box.SetCheck(values.*flag != 0); });
    frontColorSwatch.SetColor(static_cast<COLORREF>(values.frontColor));
    frontColor1Swatch.SetColor(static_cast<COLORREF>(values.frontColor1));
    frontColor2Swatch.SetColor(static_cast<COLORREF>(values.frontColor2));
    backColorSwatch.SetColor(static_cast<COLORREF>(values.backColor));
    backColor1Swatch.SetColor(static_cast<COLORREF>(values.backColor1));
    backColor2Swatch.SetColor(static_cast<COLORREF>(values.backColor2));
    for (ColorSwatchButton* swatch : {&frontColorSwatch, &frontColor1Swatch, &frontColor2Swatch,
                                      &backColorSwatch, &backColor1Swatch, &backColor2Swatch})
        swatch->Invalidate();
    volumeSlider.SetPos(values.volume);
    bubbleSlider.SetPos(values.bubbleCount);
    fogSlider.SetPos(values.fogDensity);
    lightSlider.SetPos(values.lightIntensity);
    autoViewsBox.SetCheck(values.autoViews == 1 ? BST_CHECKED : BST_UNCHECKED);
    leftRightSlider.SetPos(values.viewsLeftRight);
    nearFarSlider.SetPos(values.viewsNearFar);
}

void AquariumSettingsDialog::readVerticalSliders()
{
    values.volume = volumeSlider.GetPos();
    values.bubbleCount = bubbleSlider.GetPos();
    values.fogDensity = fogSlider.GetPos();
    values.lightIntensity = lightSlider.GetPos();
}

void AquariumSettingsDialog::readControls()
{
    forEachBox([this](Flag flag, IconCheckBox& box) { values.*flag = box.isChecked() ? 1 : 0; });
    values.autoViews = autoViewsBox.GetCheck() == BST_CHECKED ? 1 : 0;
    readVerticalSliders();
    // The views are saved where their sliders stand, moved by hand or by the automatic views:
    // what the next start restores is what the user last saw.
    values.viewsLeftRight = leftRightSlider.GetPos();
    values.viewsNearFar = nearFarSlider.GetPos();
}

void AquariumSettingsDialog::save(SaveScope scope)
{
    readControls();
    values.lockForeRotation = shared.phases.front;
    values.lockBackRotation = shared.phases.back;
    saveDialogSettings(IniFile(settingsIniPath()), values, inFile, scope);
    shared.applyDialogSettings(settingsForTank(values));
}

void AquariumSettingsDialog::OnTimer(UINT_PTR id)
{
    values.autoViews = autoViewsBox.GetCheck() == BST_CHECKED ? 1 : 0;
    if (values.autoViews == 1) {
        leftRightSlider.SetPos(shared.views.viewsLeftRightNow);
        nearFarSlider.SetPos(shared.views.viewsNearFarNow);
    }
    save(SaveScope::ChangesButDrift);
    CDialog::OnTimer(id);
}

void AquariumSettingsDialog::OnHScroll(UINT code, UINT position, HWND scrollBar)
{
    values.viewsLeftRight = leftRightSlider.GetPos();
    values.viewsNearFar = nearFarSlider.GetPos();
    if (values.autoViews == 0) {
        shared.views.viewsLeftRightNow = values.viewsLeftRight;
        shared.views.viewsNearFarNow = values.viewsNearFar;
    }
    CDialog::OnHScroll(code, position, scrollBar);
}

void AquariumSettingsDialog::OnVScroll(UINT code, UINT position, HWND scrollBar)
{
    readVerticalSliders();
    setBuiltInMusicVolume(values.volume);
    CDialog::OnVScroll(code, position, scrollBar);
}

void AquariumSettingsDialog::OnClose()
{
    save(SaveScope::Changes);
    CDialog::OnClose();
}

void AquariumSettingsDialog::OnDestroy()
{
    // However the dialog ends (OK, Cancel, Escape), what the ticks left out is saved.
    save(SaveScope::Changes);
    // The preview statics load their pictures from the template themselves, and Wine's static
    // control never frees them: 72 KB lost at every opening. Taken back from the controls, they
    // are freed here once, whether or not a system's control would have freed its own.
    for (int id : kPreviewIds)
        ::DeleteObject(reinterpret_cast<HGDIOBJ>(
            ::SendDlgItemMessageA(m_hWnd, id, STM_SETIMAGE, IMAGE_BITMAP, 0)));
    CDialog::OnDestroy();
}

void AquariumSettingsDialog::selectMode(ColorGroup group, Flag box)
{
    // The box is checked and redrawn first, then the other boxes of its group are cleared.
    selectColorMode(values, group, box);
    forEachBox([box](Flag flag, IconCheckBox& shown) {
        if (flag == box)
            shown.SetCheck(true);
    });
    forEachBox([group, box](Flag flag, IconCheckBox& shown) {
        if (flag != box && isColorMode(group, flag) && shown.isChecked())
            shown.SetCheck(false);
    });
}

void AquariumSettingsDialog::pickColor(ColorSwatchButton& swatch, Flag colour, ColorGroup group,
                                        Flag selects)
{
    // Owned by this dialog, the picker keeps it disabled while open: a second click on a swatch
    // cannot open a second picker behind the first.
    CColorDialog picker(0, 0, this);
    if (picker.DoModal() != IDOK)
        return;
    values.*colour = static_cast<int>(picker.GetColor());
    swatch.SetColor(picker.GetColor());
    swatch.Invalidate();
    if (selects != nullptr)
        selectMode(group, selects);
}

void AquariumSettingsDialog::OnColorControl(UINT id)
{
    using S = AquariumSettings;
    const ColorGroup front = ColorGroup::Front;
    const ColorGroup back = ColorGroup::Back;
    switch (id) {
    case IDC_FRONT_COLOR: pickColor(frontColorSwatch, &S::frontColor, front, &S::frontFixed); break;
    case IDC_FRONT_COLOR1: pickColor(frontColor1Swatch, &S::frontColor1, front, nullptr); break;
    case IDC_FRONT_COLOR2: pickColor(frontColor2Swatch, &S::frontColor2, front, nullptr); break;
    case IDC_BACK_COLOR: pickColor(backColorSwatch, &S::backColor, back, &S::backFixed); break;
    case IDC_BACK_COLOR1: pickColor(backColor1Swatch, &S::backColor1, back, &S::backGradient); break;
    case IDC_BACK_COLOR2: pickColor(backColor2Swatch, &S::backColor2, back, &S::backGradient); break;
    case IDC_FRONT_FIXED: selectMode(front, &S::frontFixed); break;
    case IDC_FRONT_GRADIENT: selectMode(front, &S::frontGradient); break;
    case IDC_FRONT_AUTO: selectMode(front, &S::frontAutoGradient); break;
    case IDC_BACK_FIXED: selectMode(back, &S::backFixed); break;
    case IDC_BACK_GRADIENT: selectMode(back, &S::backGradient); break;
    case IDC_BACK_AUTO: selectMode(back, &S::backAutoGradient); break;
    default: break;
    }
}

void AquariumSettingsDialog::showBackgroundPreview()
{
    const int index = values.backgroundMode;
    if (index < 0 || index >= kBackgroundChoices)
        return;
    for (int choice = 1; choice < kBackgroundChoices; ++choice)
        if (const HWND preview = GetDlgItem(kPreviewIds[choice - 1]))
            ::ShowWindow(preview, choice == index ? SW_SHOW : SW_HIDE);
    nextBackgroundButton.EnableWindow(index < kBackgroundChoices - 1);
    previousBackgroundButton.EnableWindow(index > 0);
}

void AquariumSettingsDialog::OnPreviousBackground()
{
    if (values.backgroundMode > 0)
        --values.backgroundMode;
    showBackgroundPreview();
}

void AquariumSettingsDialog::OnNextBackground()
{
    if (values.backgroundMode < kBackgroundChoices - 1)
        ++values.backgroundMode;
    showBackgroundPreview();
}

void AquariumSettingsDialog::OnFishSettings()
{
    FishSettingsDialog fishDialog(shared, cursorHideCounter, this);
    fishDialog.DoModal();
}
