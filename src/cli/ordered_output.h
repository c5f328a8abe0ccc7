// Output of several files checked at once, kept in the order the files were named.
#pragma once

#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>

namespace corvane {

/// Writes each file's text in file order. A file's final text is queued when an earlier file
/// is still being checked; text streamed while a file runs (its solutions) waits for the
/// file's turn, so nothing of the solutions is held in memory.
class OrderedOutput {
  public:
    explicit OrderedOutput(std::FILE* out) : out_(out) {}

    /// Writes text of file `index` at once, waiting until every earlier file is done.
    void stream(std::size_t index, const std::string& text);
    /// Hands over the last text of file `index`: written now when it is the file's turn,
    /// else queued. Later files whose text was queued follow.
    void finish(std::size_t index, std::string text);

  private:
    std::FILE* out_;
    std::mutex mutex_;
    std::condition_variable turnChanged_;
    std::size_t turn_ = 0;
    std::map<std::size_t, std::string> queued_;
};

} // namespace corvane
