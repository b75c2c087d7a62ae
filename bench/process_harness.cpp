// Times and weighs whole processes: the program's benchmark build against the bare Qt window,
// both measured the same way. Each child gets a pipe as file descriptor 3 (ZELVORIA_PROBE_FD=3)
// on which its probe writes lines; the harness notes when each line arrives, counted from just
// before fork(), and the child's peak resident memory (ru_maxrss) from wait4().
//
//   bench_process startup <runs> <program> <yardstick>
//       process start to the first painted frame, runs of the two alternating; each child is
//       killed once it has reported its first frame
//   bench_process road <runs> <program> <yardstick> [virtual|system]
//       the program drives itself along the whole road (see RoadProbe.cpp); the yardstick shows
//       its window and ends after the first paint. Peak memory of both, the longest event-loop
//       wait of every step, and the time from the Exit click to the process being gone.
// Prints numbers only; nothing passes or fails.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Line {
    std::string text;
    double atMs;
};

struct Run {
    std::vector<Line> lines;
    double endMs = -1;  // the child reaped
    long maxRssKiB = 0; // ru_maxrss
    int status = 0;
};

// Runs `program` with the extra environment `extra`; kills it once it writes `killAt` (if given).
Run runChild(const std::string& program, const std::vector<std::string>& extra, const char* killAt,
             int timeoutMs) {
    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e)
        envText.emplace_back(*e);
    envText.emplace_back("ZELVORIA_PROBE_FD=3");
    envText.insert(envText.end(), extra.begin(), extra.end());
    std::vector<char*> envp;
    for (auto& e : envText)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        std::exit(2);
    }
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 3); // dup2 clears close-on-exec on the copy
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 1);
        dup2(devNull, 2);
        execve(path.c_str(), argv, envp.data());
        _exit(127);
    }
    close(fds[1]);

    Run run;
    std::string pending;
    bool open = true;
    while (open) {
        pollfd p{fds[0], POLLIN, 0};
        const int remaining = timeoutMs - static_cast<int>(msBetween(start, Clock::now()));
        if (remaining <= 0 || poll(&p, 1, remaining) <= 0) {
            std::fprintf(stderr, "%s: no answer in time, killed\n", program.c_str());
            kill(pid, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        const double at = msBetween(start, Clock::now());
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t nl; (nl = pending.find('\n')) != std::string::npos; pending.erase(0, nl + 1)) {
            run.lines.push_back({pending.substr(0, nl), at});
            if (killAt && run.lines.back().text == killAt) {
                kill(pid, SIGKILL);
                open = false;
            }
        }
    }
    close(fds[0]);
    rusage usage{};
    while (wait4(pid, &run.status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.endMs = msBetween(start, Clock::now());
    run.maxRssKiB = usage.ru_maxrss;
    return run;
}

const Line* find(const Run& run, const std::string& prefix) {
    for (const Line& line : run.lines)
        if (line.text.compare(0, prefix.size(), prefix) == 0)
            return &line;
    return nullptr;
}

double median(std::vector<double> v) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double minOf(const std::vector<double>& v) { return v.empty() ? -1 : *std::min_element(v.begin(), v.end()); }
double maxOf(const std::vector<double>& v) { return v.empty() ? -1 : *std::max_element(v.begin(), v.end()); }

double firstFrameMs(const std::string& program) {
    const Run run = runChild(program, {}, "first-frame", 20000);
    const Line* frame = find(run, "first-frame");
    return frame ? frame->atMs : -1;
}

int startup(int runs, const std::string& program, const std::string& yardstick) {
    for (int i = 0; i < 2; ++i) { // warm the file cache and the display server
        firstFrameMs(program);
        firstFrameMs(yardstick);
    }
    std::vector<double> subject, bare;
    for (int i = 0; i < runs; ++i) {
        const double a = firstFrameMs(program);
        const double b = firstFrameMs(yardstick);
        if (a >= 0)
            subject.push_back(a);
        if (b >= 0)
            bare.push_back(b);
    }
    std::printf("start-up to the first painted frame, %d runs each (alternating)\n", runs);
    std::printf("  %-28s median %7.1f ms   min %7.1f   max %7.1f\n", "zelvoria (splash)", median(subject),
                minOf(subject), maxOf(subject));
    std::printf("  %-28s median %7.1f ms   min %7.1f   max %7.1f\n", "bare Qt window, one line", median(bare),
                minOf(bare), maxOf(bare));
    std::printf("  ratio of the medians        %7.2f   (target: at most 1.15)\n", median(subject) / median(bare));
    return 0;
}

int road(int runs, const std::string& program, const std::string& yardstick, const std::string& music) {
    std::vector<double> programRss, bareRss, exitMs, peakKiB;
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> gaps, cpus, rss;
    std::map<std::string, std::string> memoryOfFirstRun;
    std::vector<std::string> notes;
    for (int i = 0; i < runs; ++i) {
        const Run bare = runChild(yardstick, {"ZELVORIA_PROBE_QUIT=1"}, nullptr, 20000);
        bareRss.push_back(static_cast<double>(bare.maxRssKiB) / 1024.0);
        const Run run = runChild(program, {"ZELVORIA_PROBE_ROAD=1", "ZELVORIA_PROBE_MUSIC=" + music}, nullptr, 60000);
        programRss.push_back(static_cast<double>(run.maxRssKiB) / 1024.0);
        for (const Line& line : run.lines) {
            if (line.text.rfind("step ", 0) == 0) {
                const size_t gapAt = line.text.rfind(" gap=");
                const std::string name = line.text.substr(5, gapAt - 5);
                if (!gaps.count(name))
                    order.push_back(name);
                gaps[name].push_back(std::atof(line.text.c_str() + gapAt + 5));
                const size_t cpuAt = line.text.find(" cpu=");
                if (cpuAt != std::string::npos)
                    cpus[name].push_back(std::atof(line.text.c_str() + cpuAt + 5));
                const size_t rssAt = line.text.find(" rss=");
                if (rssAt != std::string::npos) {
                    rss[name].push_back(std::atof(line.text.c_str() + rssAt + 5) / 1024.0);
                    if (i == 0)
                        memoryOfFirstRun[name] = line.text.substr(rssAt + 1);
                }
            } else if (line.text.rfind("peak-kib ", 0) == 0) {
                peakKiB.push_back(std::atof(line.text.c_str() + 9));
            } else if (line.text == "exit") {
                exitMs.push_back(run.endMs - line.atMs);
            } else if (i == 0) {
                notes.push_back(line.text);
            }
        }
        if (!find(run, "exit"))
            std::printf("  run %d did not reach the Exit (status %d)\n", i + 1, run.status);
    }
    std::printf("the whole road, splash to love analysis and Exit, music output: %s, %d runs\n", music.c_str(), runs);
    for (const std::string& note : notes)
        std::printf("  %s\n", note.c_str());
    std::printf("  longest event-loop wait per step, ms (target: none above 16): wall clock median / worst of\n"
                "  %d runs; then the longest CPU time the thread itself spent between two heartbeats, median /\n"
                "  worst; then the resident memory at the end of the step, MiB (median)\n", runs);
    double worst = 0, worstCpu = 0;
    for (const std::string& name : order) {
        const auto& v = gaps[name];
        const bool idle = name.rfind("idle", 0) == 0;
        worst = std::max(worst, idle ? 0.0 : maxOf(v));
        worstCpu = std::max(worstCpu, idle ? 0.0 : maxOf(cpus[name]));
        std::printf("    %-52s %7.2f / %7.2f   cpu %6.2f / %6.2f   rss %6.1f\n", name.c_str(), median(v), maxOf(v),
                    median(cpus[name]), maxOf(cpus[name]), median(rss[name]));
    }
    std::printf("    %-52s %7.2f / %7.2f\n", "Exit: the click to the process gone", median(exitMs), maxOf(exitMs));
    worst = std::max(worst, maxOf(exitMs));
    std::printf("  worst wait of any step but the idle baseline      %7.2f ms (CPU of the thread: %.2f ms)\n", worst,
                worstCpu);
    std::printf("  memory by kind at each step of the first run (KiB, from /proc/self/status)\n");
    for (const std::string& name : order)
        std::printf("    %-52s %s\n", name.c_str(), memoryOfFirstRun[name].c_str());
    const double extra = median(programRss) - median(bareRss);
    std::printf("  peak resident memory (ru_maxrss, median)\n");
    std::printf("    %-52s %7.1f MiB\n", "zelvoria, whole road", median(programRss));
    std::printf("    %-52s %7.1f MiB\n", "bare Qt window, one line", median(bareRss));
    std::printf("    %-52s %7.1f MiB   (target: at most 32)\n", "difference", extra);
    std::printf("    %-52s %7.1f MiB\n", "zelvoria VmHWM just before Exit (median)", median(peakKiB) / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc >= 5 && mode == "startup")
        return startup(std::atoi(argv[2]), argv[3], argv[4]);
    if (argc >= 5 && mode == "road")
        return road(std::atoi(argv[2]), argv[3], argv[4], argc > 5 ? argv[5] : "virtual");
    std::fprintf(stderr, "usage: bench_process startup|road <runs> <program> <yardstick> [virtual|system]\n");
    return 2;
}
