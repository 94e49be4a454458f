#include "ui/CustomMusicDialog.h"

#include "framework/FileDialog.h"
#include "framework/WinApp.h"
#include "media/BuiltInMusic.h"
#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "ui/CursorHideCounter.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kPlaybackTimer = 1;
constexpr UINT kPlaybackMilliseconds = 200;
constexpr int kListVolumeMax = 1000;
constexpr char kVolumeSection[] = "Settings";
constexpr char kVolumeEntry[] = "Volume";
constexpr char kMusicFilter[] = "(*.mp3;*.wav;*.mpeg)|*.mp3;*.wav;*.mpeg|";
constexpr DWORD kListStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
constexpr COLORREF kListBackground = 8566991;
constexpr COLORREF kListText = 0xFF0000;
constexpr int kListColumnWidth = 500;
constexpr COLORREF kModeOnColour = 0x00FF00;
constexpr COLORREF kModeOffColour = 0;

}  // namespace

BEGIN_MESSAGE_MAP(CustomMusicDialog, CDialog)
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_HSCROLL()
    ON_BN_CLICKED(IDC_MUSIC_ADD, OnAdd)
    ON_BN_CLICKED(IDC_MUSIC_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_MUSIC_REMOVE_ALL, OnRemoveAll)
    ON_BN_CLICKED(IDC_MUSIC_PLAY, OnPlay)
    ON_BN_CLICKED(IDC_MUSIC_STOP, OnStop)
    ON_BN_CLICKED(IDC_MUSIC_ON, OnOnOff)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_REPEAT_ONE, IDC_RANDOM_ORDER, OnModeBox)
    ON_NOTIFY(NM_CLICK, IDC_MUSIC_LIST, OnListClick)
END_MESSAGE_MAP()

CustomMusicDialog::CustomMusicDialog(CWnd* parent) : CDialog(IDD_CUSTOM_MUSIC, parent) {}

void CustomMusicDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MUSIC_ON, onOffBox);
    DDX_Control(pDX, IDC_REPEAT_ONE, repeatOneBox);
    DDX_Control(pDX, IDC_REPEAT_ALL, repeatAllBox);
    DDX_Control(pDX, IDC_RANDOM_ORDER, randomBox);
    DDX_Control(pDX, IDC_MUSIC_LIST, fileList);
    DDX_Control(pDX, IDC_MUSIC_VOLUME, volumeSlider);
    DDX_Control(pDX, IDC_MUSIC_POSITION, positionSlider);
}

BOOL CustomMusicDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    fileList.SetExtendedStyle(kListStyle);
    fileList.SetBkColor(kListBackground);
    fileList.SetTextBkColor(kListBackground);
    fileList.SetTextColor(kListText);
    fileList.InsertColumn(0, "Music List", LVCFMT_CENTER, kListColumnWidth);

    onOffBox.SetIcons(IDI_CHECK_ON, IDI_CHECK_OFF);
    for (IconCheckBox* box : {&repeatOneBox, &repeatAllBox, &randomBox})
        box->SetIndicatorColors(kModeOnColour, kModeOffColour);
    onOffBox.SetCheck(false);
    applyMode(RepeatOne);

    const CWinApp* const app = AfxGetApp();
    const int storedVolume = app != nullptr ? static_cast<int>(app->GetProfileInt(
                                                  kVolumeSection, kVolumeEntry, kListVolumeMax))
                                            : kListVolumeMax;
    listVolume = std::clamp(storedVolume, 0, kListVolumeMax);
    // The MCI window is made with the first file to play: opened empty, as a start without own
    // music would have it, it only loads the media libraries and lengthens the start.
    player.setParent(GetDlgItem(IDC_MUSIC_PLAYER));
    player.setVolume(listVolume);
    volumeSlider.SetRange(0, kListVolumeMax, TRUE);
    volumeSlider.SetPos(listVolume);

    load();
    SetTimer(kPlaybackTimer, kPlaybackMilliseconds);
    return TRUE;
}

void CustomMusicDialog::applyMode(int mode)
{
    list.playMode = mode;
    repeatOneBox.SetCheck(mode == RepeatOne);
    repeatAllBox.SetCheck(mode == RepeatAll);
    randomBox.SetCheck(mode == RandomOrder);
}

void CustomMusicDialog::load()
{
    const MediaListState state = loadMediaList(IniFile(settingsIniPath()), MediaList::Music);
    fileList.DeleteAllItems();
    for (const std::string& path : state.paths)
        fileList.InsertItem(fileList.GetItemCount(), path.c_str());
    onOffBox.SetCheck(state.enabled);
    // The first checked mode in the order random, repeat all, repeat one wins; none means
    // repeat one.
    applyMode(state.randomOrder ? RandomOrder : state.repeatAll ? RepeatAll : RepeatOne);
    savedState = shownState();
    if (!state.paths.empty() && state.enabled)
        OnPlay();
}

MediaListState CustomMusicDialog::shownState()
{
    MediaListState state;
    state.randomOrder = randomBox.isChecked();
    state.repeatAll = repeatAllBox.isChecked();
    state.repeatOne = repeatOneBox.isChecked();
    state.enabled = onOffBox.isChecked();
    for (int item = 0; item < fileList.GetItemCount(); ++item)
        state.paths.push_back(fileList.GetItemText(item, 0));
    return state;
}

