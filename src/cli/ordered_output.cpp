// Ordered output of the checker's files.
#include "cli/ordered_output.h"

namespace corvane {

void OrderedOutput::stream(std::size_t index, const std::string& text) {
    std::unique_lock lock(mutex_);
    turnChanged_.wait(lock, [&] { return turn_ == index; });
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fflush(out_);
}

void OrderedOutput::finish(std::size_t index, std::string text) {
    std::lock_guard lock(mutex_);
    queued_[index] = std::move(text);
    bool advanced = false;
    for (auto it = queued_.find(turn_); it != queued_.end(); it = queued_.find(turn_)) {
        std::fwrite(it->second.data(), 1, it->second.size(), out_);
        queued_.erase(it);
        ++turn_;
        advanced = true;
    }
    if (advanced) {
        std::fflush(out_);
        turnChanged_.notify_all();
    }
}

} // namespace corvane
