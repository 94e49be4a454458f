// The custom music dialog: the user's own list of music files, how it plays, and its volume.
// Modeless and created hidden with the view, it lives as long as the view: hiding it changes
// nothing in the playback, which its timer keeps going. Its "On/Off" box decides whether the
// user's music or the built-in tune plays.
#pragma once

#include "framework/Dialog.h"
#include "media/MciMusicWindow.h"
#include "ui/HighlightListCtrl.h"
#include "ui/IconCheckBox.h"
#include "ui/MediaListKeys.h"
#include "ui/MusicPlaylist.h"
#include "ui/SkinnedSlider.h"

class CustomMusicDialog : public CDialog {
public:
    explicit CustomMusicDialog(CWnd* parent = nullptr);

    const MusicPlaylist& playlist() const { return list; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override {}
    void OnCancel() override;

    void OnTimer(UINT_PTR id);
    void OnClose();
    void OnHScroll(UINT code, UINT position, HWND scrollBar);
    void OnAdd();
    void OnRemove();
    void OnRemoveAll();
    void OnPlay();
    void OnStop() { stopPlayback(); }
    void OnOnOff();
    void OnModeBox(UINT id);
    void OnListClick(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void load();
    void save();
    MediaListState shownState();
    void applyMode(int mode);

    // Opens the track the play mode picks next (skipping files that cannot be played); false
    // when none could be opened, and the list stops.
    bool selectTrack(bool explicitSelection);
    bool openTrack(int index);
    void startPlayback();
    void stopPlayback();
    void enableEditing(bool enable);
    void markCurrentRow();

    IconCheckBox onOffBox, repeatOneBox, repeatAllBox, randomBox;
    HighlightListCtrl fileList;
    SkinnedSlider volumeSlider;
    CSliderCtrl positionSlider;
    MciMusicWindow player;
    MusicPlaylist list;
    int listVolume = 0;
    long position = 0;
    MediaListState savedState;  // what the file holds, to write only what changed
};
