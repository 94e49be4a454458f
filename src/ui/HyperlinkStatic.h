// A static text that is a web link: underlined, blue (purple once opened, the highlight colour
// while the pointer is over it), a hand cursor and a tooltip with the address, and a click that
// opens the address in the user's web browser.
#pragma once

#include "framework/Controls.h"

#include <string>

// How a link is opened; each step answers like ShellExecute, above 32 for success. The link tries
// the steps in order until one succeeds; tests give it their own.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // The shell's own handler for the address.
    virtual int openAddress(const std::string& address) = 0;
    // A named program given the address (quoted) as its parameter.
    virtual int openWithProgram(const char* program, const std::string& quotedAddress) = 0;
    // The registered handler of web pages: its command line, without the place for the file.
    virtual bool webPageCommand(std::string& command) = 0;
    virtual int runCommand(const std::string& commandLine) = 0;
};

// The opener that asks Windows.
LinkOpener& systemLinkOpener();

class HyperlinkStatic : public CStatic {
public:
    explicit HyperlinkStatic(LinkOpener& opener = systemLinkOpener());
    ~HyperlinkStatic() override;
    HyperlinkStatic(const HyperlinkStatic&) = delete;
    HyperlinkStatic& operator=(const HyperlinkStatic&) = delete;

    // Opens the address and returns the result of the step that answered last: the shell's
    // handler for the address first, then the browser by name, then the registered handler of
    // web pages, the address always quoted. Marks the link visited on success; on failure beeps
    // and names the error.
    int open();
    void SetVisited(bool flag);
    const std::string& address() const { return url; }
    // The colour the text draws in now.
    COLORREF textColor() const;

    // The message shown when a link cannot be opened, for ShellExecute's result `code`.
    static std::string errorText(int code);

    COLORREF linkColor = 0xEE0000;     // not yet opened (blue)
    COLORREF visitedColor = 0x8B1A55;  // opened (purple)
    COLORREF hoverColor;               // under the pointer

protected:
    void PreSubclassWindow() override;
    void OnClicked();
    HBRUSH CtlColor(HDC dc, UINT type);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    void OnMouseMove(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void adjustToFit();

    LinkOpener& opener;
    int over = 0;        // the pointer is over the link (the mouse is captured)
    int visited = 0;     // the last open succeeded
    int underline = 1;
    int adjustToFitText = 1;  // the control shrinks to its text when bound
    std::string url;     // the address; the window text when none is given
    HFONT font = nullptr;  // the dialog's font, underlined
    HCURSOR linkCursor = nullptr;
    CToolTipCtrl tooltip;
};
