// Unit1: the main window TForm1.
//
// A tab control with two pages fills the window. Each page has a button strip along its top and a
// text box below it that the page's report appends to: "Querying Devices" lists the mixer devices'
// capabilities, "TabSheet2" reads the speaker volumes. The Version button belongs to the window
// itself and lies above whichever page is shown.
//
// The layout is the one designed in pixels at 96 DPI, scaled for the DPI of the monitor the
// window is on, and laid out again when the window moves to a monitor of another DPI.
#pragma once

#include <windows.h>

#include <string>

#include "app/FormFont.h"
#include "platform/BaseWindow.h"
#include "platform/Dpi.h"
#include "platform/WinHandles.h"

class TForm1 : public BaseWindow<TForm1> {
public:
    /// Creates the window and its controls, hidden; throws TError on failure.
    TForm1();
    ~TForm1();

    void Show(int CmdShow);

    /// Keyboard navigation the window does itself, called for every message of the loop before it
    /// is translated: Tab and Shift+Tab move through the tab order, Ctrl+Tab and Ctrl+Shift+Tab
    /// turn the pages. True when the message was used up.
    bool TranslateNavigationKey(const MSG& Message);

    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam);

    // The controls, in declaration order; each is a real child window carrying its text.
    HWND PageControl1 = nullptr;
    HWND TabSheet1 = nullptr;
    HWND Panel1 = nullptr;
    HWND BtnmixerGetDevCaps = nullptr;
    HWND Memo1 = nullptr;
    HWND BtnVersion = nullptr;
    HWND TabSheet2 = nullptr;
    HWND Panel2 = nullptr;
    HWND Button1 = nullptr;
    HWND Memo2 = nullptr;
    HWND Label1 = nullptr;

    void BtnmixerGetDevCapsClick(HWND Sender);
    void BtnVersionClick(HWND Sender);
    void Button1Click(HWND Sender);

private:
    void FormCreate();
    void CreateControls();
    void FillPage(int Index);
    void LayOutPage(HWND Sheet);
    void FormResize();
    void FitFrameToDpi();
    void DpiChanged(UINT Dpi, const RECT& Suggested);
    UniqueFont MakeFormFont() const;
    void ButtonClick(HWND Sender);
    void ShowActivePage();
    void SelectPage(int Index);
    void FocusNextControl(bool Backward);
    HWND ActivePage() const;

    UINT m_dpi = ScreenDpi();        // the DPI the window is laid out for
    TFontChoice m_face;              // the font's face, chosen once
    UniqueFont m_font;               // the face at the size for m_dpi
    SIZE m_laidOut = {-1, -1};       // the client size the controls were last laid out for
    HWND m_focusedControl = nullptr; // given back the focus when the window is activated again
};
