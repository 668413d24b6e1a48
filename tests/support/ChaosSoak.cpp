#include "support/ChaosSoak.h"

#include <algorithm>

namespace {

// Endings of the exchange-failure messages ("устройство 1 COM7 ..."), by kind.
const std::pair<const char*, const char*> kFailureEndings[] = {
    {"silent", " не отвечает на запрос"},         {"timeout", " тайм-аут приема данных"},
    {"foreign", " ошибка приема данных "},        {"bad-crc", " ошибка контрольной суммы"},
    {"busy", " Идет запись базы данных. Ждите."}, {"exception", " ошибка обмена 0"},
};

// The operation must end well within this, whatever the line does.
constexpr long long kHangMs = 60000;

} // namespace

void ChaosSoak::Run(int operations) {
    ConfigurationModel& model = session_.model;
    model.AccessLevel = 1;
    for (int n = 0; n < operations; ++n) {
        const long long start = elapsedMs_();
        messages_.answers.clear();
        if (std::uniform_int_distribution<int>(0, 1)(rng_) == 0 || model.SchemeCreated == 0)
            read();
        else
            write();
        const long long took = elapsedMs_() - start;
        tally_.longestMs = std::max(tally_.longestMs, took);
        if (took > kHangMs) {
            ++tally_.hung;
            problem("operation " + std::to_string(n) + " took " + std::to_string(took) + " ms");
        }
    }
}

void ChaosSoak::read() {
    ConfigurationModel& model = session_.model;
    ++tally_.reads;
    const Image before = model.ImageBuffer;
    const auto channels = model.Channels;
    device_.readDevice();
    const std::vector<MessageBox> shown = takeMessages();
    if (shown.empty()) {
        ++tally_.readsLoaded;
        if (model.ImageBuffer != deviceImage_(nullptr)) {
            ++tally_.wrongAccepted;
            problem("a read loaded an image the device does not hold");
        }
        return;
    }
    const std::string kind = FailureKind(shown.back().text);
    ++tally_.failures["read " + (kind.empty() ? "other" : kind)];
    if (shown.size() != 1 || kind.empty())
        problem("a failed read showed: " + shown.back().text);
    if (model.ImageBuffer != before || model.Channels != channels)
        problem("a failed read changed the model");
}

void ChaosSoak::write() {
    ConfigurationModel& model = session_.model;
    ++tally_.writes;
    const Image inDevice = deviceImage_(nullptr);
    model.Channels[0][3] =
        static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 60)(rng_));
    model.Modified = 1;
    // The confirmation query costs a second of pause: asked on one write in eight.
    const bool confirm = std::uniform_int_distribution<int>(0, 7)(rng_) == 0;
    messages_.answers = {confirm ? Answer::Yes : Answer::No};
    device_.writeDevice();
    std::vector<MessageBox> shown = takeMessages();
    std::erase_if(shown, [](const MessageBox& box) { return box.icon == MessageIcon::Question; });
    if (model.Modified == 0) {
        ++tally_.writesDone;
        if (deviceImage_(&model.ImageBuffer) != model.ImageBuffer) {
            ++tally_.lost;
            problem("a write was reported done but the device holds another image");
        }
        for (const MessageBox& box : shown) // only the confirmation may still fail
            ++tally_.failures["confirm " + FailureKind(box.text)];
        return;
    }
    const std::string kind = shown.empty() ? std::string() : FailureKind(shown.back().text);
    ++tally_.failures["write " + (kind.empty() ? "other" : kind)];
    if (shown.size() != 1 || kind.empty())
        problem("a failed write showed " + std::to_string(shown.size()) + " messages");
    if (deviceImage_(nullptr) != inDevice)
        problem("a failed write changed the device");
}

std::string ChaosSoak::FailureKind(const std::string& text) {
    if (!text.starts_with("устройство "))
        return {};
    for (const auto& [kind, ending] : kFailureEndings)
        if (text.find(ending) != std::string::npos)
            return kind;
    return {};
}

void ChaosSoak::problem(const std::string& what) {
    if (tally_.problems.size() < 20)
        tally_.problems.push_back(what);
}

std::vector<MessageBox> ChaosSoak::takeMessages() {
    std::vector<MessageBox> shown;
    shown.swap(messages_.shown);
    return shown;
}

std::string ChaosSoak::Report() const {
    std::string text = "reads " + std::to_string(tally_.reads) + " (loaded " +
                       std::to_string(tally_.readsLoaded) + "), writes " +
                       std::to_string(tally_.writes) + " (done " +
                       std::to_string(tally_.writesDone) + "), wrong images accepted " +
                       std::to_string(tally_.wrongAccepted) + ", writes lost " +
                       std::to_string(tally_.lost) + ", hangs " + std::to_string(tally_.hung) +
                       ", longest operation " + std::to_string(tally_.longestMs) + " ms\n";
    for (const auto& [kind, count] : tally_.failures)
        text += "  " + kind + ": " + std::to_string(count) + "\n";
    return text;
}
