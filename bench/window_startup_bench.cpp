// Time from process start to the first paint of a shown window, offscreen: the calculator's main
// window (set up and calculated before it is shown) against a bare QDialog. The probe reports its
// first paint on a pipe; the time until that line arrives is measured, the process's exit is not.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Environment of the probes: the caller's, on the offscreen platform.
std::vector<std::string> ProbeEnvironment() {
    std::vector<std::string> environment = {"QT_QPA_PLATFORM=offscreen"};
    for (char** entry = environ; *entry; ++entry)
        if (std::string(*entry).rfind("QT_QPA_PLATFORM=", 0) != 0) environment.emplace_back(*entry);
    return environment;
}

// Starts `program` with its standard output on a pipe and returns the seconds until it writes
// its first byte there, then waits for it to end; a negative result if it failed.
double SecondsToFirstPaint(const char* program, std::vector<std::string>& environment) {
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const bool spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data()) == 0;
    close(pipeEnds[1]);
    char byte = 0;
    const bool painted = spawned && read(pipeEnds[0], &byte, 1) == 1;
    const auto painted_at = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    const bool ended =
        spawned && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!painted || !ended) return -1;
    return std::chrono::duration<double>(painted_at - start).count();
}

void StartUp(benchmark::State& state, const char* program) {
    std::vector<std::string> environment = ProbeEnvironment();
    for (auto _ : state) {
        const double seconds = SecondsToFirstPaint(program, environment);
        if (seconds < 0) {
            state.SkipWithError("probe did not run");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

}  // namespace

BENCHMARK_CAPTURE(StartUp, bare_dialog, TOROGLAV_BARE_DIALOG_PROBE)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(2.0);
BENCHMARK_CAPTURE(StartUp, one_label_dialog, TOROGLAV_LABEL_DIALOG_PROBE)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(2.0);
BENCHMARK_CAPTURE(StartUp, main_window, TOROGLAV_MAIN_WINDOW_PROBE)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(2.0);
