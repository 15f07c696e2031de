// The information window TInfoForm of unit Info: the program's icon, name, description and
// version, the running Windows, nine live status lines and a few links. Shown modally by the main
// window's Version button; any key closes it.
//
// Designed in pixels at 96 DPI; laid out for the DPI of the monitor it is on, and again when it
// moves to a monitor of another DPI.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "info/InfoPlatform.h"
#include "info/Status.h"
#include "platform/BaseWindow.h"
#include "platform/Dpi.h"
#include "platform/WinHandles.h"

class TInfoForm : public BaseWindow<TInfoForm> {
public:
    /// Creates the window, owned by Owner, and fills it (FormCreate); it is not shown yet.
    explicit TInfoForm(HWND Owner);
    ~TInfoForm();

    /// Shows the window and runs its modal loop: the owner takes no input until the window is
    /// closed by a key or the close box.
    void ShowModal();

    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam);

    // The controls, in declaration order; every label is a real child window carrying its text.
    HWND PnlBack = nullptr;
    HWND AppIcon = nullptr;
    HWND LblExeName = nullptr;
    HWND lblComment = nullptr;
    HWND LblOsVersion = nullptr;
    HWND LblPhys = nullptr;
    HWND LblExeVersion = nullptr;
    HWND lblURL = nullptr;
    HWND lblMail = nullptr;
    HWND LblLaunchOnStartup = nullptr;
    HWND LblOpenStartup = nullptr;
    HWND LblLaunchOnDesktop = nullptr;
    HWND LblOpenFolderIn = nullptr;
    HWND LblLaunchOnSendTo = nullptr;
    HWND LblOpenSendTo = nullptr;
    HWND Label1 = nullptr;
    HWND LblFileDescription = nullptr;
    HWND Label2 = nullptr;
    HWND Label3 = nullptr;
    HWND LblPageFile = nullptr;
    HWND LblVirtual = nullptr;
    HWND LblWorkingSetSize = nullptr;
    HWND LblPageFaultCount = nullptr;
    HWND LblPagefileUsage = nullptr;
    HWND LblPagedPoolUsage = nullptr;
    HWND LblNonPagedPoolUsage = nullptr;
    static constexpr UINT_PTR Timer1 = 1;
    HWND LblProcessTime = nullptr;

    void FormCreate();
    void lblURLClick(HWND Sender);
    void lblMailClick(HWND Sender);
    void FormKeyDown(WORD Key);
    void FormPaint();
    void LblExeNameClick(HWND Sender);
    void LblLaunchOnStartupClick(HWND Sender);
    void LblOpenStartupClick(HWND Sender);
    void Label1Click(HWND Sender);
    void UpdateStatus();
    void Timer1Timer();

    /// One refresh as the timer makes it, with Queries as the system: the nine status lines, each
    /// label given new text only when its line changed, then the labels, panel and window fitted
    /// again if any did. (The status benchmark drives it with queries of its own.)
    void RefreshStatus(IStatusQueries& Queries);

private:
    void CreateControls();
    std::vector<UniqueFont> MakeFonts() const;
    void ApplyDpi();
    void DpiChanged(UINT Dpi, const RECT& Suggested);
    void AutoSize();
    // Writes the nine lines from Queries; true when a label changed size.
    bool WriteStatusLines(IStatusQueries& Queries);
    // Fits Label to its text; true when its size changed.
    bool FitLabel(HWND Label);
    void FitPanelAndWindow();
    void LabelClick(HWND Sender);
    LRESULT LabelColors(HDC Context, HWND Label);
    bool IsOwnKey(const MSG& Message) const;

    HWND m_owner;
    UINT m_dpi = kDesignDpi;         // the DPI the window is laid out for
    std::vector<UniqueFont> m_fonts; // for m_dpi, in the order of the design's fonts
    UniqueMemoryDC m_measuring;      // where the labels' texts are measured
    std::array<std::string, kStatusLineCount> m_statusLines; // as the labels show them (UTF-8)
    bool m_closed = false; // the modal loop's end: a key or the close box
};

/// Shows a fresh information window, owned by Owner, modally and destroys it when it closes. While
/// one is shown, a further call brings that one forward and returns.
void ShowInfoForm(HWND Owner);
