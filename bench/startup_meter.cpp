// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures start-up and peak memory from outside: starts a program (under whatever display
// DISPLAY names), waits for the "first-paint <ns>" line its start-up build prints, lets it
// settle, reads its peak resident set and kills it. Alternates the game and the bare window
// run by run and prints the medians and their ratio as `name: value unit` lines.
//
//   startup_meter RUNS GAME BARE
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kFirstPaintTimeoutMs = 20'000;
constexpr int kSettleMs = 500;

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The peak resident set of a running process in KiB (VmHWM), or -1.
long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

struct Sample {
    double startupMs;
    double rssMiB;
};

// Waits for a line "first-paint <ns>" on `fd`; its time, or nothing on timeout or end.
std::optional<long long> awaitFirstPaint(int fd) {
    std::string buffer;
    const long long deadline = monotonicNs() + kFirstPaintTimeoutMs * 1'000'000LL;
    for (;;) {
        const auto newline = buffer.find('\n');
        if (newline != std::string::npos) {
            const std::string line = buffer.substr(0, newline);
            buffer.erase(0, newline + 1);
            if (line.rfind("first-paint ", 0) == 0) return std::atoll(line.c_str() + 12);
            continue;
        }
        const long long left = (deadline - monotonicNs()) / 1'000'000;
        if (left <= 0) return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) return std::nullopt;
        char chunk[256];
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0) return std::nullopt;
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

std::optional<Sample> measure(const char* program) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    const long long started = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    const std::optional<long long> painted = awaitFirstPaint(out[0]);
    std::optional<Sample> sample;
    if (painted) {
        usleep(kSettleMs * 1000);
        const long kib = peakResidentKiB(pid);
        if (kib > 0) sample = Sample{(*painted - started) / 1e6, kib / 1024.0};
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(out[0]);
    if (!sample) std::fprintf(stderr, "startup_meter: %s showed no first paint\n", program);
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_meter RUNS GAME BARE\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* game = argv[2];
    const char* bare = argv[3];

    // One untimed start of each first, so that every timed run finds the same warm caches.
    if (!measure(game) || !measure(bare)) return 1;

    std::vector<double> gameMs, bareMs, gameMiB, bareMiB;
    for (int run = 0; run < runs; ++run) {
        const auto g = measure(game);
        const auto b = measure(bare);
        if (!g || !b) return 1;
        gameMs.push_back(g->startupMs);
        gameMiB.push_back(g->rssMiB);
        bareMs.push_back(b->startupMs);
        bareMiB.push_back(b->rssMiB);
    }
    const double startup = median(gameMs), startupBare = median(bareMs);
    const double rss = median(gameMiB), rssBare = median(bareMiB);
    std::printf("startup_ms: %.1f ms\n", startup);
    std::printf("startup_bare_ms: %.1f ms\n", startupBare);
    std::printf("startup_ratio: %.3f x\n", startup / startupBare);
    std::printf("rss_mib: %.2f MiB\n", rss);
    std::printf("rss_bare_mib: %.2f MiB\n", rssBare);
    std::printf("rss_over_bare_mib: %.2f MiB\n", rss - rssBare);
    return 0;
}
