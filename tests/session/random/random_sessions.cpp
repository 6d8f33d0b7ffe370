// random-sessions: seeded random sessions of the program's core with invariants checked after
// every line (see session_invariants.h). Each session runs in a child process, in a fresh folder
// holding the shipped data files, so a crash or a hang is caught like any other failure. A
// failing session is shrunk by delta debugging to a short script that fails the same way and
// printed, ready to be kept in tests/session/ (quorvel-tool session runs it).
//
//   random-sessions [--sequences N] [--seconds T] [--steps S] [--seed FIRST]
//   random-sessions --replay SCRIPT
//
// Runs sessions with seeds FIRST, FIRST+1, ... until N have run (0: no limit) or T seconds have
// passed, S random lines each; then prints how many sessions and steps ran. Exit status 1 when
// any failed. --replay runs one script with the same checks.

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "application/session/script_session.h"
#include "session/random/random_actions.h"
#include "session/random/session_invariants.h"
#include "storage/data_location.h"
#include "storage/shipped_files.h"

namespace quorvel {

namespace {

namespace fs = std::filesystem;

// A line that takes longer than this (processor time, so that a busy machine does not count)
// is a failure; sanitizer builds run several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kStepLimitSeconds = 16;
#else
constexpr double kStepLimitSeconds = 2;
#endif
// A child that reports nothing for this long (wall time) hangs and is stopped.
constexpr int kHangMs = 60'000;

using LineChooser = std::function<std::optional<std::string>(ScriptSession&)>;

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

fs::path sessionFolder(pid_t child) {
    const fs::path memory = "/dev/shm";
    const fs::path base = fs::is_directory(memory) ? memory : fs::temp_directory_path();
    return base / ("quorvel-random-session-" + std::to_string(child));
}

// In the child: runs the session, writing "L line" before each line, "B kind<TAB>detail" for a
// broken invariant and "E" at the end to `out`.
void runChild(const LineChooser& choose, std::FILE* out) {
    const fs::path folder = sessionFolder(getpid());
    fs::create_directories(folder);
    seedMissingDataFiles(shippedDataFolder(executableFolder()), folder);
    std::ostringstream dumps;
    ScriptSession session(folder, dumps);
    SessionInvariants invariants(folder);
    std::optional<Breach> breach;
    double started = 0;
    const auto lines = [&]() -> std::optional<std::string> {
        if (started > 0 && processSeconds() - started > kStepLimitSeconds) {
            breach = Breach{"slow step", "over " + std::to_string(kStepLimitSeconds) + " s"};
        }
        if (!breach) breach = invariants.check(session);
        if (breach) return std::nullopt;
        std::optional<std::string> line = choose(session);
        if (!line) return std::nullopt;
        invariants.beforeLine(session, *line);
        std::fprintf(out, "L %s\n", line->c_str());
        std::fflush(out);
        started = processSeconds();
        return line;
    };
    const std::optional<ScriptError> error = session.run(lines);
    if (!breach && error) breach = Breach{error->what, "line " + std::to_string(error->line)};
    if (breach) std::fprintf(out, "B %s\t%s\n", breach->kind.c_str(), breach->detail.c_str());
    std::fprintf(out, "E\n");
    std::fflush(out);
    fs::remove_all(folder);
}

struct Outcome {
    std::vector<std::string> lines;
    std::optional<Breach> breach;
};

// Runs a session in a child process and reads what it reported.
Outcome runIsolated(const LineChooser& choose) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
    std::cout.flush();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        std::FILE* out = fdopen(pipeEnds[1], "w");
        runChild(choose, out);
        std::fclose(out);
        _exit(0);
    }
    close(pipeEnds[1]);
    Outcome outcome;
    bool ended = false;
    bool hung = false;
    std::string pending;
    for (;;) {
        pollfd ready{pipeEnds[0], POLLIN, 0};
        if (poll(&ready, 1, kHangMs) == 0) {
            hung = true;
            kill(child, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) break;
        pending.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string report = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (report.starts_with("L ")) {
                outcome.lines.push_back(report.substr(2));
            } else if (report.starts_with("B ")) {
                const auto tab = report.find('\t');
                outcome.breach = Breach{report.substr(2, tab - 2), report.substr(tab + 1)};
            } else if (report == "E") {
                ended = true;
            }
        }
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    fs::remove_all(sessionFolder(child));
    const std::string last = outcome.lines.empty() ? "start" : outcome.lines.back();
    if (hung) {
        outcome.breach = Breach{"hang", "no progress for a minute after \"" + last + "\""};
    } else if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const int signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        outcome.breach =
            Breach{"crash", "signal " + std::to_string(signal) + " after \"" + last + "\""};
    }
    return outcome;
}

