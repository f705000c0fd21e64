#include "tests/win32/driver_input.h"

#include "tests/win32/driver_support.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace tarvola::driver {

namespace {

// What names this run's files in /tmp. Its process id alone does not: drivers run at the same
// time under other Wine servers of the machine are given the same small ids.
const std::string& RunTag()
{
    static const std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(std::random_device {}());
    return tag;
}

} // namespace

void Type(HWND edit, const std::wstring& text)
{
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (wchar_t c : text)
        SendMessageW(edit, WM_CHAR, c, 0);
}

void PressKey(WORD key, int repeats)
{
    std::vector<INPUT> input(static_cast<std::size_t>(repeats) + 2);
    for (INPUT& event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = key;
    }
    input.back().ki.dwFlags = KEYEVENTF_KEYUP;
    Require(SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)) == input.size(), "SendInput takes a key");
}

void PressCharacter(wchar_t character)
{
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wScan = character;
    input[0].ki.dwFlags = KEYEVENTF_UNICODE;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    Require(SendInput(2, input, sizeof(INPUT)) == 2, "SendInput takes a character");
}

void PressChord(WORD modifier, WORD key)
{
    INPUT input[4] = {};
    for (INPUT& event : input)
        event.type = INPUT_KEYBOARD;
    input[0].ki.wVk = modifier;
    input[1].ki.wVk = key;
    input[2].ki.wVk = key;
    input[2].ki.dwFlags = KEYEVENTF_KEYUP;
    input[3].ki.wVk = modifier;
    input[3].ki.dwFlags = KEYEVENTF_KEYUP;
    Require(SendInput(4, input, sizeof(INPUT)) == 4, "SendInput takes a key chord");
}

void SetClipboardText(const std::wstring& text)
{
    Require(WaitFor([] { return OpenClipboard(nullptr) != FALSE; }), "the clipboard opens");
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool set = false;
    if (memory) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!set)
            GlobalFree(memory);
    }
    CloseClipboard();
    Require(set, "the clipboard takes the text");
}

UnixTool g_xCursor {{}, "build the x_cursor target of the host build"};
UnixTool g_xdotool {{}, "install the package xdotool"};

// Runs a Unix tool with its arguments (a /bin/sh command line without double quotes) and waits
// until it has finished. Wine gives no handle to wait on nor an exit status for a Unix program,
// so a shell around it writes the status to a file; a tool that is missing or fails ends the run.
void RunUnix(const UnixTool& unixTool, const std::string& arguments)
{
    const std::string& tool = unixTool.path;
    static int serial = 0;
    const std::string status = "/tmp/tarvola-driver-" + RunTag() + "-"
        + std::to_string(++serial) + ".status";
    std::wstring line = L"Z:\\bin\\sh -c \"'" + Widen(tool) + L"' " + Widen(arguments) + L"; echo $? > " + Widen(status)
        + L".part && mv " + Widen(status) + L".part " + Widen(status) + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    Require(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process),
            "/bin/sh starts (to run " + tool + ")");
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    const std::filesystem::path file("Z:" + status); // Z: is the Unix root
    Require(WaitFor([&] { return std::filesystem::exists(file); }, 10000, 5), tool + " finishes within 10 s");
    int code = -1;
    {
        std::ifstream in {file};
        in >> code;
    }
    std::filesystem::remove(file);
    Require(code != 127, tool + " is missing: " + unixTool.remedy);
    Require(code == 0, tool + " " + arguments + " failed with exit status " + std::to_string(code));
}

void PointAt(POINT screen, const std::string& then)
{
    RunUnix(g_xdotool, "search --name '^TarvolaTest - Wine desktop$' mousemove --window %1 " + std::to_string(screen.x)
                           + " " + std::to_string(screen.y) + (then.empty() ? "" : " " + then));
}

void ClickMenuAbout(HWND main)
{
    POINT client {0, 0};
    ClientToScreen(main, &client);
    // The pointer rests before the click, as a hand's does: a press that comes with the very
    // motion that brought the pointer can reach Wine before the motion does.
    PointAt({client.x + 15, client.y - GetSystemMetrics(SM_CYMENU) / 2}, "sleep 0.1 click 1");
}

std::string XCursor()
{
    const std::string file = "/tmp/tarvola-x-cursor-" + RunTag() + ".txt";
    RunUnix(g_xCursor, file);
    std::string line;
    {
        std::ifstream in {std::filesystem::path("Z:" + file)};
        std::getline(in, line);
    }
    std::filesystem::remove(std::filesystem::path("Z:" + file));
    Require(!line.empty(), "x_cursor wrote the cursor");
    return line;
}

std::string XdotoolMoveTo(POINT screen)
{
    return "mousemove --window %1 " + std::to_string(screen.x) + " " + std::to_string(screen.y);
}

} // namespace tarvola::driver
