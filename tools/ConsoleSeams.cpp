#include "tools/ConsoleSeams.h"

#include "tools/Terminal.h"

#include <sstream>

namespace {

constexpr int kBarWidth = 31;

void ShowBar(int done, int total) {
    const int filled = done * kBarWidth / total;
    std::fprintf(
        stderr, "\r[%s%s] %d/%d", std::string(static_cast<std::size_t>(filled), '#').c_str(),
        std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(), done, total);
    if (done == total)
        std::fprintf(stderr, "\n");
    std::fflush(stderr);
}

} // namespace

std::function<void(int, int)> TerminalProgressBar() {
    if (StandardErrorIsTerminal())
        return ShowBar;
    return nullptr;
}

void PrintMessage(std::FILE* out, const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        std::fprintf(out, "vil3k-tool: %s\n", line.c_str());
    std::fflush(out);
}

Answer ConsoleMessages::show(const MessageBox& box) {
    if (box.buttons == MessageButtons::YesNo)
        return box.defaultButton;
    PrintMessage(out_, box.text);
    return box.buttons == MessageButtons::RetryCancel ? Answer::Cancel : Answer::Ok;
}
