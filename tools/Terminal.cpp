#include "tools/Terminal.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace {

void Prompt(const char* prompt) {
    std::fprintf(stderr, "%s ", prompt);
    std::fflush(stderr);
}

} // namespace

#ifdef _WIN32

// Output keeps its line ends as on Linux ("\n", not "\r\n"), so that listings and JSON are
// the same bytes on both.
void PrepareTerminal() {
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode);
}

// Read as UTF-16 from the console itself, so that any character typed arrives whole.
std::string ReadUnechoedLine(const char* prompt) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD saved = 0;
    if (!GetConsoleMode(input, &saved))
        return {};
    SetConsoleMode(input, saved & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    Prompt(prompt);
    std::wstring typed;
    wchar_t c = 0;
    DWORD got = 0;
    while (ReadConsoleW(input, &c, 1, &got, nullptr) && got == 1 && c != L'\n')
        if (c != L'\r')
            typed += c;
    SetConsoleMode(input, saved);
    std::fprintf(stderr, "\n");
    std::string utf8(typed.size() * 3, '\0');
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, typed.data(), static_cast<int>(typed.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(size > 0 ? size : 0));
    return utf8;
}

#else

void PrepareTerminal() {}

bool StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO);
}

std::string ReadUnechoedLine(const char* prompt) {
    std::string typed;
    if (!isatty(STDIN_FILENO))
        return typed;
    termios saved{};
    tcgetattr(STDIN_FILENO, &saved);
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    Prompt(prompt);
    std::getline(std::cin, typed);
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    std::fprintf(stderr, "\n");
    return typed;
}

#endif
