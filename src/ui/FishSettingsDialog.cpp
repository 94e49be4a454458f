#include "ui/FishSettingsDialog.h"

#include "framework/Dc.h"
#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <cstdio>

namespace {

constexpr int kGridColumns = 5;
constexpr int kCellInset = 2;         // the grid starts this far in from the client origin
constexpr int kLowestCellClick = 450; // clicks further down clear the selection
constexpr int kNumberArea[2] = {25, 20};  // what a count's digits take up in its cell
constexpr UINT_PTR kSaveTimer = 1;
constexpr UINT kSaveMilliseconds = 500;
constexpr COLORREF kTotalTextColor = 0xFF0000;        // blue
constexpr COLORREF kTotalBackgroundColor = 0xC6D6CC;  // the sheet's pale green

// The cell a previous click selected, kept from one opening of the dialog to the next.
int previousSelection = -1;

}  // namespace

BEGIN_MESSAGE_MAP(FishSettingsDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_FISH_ADD, OnAdd)
    ON_BN_CLICKED(IDC_FISH_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_FISH_RANDOM, OnRandom)
    ON_BN_CLICKED(IDC_FISH_CLEAR, OnClear)
END_MESSAGE_MAP()

FishSettingsDialog::FishSettingsDialog(SharedSettings& state, CursorHideCounter& cursor,
                                       CWnd* parent)
    : CDialog(IDD_FISH_SETTINGS, parent), shared(state), cursorHideCounter(cursor)
{
}

FishSettingsDialog::~FishSettingsDialog()
{
    if (totalLabelBrush != nullptr)
        ::DeleteObject(totalLabelBrush);
}

void FishSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MAKER_LINK, makerLink);
    DDX_Control(pDX, IDC_FISH_CLEAR, clearButton);
    DDX_Control(pDX, IDOK, okButton);
    DDX_Control(pDX, IDCANCEL, cancelButton);
    DDX_Control(pDX, IDC_FISH_RANDOM, randomButton);
    DDX_Control(pDX, IDC_FISH_DELETE, deleteButton);
    DDX_Control(pDX, IDC_FISH_ADD, addButton);
}

BOOL FishSettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int kind = 0; kind < kFishKinds; ++kind) {
        const int left = cellWidth * (kind % kGridColumns) + kCellInset;
        const int top = cellHeight * (kind / kGridColumns) + kCellInset;
        cells[kind] = {left, top, left + cellWidth, top + cellHeight};
    }
    totalLabelBrush = ::CreateSolidBrush(kTotalBackgroundColor);
    load();
    SetTimer(kSaveTimer, kSaveMilliseconds);
    updateTotalLabel();
    return TRUE;
}

void FishSettingsDialog::load()
{
    counts.load(IniFile(settingsIniPath()));
}

void FishSettingsDialog::save()
{
    counts.save(IniFile(settingsIniPath()));
    shared.applyFishCounts(counts.all());
}

void FishSettingsDialog::updateTotalLabel()
{
    char text[32];
    std::snprintf(text, sizeof text, "Total: %d/%d", counts.total(), kMaxFishCount);
    ::SetDlgItemTextA(m_hWnd, IDC_FISH_TOTAL, text);
}

int FishSettingsDialog::cellAt(int x, int y)
{
    // A click right of the grid would otherwise wrap round into the next row's first kinds.
    if (y > kLowestCellClick || x >= cellWidth * kGridColumns)
        return -1;
    return kGridColumns * (y / cellHeight) + x / cellWidth;
}

void FishSettingsDialog::repaintCell(int kind)
{
    if (FishCounts::isKind(kind))
        InvalidateRect(&cells[kind]);
    updateTotalLabel();
}

void FishSettingsDialog::repaintNumberArea(int kind)
{
    const RECT& cell = cells[kind];
    const RECT numbers{cell.left, cell.top, cell.left + kNumberArea[0], cell.top + kNumberArea[1]};
    InvalidateRect(&numbers);
}

