#pragma once

// Samples of one figure and the summary of figures against their targets.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Samples {
    std::vector<double> values;
    double quantile(double q) const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const double position = q * static_cast<double>(sorted.size() - 1);
        const auto low = static_cast<std::size_t>(position);
        const std::size_t high = std::min(low + 1, sorted.size() - 1);
        return sorted[low] + (sorted[high] - sorted[low]) * (position - static_cast<double>(low));
    }
    double median() const { return quantile(0.5); }
    void print(const char* what, const char* unit) const
    {
        if (values.empty()) {
            std::printf("  %-40s no samples\n", what);
            return;
        }
        std::printf("  %-40s median %9.2f %s   p25-p75 %8.2f-%-8.2f  min-max %8.2f-%-8.2f (n=%zu)\n", what, median(),
                    unit, quantile(0.25), quantile(0.75), quantile(0), quantile(1), values.size());
    }
};

class Targets {
public:
    // A figure whose median must stay under the target.
    void under(const char* what, const Samples& samples, double target, const char* unit)
    {
        const bool met = !samples.values.empty() && samples.median() < target;
        if (samples.values.empty()) {
            std::printf("  %-48s no samples          target under %g %s: missed\n", what, target, unit);
        } else {
            std::printf("  %-48s %10.2f %-3s  target under %g %s: %s\n", what, samples.median(), unit, target, unit,
                        met ? "met" : "missed");
        }
        tally(met);
    }
    // A ratio that must stay at or under the target.
    void ratio(const char* what, double value, double target)
    {
        const bool met = value <= target;
        std::printf("  %-48s %10.3f      target at most %.2f: %s\n", what, value, target, met ? "met" : "missed");
        tally(met);
    }
    void print_tally() const { std::printf("%d of %d targets missed\n", missed_, count_); }

private:
    void tally(bool met)
    {
        ++count_;
        missed_ += met ? 0 : 1;
    }
    int count_ = 0;
    int missed_ = 0;
};

} // namespace bench
