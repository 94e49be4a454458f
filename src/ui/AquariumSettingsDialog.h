// The settings dialog: the light's colour, fog, light intensity, sound volume, bubbles and the
// views of the tank. It hands its values to the tank every 100 ms while it is open, and saves
// those that changed, so every change shows within a tenth of a second and nothing needs
// confirming.
#pragma once

#include "framework/Dialog.h"
#include "settings/AquariumSettings.h"
#include "settings/SharedSettings.h"
#include "ui/AquariumSettingsKeys.h"
#include "ui/ColorSwatchButton.h"
#include "ui/CursorHideCounter.h"
#include "ui/IconButton.h"
#include "ui/IconCheckBox.h"
#include "ui/SkinnedSlider.h"

class AquariumSettingsDialog : public CDialog {
public:
    // Edits `state`; the fish dialog it may open resets the view's `cursor`.
    AquariumSettingsDialog(SharedSettings& state, CursorHideCounter& cursor,
                           CWnd* parent = nullptr);

    // Shows a button that opens the fish dialog: for the screen saver's settings, which run
    // without the tank and its menu.
    void offerFishSettings() { fishSettingsOffered = true; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnTimer(UINT_PTR id);
    void OnHScroll(UINT code, UINT position, HWND scrollBar);
    void OnVScroll(UINT code, UINT position, HWND scrollBar);
    void OnClose();
    void OnDestroy();
    // The colour controls: the six swatches and the six mode boxes of the two colour groups.
    void OnColorControl(UINT id);
    void OnReload() { load(); }
    void OnSaveNow() { save(SaveScope::Changes); }
    void OnPreviousBackground();
    void OnNextBackground();
    void OnFishSettings();

    DECLARE_MESSAGE_MAP()

private:
    void load();
    void save(SaveScope scope);
    void showValues();
    void readControls();
    void readVerticalSliders();
    void selectMode(ColorGroup group, int AquariumSettings::*box);
    // Asks for the swatch's colour; a chosen one also selects `selects` (when given) in `group`.
    void pickColor(ColorSwatchButton& swatch, int AquariumSettings::*colour, ColorGroup group,
                    int AquariumSettings::*selects);
    void showBackgroundPreview();
    void setVolume();
    // Calls visit(flag, box) for each check box of the record's flags.
    template <typename Visit>
    void forEachBox(Visit visit);

    CButton autoViewsBox;
    CSliderCtrl nearFarSlider, leftRightSlider;
    SkinnedSlider lightSlider, fogSlider;
    IconButton aboutButton, previousBackgroundButton, nextBackgroundButton, makerLabel;
    IconCheckBox showWaterBox, showTerraBox, showLightBox, frontGradientBox, frontFixedBox,
        frontAutoBox, backGradientBox, backFixedBox, backAutoBox, lockBackBox, lockForeBox;
    CButton cancelButton, okButton;
    ColorSwatchButton backColor2Swatch, backColor1Swatch, frontColor2Swatch, frontColor1Swatch,
        backColorSwatch, frontColorSwatch;
    SkinnedSlider volumeSlider, bubbleSlider;

    SharedSettings& shared;
    CursorHideCounter& cursorHideCounter;
    bool fishSettingsOffered = false;
    AquariumSettings values{};  // the record's fields this dialog edits; rotations carry phases
    KeyTexts inFile;            // what the settings file holds, as last read or written
};
