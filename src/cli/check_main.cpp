// corvane-check: the files are shared out to threads, and the search threads among the files
// checked at once; output keeps the files' order.
#include "cli/check_main.h"

#include "cli/check_options.h"
#include "cli/check_pictures.h"
#include "cli/check_report.h"
#include "cli/check_runner.h"
#include "cli/check_sources.h"
#include "cli/ordered_output.h"
#include "model/board.h"
#include "model/version.h"
#include "search/worker_thread.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace corvane {

namespace {

struct Shared {
    const CheckOptions* options;
    OrderedOutput* output;
    std::FILE* err;
    std::vector<CheckStatus>* statuses;
    CheckPictures* pictures;
    unsigned jobs; // threads in all
    std::atomic<std::size_t> next{0};
};

void checkOne(Shared& shared, std::size_t index) {
    const CheckOptions& o = *shared.options;
    const std::string& file = o.files[index];
    bool opened = false; // JSON: the object and its answer list have been started
    AnswerPrinter printer;
    if (o.solutions) {
        printer = [&](const Answer& answer, std::uint64_t k) {
            std::string text;
            if (o.json) {
                text = opened ? "," : jsonResultHead(file) + ",\"answers\":[";
                text += jsonAnswer(answer);
            } else {
                text = plainAnswer(file, k, answer);
            }
            opened = true;
            shared.output->stream(index, text);
        };
    }
    PictureJob pictures = shared.pictures->job(index);
    const unsigned threads = searchThreadsForFile(shared.jobs, o.files.size(), index);
    const CheckResult result = checkSource(file, o, printer, threads, pictures.boardObserver());
    shared.pictures->finish(pictures, firstSolution(result));
    if (!result.warning.empty())
        std::fprintf(shared.err, "corvane-check: %s: warning: %s\n", file.c_str(),
                     result.warning.c_str());
    if (!result.reason.empty())
        std::fprintf(shared.err, "corvane-check: %s: %s\n", file.c_str(), result.reason.c_str());
    (*shared.statuses)[index] = result.status;
    std::string text;
    if (o.json) {
        if (opened)
            text = "]";
        else
            text = jsonResultHead(file) + (o.solutions ? ",\"answers\":[]" : "");
        text += jsonResultTail(result, o.solutions);
    } else {
        text = plainResult(result);
    }
    shared.output->finish(index, std::move(text));
}

void checkFiles(Shared& shared) {
    for (;;) {
        const std::size_t index = shared.next.fetch_add(1);
        if (index >= shared.options->files.size()) return;
        checkOne(shared, index);
    }
}

} // namespace

int runCheck(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    ParsedOptions parsed = parseCheckOptions(args);
    if (!parsed.options) {
        std::fprintf(err, "corvane-check: %s\n\n%s", parsed.error.c_str(), checkUsage().c_str());
        return 2;
    }
    CheckOptions& o = *parsed.options;
    if (o.help) {
        std::fputs(checkUsage().c_str(), out);
        return 0;
    }
    if (o.version) {
        std::fprintf(out, "corvane-check %s\n", ProjectVersion);
        return 0;
    }
    const bool listsRead = readUrlLists(o, stdin, parsed.error);
    if (!listsRead || o.files.empty()) {
        std::fprintf(err, "corvane-check: %s\n",
                     listsRead ? "no puzzle file or URL given" : parsed.error.c_str());
        return 2;
    }
    const unsigned jobs = o.jobs != 0 ? o.jobs : std::max(1u, std::thread::hardware_concurrency());
    // One checking thread per file checked at once; the search threads are shared among them.
    const auto checkers = static_cast<unsigned>(std::min<std::size_t>(jobs, o.files.size()));

    OrderedOutput output(out);
    std::vector<CheckStatus> statuses(o.files.size(), CheckStatus::LoadFailed);
    CheckPictures pictures(o, err);
    Shared shared{&o, &output, err, &statuses, &pictures, jobs};
    std::vector<std::unique_ptr<WorkerThread>> threads;
    for (unsigned i = 0; i < checkers; ++i) {
        auto thread = std::make_unique<WorkerThread>([&shared] { checkFiles(shared); });
        if (thread->started()) threads.push_back(std::move(thread));
    }
    if (threads.empty()) checkFiles(shared); // no thread could be made: check here
    threads.clear();                         // joins
    return pictures.failed() ? 2 : exitStatusFor(statuses);
}

} // namespace corvane
