// What the Win32 layer needs of the system besides the window: text for the
// wide-character interfaces, the folder of the executable, the console of a
// headless run, and message boxes.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace game::win {

// 8-bit text (the games' titles and messages, in the system's code page) as UTF-16.
std::wstring Widen(std::string_view text);

std::filesystem::path ExecutableFolder();

// Connects the standard streams to the console of the program that started
// this one when they lead nowhere (a window program started from a console);
// streams redirected to files or pipes stay as they are.
void ConnectParentConsole();

// Writes "title: text" on the error output and, unless `headless`, shows the message in a box.
void ReportMessage(const std::string& title, const std::string& text, bool headless, HWND owner = nullptr);

}  // namespace game::win
