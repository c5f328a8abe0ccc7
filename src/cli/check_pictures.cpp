// The checker's SVG pictures: naming, capture of the first solution, safe writes.
#include "cli/check_pictures.h"

#include "base/file_bytes.h"
#include "base/safe_write.h"
#include "cli/check_options.h"
#include "formats/puzzlink_url.h"
#include "formats/svg_picture.h"

#include <cerrno>
#include <set>
#include <system_error>

namespace corvane {

namespace fs = std::filesystem;

namespace {

/// Writes one picture; the failure line when it cannot be written.
std::optional<std::string> writePicture(const fs::path& path, const std::string& svg) {
    errno = 0;
    if (writeFileReplacing(path, svg)) return std::nullopt;
    const int error = errno;
    return "cannot write " + path.string() + ": " +
           (error != 0 ? std::error_code(error, std::generic_category()).message()
                       : std::string("not a regular file that can be replaced"));
}

} // namespace

std::vector<std::string> pictureNames(const std::vector<std::string>& arguments) {
    std::vector<std::string> names;
    std::set<std::string> taken; // every name given, and the same with ".answer"
    int urls = 0;
    for (const std::string& argument : arguments) {
        std::string base;
        if (looksLikePuzzleUrl(argument)) {
            base = "url-" + std::to_string(++urls);
        } else {
            base = filePathFromUtf8(argument).stem().string();
            if (base.empty() || base == "." || base == "..") base = "puzzle";
        }
        std::string name = base;
        for (int n = 2; taken.count(name) || taken.count(name + ".answer"); ++n)
            name = base + "-" + std::to_string(n);
        taken.insert(name);
        taken.insert(name + ".answer");
        names.push_back(std::move(name));
    }
    return names;
}

PictureJob::PictureJob(fs::path folder, std::string name, int cellSize)
    : active_(true), folder_(std::move(folder)), name_(std::move(name)), cellSize_(cellSize) {}

BoardObserver PictureJob::boardObserver() {
    if (!active_) return {};
    return [this](const Board& board) { board_ = board; };
}

std::vector<std::string> PictureJob::write(const Answer* firstAnswer) const {
    std::vector<std::string> failures;
    if (!active_ || !board_) return failures;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        failures.push_back("cannot create folder " + folder_.string() + ": " + ec.message());
        return failures;
    }
    PictureOptions options;
    options.cellSize = cellSize_;
    if (auto failure =
            writePicture(folder_ / (name_ + ".svg"), svgPicture(*board_, nullptr, options)))
        failures.push_back(*failure);
    if (firstAnswer) {
        if (auto failure = writePicture(folder_ / (name_ + ".answer.svg"),
                                        svgPicture(*board_, firstAnswer, options)))
            failures.push_back(*failure);
    }
    return failures;
}

CheckPictures::CheckPictures(const CheckOptions& options, std::FILE* err)
    : folder_(filePathFromUtf8(options.svgDir)), cellSize_(options.cellSize), err_(err) {
    if (!options.svgDir.empty()) names_ = pictureNames(options.files);
}

PictureJob CheckPictures::job(std::size_t index) const {
    if (index >= names_.size()) return {};
    return PictureJob(folder_, names_[index], cellSize_);
}

void CheckPictures::finish(const PictureJob& job, const Answer* firstAnswer) {
    for (const std::string& failure : job.write(firstAnswer)) {
        std::fprintf(err_, "corvane-check: %s\n", failure.c_str());
        failed_ = true;
    }
}

} // namespace corvane
