#pragma once

#include <string>

namespace torvanel {

// Words for a screen reader, gathered while a click is handled and said at its end as
// one announcement: a notification's words are read when a screen reader gets to them,
// and a second set of words would replace the first before it is read.
class AnnouncementQueue {
public:
    void hold() { held_ = true; }
    // The words to say now; empty while held (they wait).
    std::string add(std::string words);
    // What waited, joined into sentences; empty when nothing did.
    std::string release();

private:
    bool held_ = false;
    std::string waiting_;
};

} // namespace torvanel
