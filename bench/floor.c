/* The floor of the start-up figures: the least a Windows program can do to put
   a message box on the screen. It shows the same text, caption and icon as the
   message the benchmark asks brevant.exe to show. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    MessageBoxA(NULL, "Bench", "Information", MB_OK | MB_ICONINFORMATION);
    return 0;
}
