#include "tools/ConsoleSeams.h"

#include "tools/ToolTexts.h"

Answer ConsoleMessages::show(const MessageBox& box) {
    if (box.buttons == MessageButtons::Ok) {
        if (box.icon == MessageIcon::Warning || box.icon == MessageIcon::Error)
            ++failures_;
        std::fprintf(out_, "%s\n", box.text.c_str());
        return Answer::Ok;
    }
    if (box.buttons == MessageButtons::RetryCancel) {
        ++failures_;
        std::fprintf(out_, "%s\n", box.text.c_str());
        return Answer::Cancel;
    }
    const auto given = answers_.find(box.text);
    const Answer answer = given != answers_.end() ? given->second : box.defaultButton;
    std::fprintf(out_, "%s %s\n", box.text.c_str(),
                 answer == Answer::Yes ? tool_text::kYes : tool_text::kNo);
    return answer;
}

void ConsoleWindow::showExecCode(int first, int second) {
    first_.setText(std::to_string(first));
    second_.setText(std::to_string(second));
}
