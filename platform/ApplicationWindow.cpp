#include "platform/ApplicationWindow.h"

namespace {

HWND g_applicationWindow = nullptr;

} // namespace

void SetApplicationWindow(HWND Window)
{
    g_applicationWindow = Window;
}

HWND ApplicationWindow()
{
    return g_applicationWindow;
}