void CustomMusicDialog::save()
{
    // Written as soon as anything changes, not only when the dialog closes: the program can end
    // from its menu while the dialog is open, and nothing the user chose may be lost then.
    const MediaListState state = shownState();
    if (state == savedState)
        return;
    saveMediaList(IniFile(settingsIniPath()), MediaList::Music, state);
    savedState = state;
}

void CustomMusicDialog::OnTimer(UINT_PTR id)
{
    ownMusicPlaying = onOffBox.isChecked();
    // The pointer stays visible over the dialog, whether the music plays or not.
    if (IsWindowVisible())
        cursorHideCounter = 0;
    if (list.playState == Playing) {
        position = player.getPosition();
        positionSlider.SetPos(static_cast<int>(position));
        if (player.canPlay() && player.getLength() == position && selectTrack(false))
            startPlayback();
    }
    save();
    CDialog::OnTimer(id);
}

void CustomMusicDialog::OnCancel()
{
    ShowWindow(SW_HIDE);
    save();
}

void CustomMusicDialog::OnClose()
{
    OnCancel();
}

void CustomMusicDialog::OnHScroll(UINT code, UINT scrollPosition, HWND scrollBar)
{
    if (scrollBar == volumeSlider.m_hWnd) {
        listVolume = volumeSlider.GetPos();
        player.setVolume(listVolume);
        // Kept for the next start, which reads it back as its first volume.
        if (const CWinApp* const app = AfxGetApp())
            app->WriteProfileInt(kVolumeSection, kVolumeEntry, listVolume);
    } else if (scrollBar == positionSlider.m_hWnd && code == TB_ENDTRACK) {
        player.seek(positionSlider.GetPos());
        position = player.getPosition();
        if (list.playState == Playing)
            player.play();
    }
    CDialog::OnHScroll(code, scrollPosition, scrollBar);
}

void CustomMusicDialog::OnAdd()
{
    CFileDialog chooser(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kMusicFilter, this);
    if (chooser.DoModal() != IDOK)
        return;
    fileList.InsertItem(fileList.GetItemCount(), chooser.GetPathName().c_str());
    save();
}

void CustomMusicDialog::OnRemove()
{
    const int selected = fileList.GetFirstSelected();
    if (selected < 0) {
        MessageBox("Please select an item from the music list!");
        return;
    }
    fileList.DeleteItem(selected);
    selectTrack(false);
    save();
}

void CustomMusicDialog::OnRemoveAll()
{
    fileList.DeleteAllItems();
    save();
}

void CustomMusicDialog::OnPlay()
{
    if (selectTrack(false))
        startPlayback();
}

void CustomMusicDialog::OnOnOff()
{
    if (onOffBox.isChecked())
        OnPlay();
    else if (list.playState == Playing)
        stopPlayback();
    save();
}

void CustomMusicDialog::OnModeBox(UINT id)
{
    applyMode(static_cast<int>(id) - IDC_REPEAT_ONE);
    save();
}

void CustomMusicDialog::OnListClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    if (fileList.GetFirstSelected() >= 0 && selectTrack(true) && list.playState == Playing)
        startPlayback();
}

bool CustomMusicDialog::selectTrack(bool explicitSelection)
{
    const int count = fileList.GetItemCount();
    int index = list.nextTrack(count, fileList.GetFirstSelected(), explicitSelection);
    // A file that cannot be played is passed over, as long as the mode moves on at all; after
    // one round of the list without a playable file, the list stops.
    for (int tries = 0; index >= 0 && tries < count; ++tries) {
        list.currentIndex = index;
        if (openTrack(index))
            return true;
        index = list.trackAfterUnplayable(count);
    }
    stopPlayback();
    return false;
}

bool CustomMusicDialog::openTrack(int index)
{
    player.stop();
    player.close();
    player.setFileName(fileList.GetItemText(index, 0));
    player.open();
    if (!player.canPlay())
        return false;
    player.seek(0);
    player.setVolume(listVolume);
    positionSlider.SetRange(0, static_cast<int>(player.getLength()), TRUE);
    positionSlider.SetPos(0);
    return true;
}

void CustomMusicDialog::startPlayback()
{
    if (fileList.GetItemCount() == 0)
        return;
    list.playState = Playing;
    player.play();
    markCurrentRow();
    enableEditing(false);
    onOffBox.SetCheck(true);
}

void CustomMusicDialog::stopPlayback()
{
    list.playState = Stopped;
    player.stop();
    player.seek(0);
    list.currentIndex = -1;
    markCurrentRow();
    fileList.SetItemState(-1, 0, LVIS_SELECTED);
    enableEditing(true);
}

void CustomMusicDialog::markCurrentRow()
{
    currentListRow = list.currentIndex;
    fileList.Invalidate(FALSE);
}

void CustomMusicDialog::enableEditing(bool enable)
{
    for (const int id : {IDC_MUSIC_ADD, IDC_MUSIC_REMOVE, IDC_MUSIC_REMOVE_ALL, IDC_MUSIC_PLAY})
        ::EnableWindow(GetDlgItem(id), enable);
}
