#include <windows.h>

#include <fstream>

// Stands where Windows looks first for an unquoted program path with blanks ("C:\Program.exe"): if it
// runs, a command line lost its quotes. It leaves its command line behind for the test.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::ofstream("C:\\fvtest\\decoy-ran.txt", std::ios::app) << ::GetCommandLineA() << "\n";
    return 0;
}
