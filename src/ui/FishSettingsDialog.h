// The fish dialog: the sheet of the 15 kinds in a 5 x 3 grid, each cell with its count; a click
// selects a kind, Add and Delete change its count, Random and Clear change them all. The counts
// are saved and handed to the tank every half second while the dialog is open, so the tank
// follows the dialog.
#pragma once

#include "framework/Dialog.h"
#include "settings/SharedSettings.h"
#include "ui/CursorHideCounter.h"
#include "ui/FishCounts.h"
#include "ui/HyperlinkStatic.h"
#include "ui/IconButton.h"

class FishSettingsDialog : public CDialog {
public:
    // Hands the counts to `state`, and keeps resetting the view's `cursor` while open.
    FishSettingsDialog(SharedSettings& state, CursorHideCounter& cursor, CWnd* parent = nullptr);
    ~FishSettingsDialog() override;

    BOOL PreTranslateMessage(MSG* msg) override;

    // A cell of the grid, in pixels.
    static constexpr int cellWidth = 100;
    static constexpr int cellHeight = 90;

    // The kind whose cell holds the client point (x, y): 0 to 14 on the grid, 15 to 24 in the
    // rows below it, -1 for a point right of the grid or more than 450 pixels down.
    static int cellAt(int x, int y);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDblClk(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnClose();
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type);
    void OnAdd();
    void OnDelete();
    void OnRandom();
    void OnClear();

    DECLARE_MESSAGE_MAP()

private:
    void load();
    void save();
    void updateTotalLabel();
    void repaintCell(int kind);
    void repaintNumberArea(int kind);

    SharedSettings& shared;
    CursorHideCounter& cursorHideCounter;
    HyperlinkStatic makerLink;
    IconButton clearButton, okButton, cancelButton, randomButton, deleteButton, addButton;
    RECT cells[kFishKinds]{};  // each kind's cell, client pixels
    int selectedKind = -1;     // the selected cell; 15 to 24 select no kind
    FishCounts counts;
    HBRUSH totalLabelBrush = nullptr;
};
