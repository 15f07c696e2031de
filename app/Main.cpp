// Program entry: create the main window and run the message loop until it is closed.
// The command line is not read.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "app/Unit1.h"
#include "info/Info.h"

namespace {

int RunMessageLoop(TForm1& Form)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (Form.TranslateNavigationKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int CmdShow)
{
    const TInfoUnit info;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        TForm1 form;
        form.Show(CmdShow);
        return RunMessageLoop(form);
    } catch (const std::exception& error) {
        // A main window that failed while being made has asked the loop to quit; the request
        // would close the message box as soon as it opened.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        ShowErrorMessage(nullptr, error.what());
        return 1;
    }
}
