// Outcome of checking one puzzle file and its plain and JSON renderings.
#pragma once

#include "model/answer_differences.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// How the check of one file ended.
enum class CheckStatus {
    Unique,
    UniqueWithBlanks,
    Multiple,
    None,       // the search found no solution
    Unsolvable, // the clues alone contradict each other: no solution, no search needed
    LimitReached,
    Refused,
    LoadFailed
};

/// A text a report carries on request (--emit); `text` is empty when it cannot be written.
struct EmittedText {
    bool requested = false;
    std::optional<std::string> text;
};

/// Everything reported about one file.
struct CheckResult {
    std::string file;
    CheckStatus status = CheckStatus::LoadFailed;
    std::string message;         // the result or error box text, or the limit notice
    std::string reason;          // why a read failed (for the error output); "" otherwise
    std::string warning;         // what a read took otherwise than written (error output)
    EmittedText url;             // the puzzle's puzz.link URL
    EmittedText pzprv3;          // pzprv3 text of the first solution, or of the puzzle alone
    std::uint64_t solutions = 0; // solutions found
    std::uint64_t steps = 0;     // stepCount when the search ended
    std::uint64_t elapsedMs = 0; // search time in milliseconds
    int direction = 0;           // direction id searched; 0 when no search ran
    bool fillRule = false;       // judged under the every-cell rule
    VaryingCells varying;        // where the solutions found part
};

/// The first solution the search found (the reference of the varying cells), or null when it
/// found none.
const Answer* firstSolution(const CheckResult& result);

/// The JSON name of a status ("unique", "limit_reached", ...).
std::string_view statusName(CheckStatus status);

/// The text for a search stopped at `limit` solutions.
std::string limitMessage(std::uint64_t limit);

/// The process exit status for the outcomes of all files (2 beats 1 beats 0).
int exitStatusFor(const std::vector<CheckStatus>& statuses);

/// A JSON string literal for text meant to be UTF-8; each byte that is not part of a valid
/// UTF-8 sequence becomes U+FFFD, so the literal is always valid JSON.
std::string jsonString(std::string_view text);

/// "FILE: MESSAGE", an indented line with steps, milliseconds and direction, with two or more
/// solutions one with the number of varying cells; then, when requested, a line "  url URL"
/// and the pzprv3 text as it is.
std::string plainResult(const CheckResult& result);

/// The plain rendering of solution k: a heading and one line per board row.
std::string plainAnswer(const std::string& file, std::uint64_t k, const Answer& answer);

/// An answer as a JSON array of rows of numbers, board rows top to bottom.
std::string jsonAnswer(const Answer& answer);

/// The fields of a result after the file name (and answers), closing the object; the JSON
/// line of a file is  {"file":...[,"answers":[...]], + jsonResultTail(result)  . The grid of
/// varying cells is written when `withVaryingGrid`; the fields "url" and "pzprv3" follow when
/// requested (null when the text cannot be written).
std::string jsonResultTail(const CheckResult& result, bool withVaryingGrid = false);

/// The opening of a file's JSON object up to and including its file name; a name that is not
/// valid UTF-8 is followed by "file_bytes", its bytes in lowercase hexadecimal.
std::string jsonResultHead(const std::string& file);

} // namespace corvane
