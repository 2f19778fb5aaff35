#include "processes.hpp"

#include "figures.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>

namespace bench {

double monotonic_ms()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

pid_t launch(const std::vector<const char*>& arguments, const std::vector<const char*>& environment, int* output)
{
    int pipe_ends[2] = {-1, -1};
    if (output != nullptr && pipe(pipe_ends) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        for (const char* entry : environment) {
            const char* equals = std::strchr(entry, '=');
            if (equals == nullptr) {
                unsetenv(entry);
            } else {
                setenv(std::string(entry, equals).c_str(), equals + 1, 1);
            }
        }
        if (output != nullptr) {
            dup2(pipe_ends[1], STDOUT_FILENO);
            close(pipe_ends[0]);
            close(pipe_ends[1]);
        }
        std::vector<char*> argv;
        for (const char* argument : arguments) {
            argv.push_back(const_cast<char*>(argument));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (output != nullptr) {
        close(pipe_ends[1]);
        *output = pipe_ends[0];
        fcntl(*output, F_SETFL, O_NONBLOCK);
    }
    return pid;
}

double stop_and_peak_rss_mib(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

HelperOutput::~HelperOutput()
{
    close(fd_);
}

std::vector<std::string> HelperOutput::lines()
{
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(fd_, buffer, sizeof buffer)) > 0) {
        pending_.append(buffer, static_cast<std::size_t>(count));
    }
    std::vector<std::string> complete;
    std::size_t end = 0;
    while ((end = pending_.find('\n')) != std::string::npos) {
        complete.push_back(pending_.substr(0, end));
        pending_.erase(0, end + 1);
    }
    return complete;
}

bool HelperOutput::wait_for(const std::string& line, double timeout_ms)
{
    const Clock::time_point start = Clock::now();
    while (ms_since(start) < timeout_ms) {
        for (const std::string& arrived : lines()) {
            if (arrived == line) {
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

pid_t hold_clipboard(const char* helper, long count)
{
    int fd = -1;
    const std::string digits = std::to_string(count);
    const pid_t pid = launch({helper, "clipboard", digits.c_str()}, {"DBUS_SESSION_BUS_ADDRESS"}, &fd);
    HelperOutput output(fd);
    if (output.wait_for("ready", 20000)) {
        return pid;
    }
    std::fprintf(stderr, "the clipboard did not start\n");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return -1;
}

} // namespace bench
