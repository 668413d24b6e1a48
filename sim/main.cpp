// vil3k-sim: a simulated ВИЛ-3K device on a pseudo-terminal.

#include "sim/SimOptions.h"
#include "sim/SimulatedDevice.h"
#include "ui/cli/CommandLine.h"

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <string>
#include <thread>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void OnStopSignal(int) {
    stopRequested = 1;
}

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

SimClock LocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_sec, t.tm_min, t.tm_hour, t.tm_mday, t.tm_mon + 1};
}

// Writes the answer as a line of the given speed would carry it: 11 bits a byte.
void WriteAnswer(int fd, const std::vector<std::uint8_t>& bytes, int baud) {
    if (baud <= 0) {
        if (::write(fd, bytes.data(), bytes.size()) < 0)
            std::perror("vil3k-sim: write");
        return;
    }
    const auto byteTime = std::chrono::nanoseconds(11'000'000'000LL / baud);
    auto next = std::chrono::steady_clock::now();
    for (std::uint8_t b : bytes) {
        next += byteTime;
        std::this_thread::sleep_until(next);
        if (::write(fd, &b, 1) < 0) {
            std::perror("vil3k-sim: write");
            return;
        }
    }
}

void WriteDump(const std::string& path, const SimulatedDevice& device) {
    const std::string temporary = path + ".tmp";
    const std::vector<std::uint8_t> dump = SimDump(device);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(dump.data()),
                   static_cast<std::streamsize>(dump.size()));
    }
    std::rename(temporary.c_str(), path.c_str());
}

void AppendLog(const std::string& path, const std::uint8_t* bytes, ssize_t count) {
    if (path.empty())
        return;
    std::ofstream file(path, std::ios::binary | std::ios::app);
    file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
}

// Every device on the line hears every request; only the one addressed answers.
void Serve(int master, std::vector<SimulatedDevice>& devices, const SimOptions& options) {
    constexpr int kFrameGapMs = 50;
    std::int64_t lastActivity = NowMs();
    std::uint8_t buffer[512];
    while (!stopRequested) {
        pollfd pfd{master, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, kFrameGapMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0) {
            for (SimulatedDevice& device : devices)
                device.dropPartial();
            if (NowMs() - lastActivity > options.idleTimeoutS * 1000LL)
                break;
            continue;
        }
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) {
            // No client on the other side yet (or any more).
            std::this_thread::sleep_for(std::chrono::milliseconds(kFrameGapMs));
            continue;
        }
        lastActivity = NowMs();
        AppendLog(options.logPath, buffer, n);
        for (SimulatedDevice& device : devices) {
            const int writesBefore = device.imageWrites;
            for (const SimReply& reply :
                 device.receive(buffer, static_cast<int>(n), lastActivity)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(reply.delayMs));
                WriteAnswer(master, reply.bytes, options.baud);
            }
            if (device.imageWrites != writesBefore && !options.dumpPath.empty())
                WriteDump(options.dumpPath, device);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions({argv + 1, argv + argc}, options, error)) {
        std::fprintf(stderr, "vil3k-sim: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("vil3k-sim %s\n", CommandLine::Version());
        return 0;
    }
    std::vector<SimulatedDevice> devices;
    if (!BuildSimDevices(options, devices, error)) {
        std::fprintf(stderr, "vil3k-sim: %s\n", error.c_str());
        return 1;
    }
    for (SimulatedDevice& device : devices)
        device.setClock(LocalTime(), NowMs());
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    int master = -1, slave = -1;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (::openpty(&master, &slave, name, &raw, nullptr) != 0) {
        std::perror("vil3k-sim: openpty");
        return 1;
    }
    if (!options.linkPath.empty()) {
        ::unlink(options.linkPath.c_str());
        if (::symlink(name, options.linkPath.c_str()) != 0)
            std::perror("vil3k-sim: symlink");
    }
    // The path goes out last: whoever reads it may use the link at once.
    std::printf("%s\n", name);
    std::fflush(stdout);

    Serve(master, devices, options);

    for (const SimulatedDevice& device : devices)
        if (device.chaos)
            std::fprintf(stderr, "vil3k-sim: chaos at %d: %s\n", device.address,
                         device.chaos->report().c_str());
    if (!options.linkPath.empty())
        ::unlink(options.linkPath.c_str());
    ::close(slave);
    ::close(master);
    return 0;
}
