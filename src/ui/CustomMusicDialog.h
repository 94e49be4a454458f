// The custom music dialog: the user's own list of music files, how it plays, and its volume.
// Modeless and created hidden with the view, it lives as long as the view: hiding it changes
// nothing in the playback, which its timer keeps going. Its "On/Off" box decides whether the
// user's music or the built-in tune plays.
#pragma once

#include "media/MciMusicWindow.h"
#include "ui/HighlightListCtrl.h"
#include "ui/MediaListDialog.h"
#include "ui/MusicPlaylist.h"
#include "ui/SkinnedSlider.h"

class CustomMusicDialog : public MediaListDialog {
public:
    explicit CustomMusicDialog(CursorHideCounter& cursor, CWnd* parent = nullptr);

    // Whether the "On/Off" box, as of the dialog's last tick, gives the sound to the user's own
    // music: the built-in tune must then be silent.
    bool playsOwnMusic() const { return ownMusicOn; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    CListCtrl& fileList() override { return musicList; }
    void modeChosen(int mode) override { list.playMode = mode; }

    void OnTimer(UINT_PTR id);
    void OnHScroll(UINT code, UINT position, HWND scrollBar);
    void OnAdd();
    void OnRemove();
    void OnRemoveAll();
    void OnPlay();
    void OnStop() { stopPlayback(); }
    void OnOnOff();
    void OnListClick(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void load();

    // Opens the track the play mode picks next (skipping files that cannot be played); false
    // when none could be opened, and the list stops.
    bool selectTrack(bool explicitSelection);
    bool openTrack(int index);
    void startPlayback();
    void stopPlayback();
    void enableEditing(bool enable);

    HighlightListCtrl musicList;
    SkinnedSlider volumeSlider;
    CSliderCtrl positionSlider;
    MciMusicWindow player;
    MusicPlaylist list;
    int listVolume = 0;
    long position = 0;
    bool ownMusicOn = true;  // the box as the last tick (or the list's load) found it
};
