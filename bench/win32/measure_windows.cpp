// Measures how long tarvola.exe takes under Wine, inside the virtual desktop the script made,
// from CreateProcess until its main window is visible: the median of 10 starts after one that
// warms Wine's caches. (Wine does not report another process's times or memory; the script
// reads those from Linux.)
// Usage: measure_windows.exe TARVOLA_EXE
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Started {
    PROCESS_INFORMATION process {};
    double milliseconds = -1;
};

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Started Start(const std::wstring& exe)
{
    Started started;
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.lpDesktop = const_cast<wchar_t*>(L"TarvolaTest");
    std::wstring command = L"\"" + exe + L"\"";
    const double begin = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started.process))
        return started;
    for (int waited = 0; waited < 20000; waited += 1) {
        HWND main = FindWindowW(L"TarvolaMain", nullptr);
        if (main && IsWindowVisible(main)) {
            started.milliseconds = Now() - begin;
            break;
        }
        Sleep(1);
    }
    return started;
}

void Stop(Started& started)
{
    HWND main = FindWindowW(L"TarvolaMain", nullptr);
    if (main)
        PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(started.process.hProcess, 1);
    CloseHandle(started.process.hProcess);
    CloseHandle(started.process.hThread);
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 2)
        return 2;
    const std::wstring exe = argv[1];
    HDESK desktop = nullptr;
    for (int tries = 0; !desktop && tries < 750; ++tries, Sleep(20))
        desktop = OpenDesktopW(L"TarvolaTest", 0, FALSE, GENERIC_ALL);
    if (!desktop || !SetThreadDesktop(desktop))
        return 1;

    std::vector<double> starts;
    for (int run = 0; run < 11; ++run) {
        Started started = Start(exe);
        if (run > 0) // the first start warms Wine's caches
            starts.push_back(started.milliseconds);
        Stop(started);
    }
    std::sort(starts.begin(), starts.end());
    std::printf("start to window shown, median of 10: %.1f ms (fastest %.1f, slowest %.1f)\n",
                (starts[4] + starts[5]) / 2, starts.front(), starts.back());
    std::fflush(stdout);

    return 0;
}
