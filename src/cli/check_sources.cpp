// The checker's sources: files and URLs, URL lists, and the texts a report may carry.
#include "cli/check_sources.h"

#include "cli/check_options.h"
#include "cli/check_window.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzlink_url.h"
#include "formats/pzprv3_text.h"
#include "model/board.h"
#include "model/session.h"
#include "search/search_session.h"

#include <cerrno>
#include <memory>
#include <system_error>

namespace corvane {

namespace {

/// Longest line of a URL list that is read; longer lines are cut (and then refused).
constexpr std::size_t LongestListLine = 1 << 20;

/// Appends the URLs of one list read from `file`; false when a read failed (a folder, say).
bool appendUrls(std::FILE* file, std::vector<std::string>& urls) {
    std::string line;
    const auto finishLine = [&] {
        const std::size_t start = line.find_first_not_of(" \t\r");
        const std::size_t end = line.find_last_not_of(" \t\r");
        if (start != std::string::npos && line[start] != '#')
            urls.push_back(line.substr(start, end - start + 1));
        line.clear();
    };
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        if (c == '\n')
            finishLine();
        else if (line.size() < LongestListLine)
            line += static_cast<char>(c);
    }
    finishLine();
    return !std::ferror(file);
}

} // namespace

bool readUrlLists(CheckOptions& options, std::FILE* in, std::string& error) {
    for (const std::string& list : options.urlLists) {
        errno = 0;
        std::FILE* file = list == "-" ? in : std::fopen(list.c_str(), "rb");
        const bool read = file && appendUrls(file, options.files);
        const int cause = errno; // of the open or the read that failed
        if (file && file != in) std::fclose(file);
        if (!read) {
            error = "cannot read the URL list " + list;
            if (cause != 0)
                error += ": " + std::error_code(cause, std::generic_category()).message();
            return false;
        }
    }
    return true;
}

CheckResult checkSource(const std::string& source, const CheckOptions& options,
                        const AnswerPrinter& printer, unsigned threads,
                        const BoardObserver& loaded) {
    CheckWindow window(options.direction);
    Session session(window, nullptr); // no settings store: nothing is written
    session.settings.directAutoSelect = options.direction == 0 ? 1 : 0;
    session.settings.fillAllCells = options.fillRule ? 1 : 0;
    std::string reason, warning;
    bool read;
    if (looksLikePuzzleUrl(source)) {
        read = loadPuzzleUrl(session, source, &reason, &warning);
    } else {
        session.board.currentFilePath = source;
        read = loadPuzzleFile(session, options.format, &reason, &warning);
    }
    if (read && loaded) loaded(session.board);

    CheckResult result;
    if (read) {
        auto search = std::make_unique<SearchSession>();
        result = searchBoard(session, *search, window, options.limit, printer, threads);
    } else {
        result.status = CheckStatus::LoadFailed;
        result.message = window.lastMessage();
        result.reason = reason;
    }
    result.file = source;
    result.fillRule = options.fillRule;
    result.warning = warning;
    result.url.requested = options.emitUrl;
    result.pzprv3.requested = options.emitPzprv3;
    if (read && options.emitUrl) result.url.text = puzzlinkUrl(session.board);
    if (read && options.emitPzprv3)
        result.pzprv3.text = pzprv3Text(session.board, firstSolution(result), "\n");
    return result;
}

} // namespace corvane
