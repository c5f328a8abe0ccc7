// Parsing of corvane-check's command line.
#include "cli/check_options.h"

#include <charconv>

namespace corvane {

namespace {

std::optional<std::uint64_t> parseCount(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool applyFormat(const std::string& v, CheckOptions& o) {
    if (v == "auto")
        o.format = 3;
    else if (v == "kavrin")
        o.format = 0;
    else if (v == "n")
        o.format = 1;
    else if (v == "nc")
        o.format = 2;
    else if (v == "pzprv3")
        o.format = 4;
    else
        return false;
    return true;
}

bool applyDirection(const std::string& v, CheckOptions& o) {
    if (v == "auto") {
        o.direction = 0;
        return true;
    }
    const auto id = parseCount(v);
    if (!id || *id < 1022 || *id > 1029) return false;
    o.direction = static_cast<int>(*id);
    return true;
}

} // namespace

ParsedOptions parseCheckOptions(const std::vector<std::string>& args) {
    CheckOptions o;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            o.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--version") {
            o.version = true;
            continue;
        }
        if (arg == "--solutions") {
            o.solutions = true;
            continue;
        }
        if (arg == "--json") {
            o.json = true;
            continue;
        }
        // Options with a value: "--name value", "--name=value", "-j N" or "-jN".
        std::string name = arg, value;
        bool haveValue = false;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            haveValue = true;
        } else if (arg.rfind("-j", 0) == 0 && arg.size() > 2) {
            name = "-j";
            value = arg.substr(2);
            haveValue = true;
        }
        if (name != "--format" && name != "--direction" && name != "--limit" && name != "-j" &&
            name != "--jobs" && name != "--svg" && name != "--cell" && name != "--urls" &&
            name != "--emit" && name != "--rule")
            return {std::nullopt, "unknown option " + arg};
        if (!haveValue) {
            if (i + 1 >= args.size()) return {std::nullopt, "option " + name + " needs a value"};
            value = args[++i];
        }
        bool ok = true;
        if (name == "--format") {
            ok = applyFormat(value, o);
        } else if (name == "--direction") {
            ok = applyDirection(value, o);
        } else if (name == "--svg") {
            ok = !value.empty();
            o.svgDir = value;
        } else if (name == "--cell") {
            const auto n = parseCount(value);
            ok = n && *n >= PictureOptions::MinCellSize && *n <= PictureOptions::MaxCellSize;
            if (ok) o.cellSize = static_cast<int>(*n);
        } else if (name == "--urls") {
            o.urlLists.push_back(value);
        } else if (name == "--emit") {
            if (value == "url")
                o.emitUrl = true;
            else if (value == "pzprv3")
                o.emitPzprv3 = true;
            else
                ok = false;
        } else if (name == "--rule") {
            ok = value == "standard" || value == "fill";
            o.fillRule = value == "fill";
        } else if (name == "--limit") {
            const auto n = parseCount(value);
            ok = n.has_value();
            if (ok) o.limit = *n;
        } else {
            const auto n = parseCount(value);
            ok = n && *n >= 1 && *n <= 1024;
            if (ok) o.jobs = static_cast<unsigned>(*n);
        }
        if (!ok) return {std::nullopt, "invalid value for " + name + ": " + value};
    }
    if (!o.help && !o.version && o.files.empty() && o.urlLists.empty())
        return {std::nullopt, "no puzzle file given"};
    return {o, {}};
}

std::string checkUsage() {
    return "Usage: corvane-check [options] FILE|URL...\n"
           "Searches each puzzle file or puzz.link URL exhaustively and reports how many\n"
           "solutions it has.\n"
           "\n"
           "  --format auto|kavrin|n|nc|pzprv3\n"
           "                              file format (default auto: recognised from the text)\n"
           "  --urls FILE                 check the URLs of FILE, one per line (- = standard\n"
           "                              input; blank lines and lines starting with # skipped)\n"
           "  --emit url|pzprv3           add the puzzle's URL, or the pzprv3 text of its first\n"
           "                              solution (the puzzle alone without one), to reports\n"
           "  --direction auto|1022..1029 search direction (default auto: the recommended one)\n"
           "  --rule standard|fill        what counts as a solution (default standard; fill:\n"
           "                              every cell must lie on a path)\n"
           "  --limit N                   stop once N solutions are found (default 0: exhaust)\n"
           "  --solutions                 print every solution as it is found (JSON: and the\n"
           "                              grid of varying cells)\n"
           "  --json                      one JSON object per file per line\n"
           "  -j N                        use N threads in all (default: one per core); one\n"
           "                              file uses them all, several files share them\n"
           "  --svg DIR                   write DIR/NAME.svg of each puzzle and "
           "DIR/NAME.answer.svg\n"
           "                              of its first solution (NAME: the file name without its\n"
           "                              last extension; url-N for the N-th URL)\n"
           "  --cell N                    cell size of the pictures in pixels, 8..200 (default "
           "36)\n"
           "  --help                      show this text\n"
           "  --version                   show the program's version\n"
           "\n"
           "With two or more solutions found, the report counts the varying cells: the cells\n"
           "whose pair (or emptiness) is not the same in every solution found.\n"
           "\n"
           "JSON status: unique, unique_with_blanks, multiple, none (the search found no\n"
           "solution), unsolvable (the clues alone contradict each other), limit_reached,\n"
           "refused (the puzzle is not valid) or load_failed. A file name that is not valid\n"
           "UTF-8 shows each undecodable byte as U+FFFD in \"file\"; \"file_bytes\" then gives\n"
           "the name's bytes in hexadecimal.\n"
           "\n"
           "Exit status: 0 when every file has exactly one solution without empty cells,\n"
           "1 when any file does not (no solution, including unsolvable, counts here),\n"
           "2 on a usage error, when a file was refused or could not be read, or a picture\n"
           "could not be written.\n";
}

} // namespace corvane
