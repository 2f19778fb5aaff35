#include "core/announcement_queue.hpp"

#include <utility>

namespace torvanel {

std::string AnnouncementQueue::add(std::string words)
{
    if (!held_ || words.empty()) {
        return words;
    }
    if (!waiting_.empty()) {
        waiting_ += waiting_.back() == '.' ? " " : ". ";
    }
    waiting_ += words;
    return {};
}

std::string AnnouncementQueue::release()
{
    held_ = false;
    return std::exchange(waiting_, {});
}

} // namespace torvanel