Outcome replay(const std::vector<std::string>& lines) {
    std::size_t next = 0;
    return runIsolated([&](ScriptSession&) -> std::optional<std::string> {
        if (next == lines.size()) return std::nullopt;
        return lines[next++];
    });
}

// Delta debugging: drops ever smaller runs of lines while the script still breaks the same
// invariant.
std::vector<std::string> shrink(std::vector<std::string> lines, const std::string& kind) {
    const auto stillFails = [&kind](const std::vector<std::string>& candidate) {
        const Outcome outcome = replay(candidate);
        return outcome.breach && outcome.breach->kind == kind;
    };
    std::size_t parts = 2;
    while (lines.size() >= 2) {
        const std::size_t chunk = (lines.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < lines.size() && !reduced; start += chunk) {
            std::vector<std::string> candidate(lines.begin(), lines.begin() + start);
            candidate.insert(candidate.end(), lines.begin() + std::min(lines.size(), start + chunk),
                             lines.end());
            if (stillFails(candidate)) {
                lines = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
            }
        }
        if (reduced) continue;
        if (parts >= lines.size()) break;
        parts = std::min(lines.size(), parts * 2);
    }
    return lines;
}

void printScript(const Breach& breach, const std::vector<std::string>& lines) {
    std::cout << "# " << breach.kind << ": " << breach.detail << '\n';
    for (const std::string& line : lines)
        std::cout << line << '\n';
}

struct Options {
    long sequences = 50;
    double seconds = 60;
    int steps = 200;
    std::uint64_t seed = 1;
    std::string replay;
};

int runRandomSessions(const Options& options) {
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    long sequences = 0;
    long steps = 0;
    std::set<std::string> failedKinds;
    for (std::uint64_t seed = options.seed;
         (options.sequences == 0 || sequences < options.sequences) && elapsed() < options.seconds;
         ++seed) {
        RandomActions actions(seed, options.steps);
        const Outcome outcome =
            runIsolated([&actions](ScriptSession& session) { return actions.next(session); });
        ++sequences;
        steps += static_cast<long>(outcome.lines.size());
        if (!outcome.breach || !failedKinds.insert(outcome.breach->kind).second) continue;
        std::cout << "seed " << seed << " fails after " << outcome.lines.size()
                  << " lines: " << outcome.breach->kind << ": " << outcome.breach->detail << '\n';
        const std::vector<std::string> shrunk = shrink(outcome.lines, outcome.breach->kind);
        const Outcome again = replay(shrunk);
        std::cout << "shrunk to " << shrunk.size() << " lines:\n";
        printScript(again.breach.value_or(*outcome.breach), shrunk);
    }
    const double seconds = elapsed();
    std::cout << "random sessions: " << sequences << " sequences (seeds " << options.seed << ".."
              << options.seed + static_cast<std::uint64_t>(sequences) - 1 << "), " << steps
              << " steps in " << static_cast<long>(seconds) << " s ("
              << static_cast<long>(static_cast<double>(steps) / std::max(seconds, 1e-3))
              << " steps/s), " << failedKinds.size() << " kinds of failure\n";
    return failedKinds.empty() ? 0 : 1;
}

int replayScript(const std::string& file) {
    std::ifstream in(file);
    if (!in) {
        std::cerr << "random-sessions: cannot read " << file << '\n';
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const Outcome outcome = replay(lines);
    if (!outcome.breach) return 0;
    std::cout << outcome.breach->kind << ": " << outcome.breach->detail << '\n';
    return 1;
}

}  // namespace

}  // namespace quorvel

int main(int argc, char** argv) {
    quorvel::Options options;
    for (int index = 1; index + 1 < argc; index += 2) {
        const std::string name = argv[index];
        const char* value = argv[index + 1];
        if (name == "--sequences") {
            options.sequences = std::stol(value);
        } else if (name == "--seconds") {
            options.seconds = std::stod(value);
        } else if (name == "--steps") {
            options.steps = std::stoi(value);
        } else if (name == "--seed") {
            options.seed = std::stoull(value);
        } else if (name == "--replay") {
            options.replay = value;
        } else {
            std::cerr << "random-sessions: unknown option " << name << '\n';
            return 2;
        }
    }
    if (!options.replay.empty()) return quorvel::replayScript(options.replay);
    return quorvel::runRandomSessions(options);
}