void FishSettingsDialog::OnPaint()
{
    CPaintDC paint(this);
    const HDC dc = paint.m_hDC;
    const auto sheet = static_cast<HBITMAP>(::LoadImageA(
        AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDB_FISH_SHEET), IMAGE_BITMAP, 0, 0,
        LR_CREATEDIBSECTION));
    if (sheet != nullptr) {
        BITMAP size{};
        ::GetObjectA(sheet, sizeof size, &size);
        const HDC sheetDc = ::CreateCompatibleDC(dc);
        const HGDIOBJ oldBitmap = ::SelectObject(sheetDc, sheet);
        ::BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, sheetDc, 0, 0, SRCCOPY);
        ::SelectObject(sheetDc, oldBitmap);
        ::DeleteDC(sheetDc);
        ::DeleteObject(sheet);
    }

    const HGDIOBJ oldFont = ::SelectObject(dc, GetFont());
    ::SetBkMode(dc, TRANSPARENT);
    for (int kind = 0; kind < kFishKinds; ++kind) {
        char number[16];
        const int length = std::snprintf(number, sizeof number, "%d", counts[kind]);
        ::TextOutA(dc, cells[kind].left + kCellInset, cells[kind].top + kCellInset, number, length);
    }
    ::SelectObject(dc, oldFont);

    if (FishCounts::isKind(selectedKind)) {
        // Inverting, not painting: the fish under the ellipse shows through in negative.
        const int oldMode = ::SetROP2(dc, R2_NOT);
        const RECT& cell = cells[selectedKind];
        ::Ellipse(dc, cell.left, cell.top, cell.right, cell.bottom);
        ::SetROP2(dc, oldMode);
    }
}

void FishSettingsDialog::OnLButtonDown(UINT flags, CPoint point)
{
    if (selectedKind == -1)
        previousSelection = -1;
    selectedKind = cellAt(point.x, point.y);
    if (selectedKind == -1) {
        repaintCell(previousSelection);
        return;
    }
    if (selectedKind != previousSelection) {
        repaintCell(previousSelection);
        repaintCell(selectedKind);
    }
    previousSelection = selectedKind;
    CDialog::OnLButtonDown(flags, point);
}

void FishSettingsDialog::OnLButtonDblClk(UINT flags, CPoint point)
{
    OnAdd();
    CDialog::OnLButtonDblClk(flags, point);
}

void FishSettingsDialog::OnRButtonDblClk(UINT flags, CPoint point)
{
    OnDelete();
    CDialog::OnRButtonDblClk(flags, point);
}

void FishSettingsDialog::OnAdd()
{
    if (!counts.add(selectedKind))
        return;
    repaintNumberArea(selectedKind);
    updateTotalLabel();
}

void FishSettingsDialog::OnDelete()
{
    if (!counts.remove(selectedKind))
        return;
    repaintNumberArea(selectedKind);
    updateTotalLabel();
}

void FishSettingsDialog::OnRandom()
{
    counts.randomize();
    repaintCell(selectedKind);
    for (int kind = 0; kind < kFishKinds; ++kind)
        repaintNumberArea(kind);
    selectedKind = -1;
    updateTotalLabel();
}

void FishSettingsDialog::OnClear()
{
    counts.clear();
    for (int kind = 0; kind < kFishKinds; ++kind)
        repaintNumberArea(kind);
    // The total follows: a label left at the old total would keep Add refusing room there is.
    updateTotalLabel();
}

BOOL FishSettingsDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case 'A': OnAdd(); return TRUE;
        case 'D': OnDelete(); return TRUE;
        case 'R': OnRandom(); return TRUE;
        case 'C': OnClear(); return TRUE;
        default: break;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void FishSettingsDialog::OnTimer(UINT_PTR id)
{
    save();
    // The pointer stays visible over the dialog, however long it is open.
    cursorHideCounter.reset();
    CDialog::OnTimer(id);
}

void FishSettingsDialog::OnOK()
{
    save();
    CDialog::OnOK();
}

void FishSettingsDialog::OnClose()
{
    OnOK();
    CDialog::OnClose();
}

HBRUSH FishSettingsDialog::OnCtlColor(HDC dc, HWND control, UINT type)
{
    if (::GetDlgCtrlID(control) == IDC_FISH_TOTAL) {
        ::SetTextColor(dc, kTotalTextColor);
        ::SetBkColor(dc, kTotalBackgroundColor);
        return totalLabelBrush;
    }
    return CDialog::OnCtlColor(dc, control, type);
}
