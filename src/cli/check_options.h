// Command-line options of corvane-check.
#pragma once

#include "formats/svg_picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

/// What the checker was asked to do.
struct CheckOptions {
    int format = 3;          // PuzzleFormat to read with; 3 recognises it automatically
    int direction = 0;       // direction id 1022..1029, or 0 for the recommended one
    std::uint64_t limit = 0; // stop once this many solutions are found; 0 = exhaust
    bool fillRule = false;   // --rule fill: a solution must put every cell on a path
    bool solutions = false;  // print every solution as it is found
    bool json = false;       // one JSON object per file per line
    unsigned jobs = 0;       // threads in all, shared by the files checked at once; 0 = cores
    bool help = false;       // print the usage text and do nothing else
    bool version = false;    // print the program's version and do nothing else
    std::string svgDir;      // folder for SVG pictures of each puzzle and its first solution
    int cellSize = PictureOptions::DefaultCellSize; // pixels per cell of the pictures
    bool emitUrl = false;                           // add the puzzle's puzz.link URL to each report
    bool emitPzprv3 = false;           // add the pzprv3 text of the first solution to each report
    std::vector<std::string> files;    // puzzle files and URLs, in the order named
    std::vector<std::string> urlLists; // files of one URL per line ("-" = standard input)
};

/// Options, or the reason the command line cannot be used.
struct ParsedOptions {
    std::optional<CheckOptions> options;
    std::string error;
};

/// Reads the arguments after the program name.
ParsedOptions parseCheckOptions(const std::vector<std::string>& args);

/// The text printed by --help and after a usage error.
std::string checkUsage();

} // namespace corvane
