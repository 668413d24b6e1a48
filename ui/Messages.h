#pragma once

#include <string>

// Every message box of the program goes through this seam, so that the logic
// that decides which box to show is tested without a window.

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Yes, No, Retry, Cancel };

struct MessageBox {
    std::string text;    // UTF-8, exactly as shown
    std::string caption; // UTF-8
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultButton = Answer::Ok;
};

class Messages {
public:
    virtual ~Messages() = default;
    virtual Answer show(const MessageBox& box) = 0;
    virtual void beep() = 0;
};
