// corvane-check: the files are shared out to worker threads; output keeps the files' order.
#include "cli/check_main.h"

#include "cli/check_options.h"
#include "cli/check_pictures.h"
#include "cli/check_report.h"
#include "cli/check_runner.h"
#include "cli/check_sources.h"
#include "cli/ordered_output.h"
#include "model/board.h"
#include "model/version.h"

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace corvane {

namespace {

/// Stack of each worker: the engine's rules recurse along paths (a few hundred levels on a
/// 100 x 100 board); the margin is generous, and untouched stack pages cost no memory.
constexpr std::size_t WorkerStackBytes = std::size_t(32) << 20;

struct Shared {
    const CheckOptions* options;
    OrderedOutput* output;
    std::FILE* err;
    std::vector<CheckStatus>* statuses;
    CheckPictures* pictures;
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
    printer = pictures.observe(std::move(printer));
    const CheckResult result = checkSource(file, o, printer, pictures.boardObserver());
    shared.pictures->finish(pictures);
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

void* worker(void* arg) {
    auto& shared = *static_cast<Shared*>(arg);
    for (;;) {
        const std::size_t index = shared.next.fetch_add(1);
        if (index >= shared.options->files.size()) return nullptr;
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
    unsigned jobs = o.jobs != 0 ? o.jobs : std::max(1u, std::thread::hardware_concurrency());
    jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, o.files.size()));

    OrderedOutput output(out);
    std::vector<CheckStatus> statuses(o.files.size(), CheckStatus::LoadFailed);
    CheckPictures pictures(o, err);
    Shared shared{&o, &output, err, &statuses, &pictures};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, WorkerStackBytes);
    std::vector<pthread_t> threads;
    for (unsigned i = 0; i < jobs; ++i) {
        pthread_t thread;
        if (pthread_create(&thread, &attr, worker, &shared) == 0) threads.push_back(thread);
    }
    pthread_attr_destroy(&attr);
    if (threads.empty()) worker(&shared); // no thread could be made: check here
    for (pthread_t thread : threads) pthread_join(thread, nullptr);
    return pictures.failed() ? 2 : exitStatusFor(statuses);
}

} // namespace corvane
