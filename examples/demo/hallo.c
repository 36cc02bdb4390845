/* The program behind the demo medium's "Grußprogramm" button: it only shows
   that the menu started it. */
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    MessageBoxW(NULL, L"Hallo! Das Menü des Demo-Mediums hat dieses Programm gestartet.", L"Velmo Verlag", MB_OK);
    return 0;
}
