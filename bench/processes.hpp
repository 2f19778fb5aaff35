#pragma once

// The programs the benchmark starts: the two windows and its helper.

#include <sys/types.h>

#include <string>
#include <vector>

namespace bench {

// The monotonic clock in milliseconds, as the helper prints it.
double monotonic_ms();

// Runs a program; `environment` entries are added ("NAME=value") or removed ("NAME").
// With `output`, its standard output comes through a pipe read without blocking.
pid_t launch(const std::vector<const char*>& arguments, const std::vector<const char*>& environment = {},
             int* output = nullptr);

// Ends a program and tells the most memory it held at once.
double stop_and_peak_rss_mib(pid_t pid);

// Lines a helper printed, collected as they come.
class HelperOutput {
public:
    explicit HelperOutput(int fd) : fd_(fd) {}
    ~HelperOutput();
    HelperOutput(const HelperOutput&) = delete;
    HelperOutput& operator=(const HelperOutput&) = delete;

    // The lines that arrived since the last call.
    std::vector<std::string> lines();
    bool wait_for(const std::string& line, double timeout_ms);

private:
    int fd_;
    std::string pending_;
};

// Starts the helper owning the clipboard with `count` digits; -1 when it did not start.
pid_t hold_clipboard(const char* helper, long count);

} // namespace bench
