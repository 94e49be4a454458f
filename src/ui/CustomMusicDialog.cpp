#include "ui/CustomMusicDialog.h"

#include "framework/FileDialog.h"
#include "framework/WinApp.h"
#include "media/BuiltInMusic.h"
#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kPlaybackTimer = 1;
constexpr UINT kPlaybackMilliseconds = 200;
constexpr int kListVolumeMax = 1000;
constexpr char kVolumeSection[] = "Settings";
constexpr char kVolumeEntry[] = "Volume";
constexpr char kMusicFilter[] = "(*.mp3;*.wav;*.mpeg)|*.mp3;*.wav;*.mpeg|";
constexpr int kListColumnWidth = 500;

}  // namespace

BEGIN_MESSAGE_MAP(CustomMusicDialog, MediaListDialog)
    ON_WM_TIMER()
    ON_WM_HSCROLL()
    ON_BN_CLICKED(IDC_MUSIC_ADD, OnAdd)
    ON_BN_CLICKED(IDC_MUSIC_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_MUSIC_REMOVE_ALL, OnRemoveAll)
    ON_BN_CLICKED(IDC_MUSIC_PLAY, OnPlay)
    ON_BN_CLICKED(IDC_MUSIC_STOP, OnStop)
    ON_BN_CLICKED(IDC_MUSIC_ON, OnOnOff)
    ON_NOTIFY(NM_CLICK, IDC_MUSIC_LIST, OnListClick)
END_MESSAGE_MAP()

CustomMusicDialog::CustomMusicDialog(CursorHideCounter& cursor, CWnd* parent)
    : MediaListDialog(IDD_CUSTOM_MUSIC, MediaList::Music, IDC_MUSIC_ON, IDC_MUSIC_LIST, cursor,
                      parent)
{
}

void CustomMusicDialog::DoDataExchange(CDataExchange* pDX)
{
    MediaListDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MUSIC_VOLUME, volumeSlider);
    DDX_Control(pDX, IDC_MUSIC_POSITION, positionSlider);
}

BOOL CustomMusicDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    setUpControls();
    musicList.InsertColumn(0, "Music List", LVCFMT_CENTER, kListColumnWidth);

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

void CustomMusicDialog::load()
{
    const MediaListState state = loadMediaList(IniFile(settingsIniPath()), MediaList::Music);
    musicList.DeleteAllItems();
    for (const std::string& path : state.paths)
        musicList.InsertItem(musicList.GetItemCount(), path.c_str());
    onOffBox.SetCheck(state.enabled);
    ownMusicOn = state.enabled;
    showMode(loadedMode(state));
    rememberSaved();
    if (!state.paths.empty() && state.enabled)
        OnPlay();
}

void CustomMusicDialog::OnTimer(UINT_PTR id)
{
    ownMusicOn = onOffBox.isChecked();
    if (list.playState == Playing) {
        position = player.getPosition();
        positionSlider.SetPos(static_cast<int>(position));
        if (player.canPlay() && player.getLength() == position && selectTrack(false))
            startPlayback();
    }
    onTick();
    CDialog::OnTimer(id);
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
    musicList.InsertItem(musicList.GetItemCount(), chooser.GetPathName().c_str());
    saveChanges();
}

void CustomMusicDialog::OnRemove()
{
    const int selected = musicList.GetFirstSelected();
    if (selected < 0) {
        MessageBox("Please select an item from the music list!");
        return;
    }
    musicList.DeleteItem(selected);
    selectTrack(false);
    saveChanges();
}

void CustomMusicDialog::OnRemoveAll()
{
    musicList.DeleteAllItems();
    saveChanges();
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
    saveChanges();
}

void CustomMusicDialog::OnListClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    if (musicList.GetFirstSelected() >= 0 && selectTrack(true) && list.playState == Playing)
        startPlayback();
}

bool CustomMusicDialog::selectTrack(bool explicitSelection)
{
    const int count = musicList.GetItemCount();
    int index = list.nextTrack(count, musicList.GetFirstSelected(), explicitSelection);
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
    player.setFileName(musicList.GetItemText(index, 0));
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
    if (musicList.GetItemCount() == 0)
        return;
    list.playState = Playing;
    player.play();
    musicList.markRow(list.currentIndex);
    enableEditing(false);
    onOffBox.SetCheck(true);
}

void CustomMusicDialog::stopPlayback()
{
    list.playState = Stopped;
    player.stop();
    player.seek(0);
    list.currentIndex = -1;
    musicList.markRow(list.currentIndex);
    musicList.SetItemState(-1, 0, LVIS_SELECTED);
    enableEditing(true);
}

void CustomMusicDialog::enableEditing(bool enable)
{
    for (const int id : {IDC_MUSIC_ADD, IDC_MUSIC_REMOVE, IDC_MUSIC_REMOVE_ALL, IDC_MUSIC_PLAY})
        ::EnableWindow(GetDlgItem(id), enable);
}
