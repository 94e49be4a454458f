#include "ui/MediaListDialog.h"

#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

namespace {
constexpr DWORD kListStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
constexpr COLORREF kListBackground = 8566991;
constexpr COLORREF kListText = 0xFF0000;
constexpr COLORREF kModeOnColor = 0x00FF00;
constexpr COLORREF kModeOffColor = 0;
}  // namespace

BEGIN_MESSAGE_MAP(MediaListDialog, CDialog)
    ON_WM_CLOSE()
    ON_CONTROL_RANGE(BN_CLICKED, IDC_REPEAT_ONE, IDC_RANDOM_ORDER, OnModeBox)
END_MESSAGE_MAP()

MediaListDialog::MediaListDialog(UINT templateId, MediaList mediaList, int onOffId, int listControlId,
                                 CursorHideCounter& cursor, CWnd* parent)
    : CDialog(templateId, parent),
      section(mediaList),
      onOffBoxId(onOffId),
      listId(listControlId),
      cursorHideCounter(cursor)
{
}

void MediaListDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, onOffBoxId, onOffBox);
    DDX_Control(pDX, IDC_REPEAT_ONE, repeatOneBox);
    DDX_Control(pDX, IDC_REPEAT_ALL, repeatAllBox);
    DDX_Control(pDX, IDC_RANDOM_ORDER, randomBox);
    DDX_Control(pDX, listId, fileList());
}

void MediaListDialog::setUpControls()
{
    CListCtrl& files = fileList();
    files.SetExtendedStyle(kListStyle);
    files.SetBkColor(kListBackground);
    files.SetTextBkColor(kListBackground);
    files.SetTextColor(kListText);
    onOffBox.SetIcons(IDI_CHECK_ON, IDI_CHECK_OFF);
    onOffBox.SetCheck(false);
    for (IconCheckBox* box : {&repeatOneBox, &repeatAllBox, &randomBox})
        box->SetIndicatorColors(kModeOnColor, kModeOffColor);
    showMode(0);
}

void MediaListDialog::showMode(int mode)
{
    repeatOneBox.SetCheck(mode == 0);
    repeatAllBox.SetCheck(mode == 1);
    randomBox.SetCheck(mode == 2);
    modeChosen(mode);
}

int MediaListDialog::loadedMode(const MediaListState& state)
{
    return state.randomOrder ? 2 : state.repeatAll ? 1 : 0;
}

void MediaListDialog::OnModeBox(UINT id)
{
    showMode(static_cast<int>(id) - IDC_REPEAT_ONE);
    saveChanges();
}

MediaListState MediaListDialog::shownState()
{
    MediaListState state;
    state.randomOrder = randomBox.isChecked();
    state.repeatAll = repeatAllBox.isChecked();
    state.repeatOne = repeatOneBox.isChecked();
    state.enabled = onOffBox.isChecked();
    CListCtrl& files = fileList();
    for (int item = 0; item < files.GetItemCount(); ++item)
        state.paths.push_back(files.GetItemText(item, 0));
    addShownState(state);
    return state;
}

void MediaListDialog::saveChanges()
{
    const MediaListState state = shownState();
    if (state == savedState)
        return;
    saveMediaList(IniFile(settingsIniPath()), section, state);
    savedState = state;
}

void MediaListDialog::onTick()
{
    // The pointer stays visible over the dialog, whatever the dialog is doing.
    if (IsWindowVisible())
        cursorHideCounter.reset();
    saveChanges();
}

void MediaListDialog::OnCancel()
{
    ShowWindow(SW_HIDE);
    saveChanges();
}
