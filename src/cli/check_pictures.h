// The pictures corvane-check writes with --svg: file names, the first solution, the writes.
#pragma once

#include "cli/check_runner.h"
#include "model/board.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

struct CheckOptions;

/// The picture names of the checker's arguments, in order: a file's name without its last
/// extension ("unique-5x5.nsha.txt" gives "unique-5x5.nsha", so the same puzzle in two formats
/// keeps two names), "url-N" for the N-th URL argument, "puzzle" when the path names no file.
/// A name that would clash with an earlier one (its own or its ".answer") gets "-2", "-3", ...
std::vector<std::string> pictureNames(const std::vector<std::string>& arguments);

/// What the pictures of one checked file need; collected while the file is checked.
class PictureJob {
  public:
    /// An inert job: it collects nothing and writes nothing.
    PictureJob() = default;
    /// A job writing `folder`/`name`.svg and `name`.answer.svg with cells of `cellSize` pixels.
    PictureJob(std::filesystem::path folder, std::string name, int cellSize);
    // The observers refer to the job, so it stays where it was made.
    PictureJob(const PictureJob&) = delete;
    PictureJob& operator=(const PictureJob&) = delete;

    /// The observer of the loaded board; empty for an inert job.
    BoardObserver boardObserver();
    /// Writes the puzzle's picture when the board was loaded and, given `firstAnswer` (the
    /// first solution found), the answer's, creating the folder when needed. Returns one line
    /// per failed write.
    std::vector<std::string> write(const Answer* firstAnswer) const;

  private:
    bool active_ = false;
    std::filesystem::path folder_;
    std::string name_;
    int cellSize_ = 0;
    std::optional<Board> board_;
};

/// The pictures of a whole run: the names of all arguments, the failures reported.
class CheckPictures {
  public:
    /// Pictures as `options` ask (none without --svg); failures are reported on `err`.
    CheckPictures(const CheckOptions& options, std::FILE* err);

    /// The job of argument `index`; inert when no pictures were asked for.
    PictureJob job(std::size_t index) const;
    /// Writes the job's pictures (the answer's from `firstAnswer`, when given) and reports each
    /// failure on the error output.
    void finish(const PictureJob& job, const Answer* firstAnswer);
    /// True once any picture could not be written.
    bool failed() const { return failed_; }

  private:
    std::filesystem::path folder_;
    int cellSize_;
    std::vector<std::string> names_; // empty when no pictures are written
    std::FILE* err_;
    std::atomic<bool> failed_{false};
};

} // namespace corvane
