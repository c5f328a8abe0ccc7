// Shared fixture of the format tests: a session with a recording window, a settings file
// and a temporary folder for puzzle files.
#pragma once

#include "board_picture.h"
#include "board_snapshot.h"
#include "formats/puzzle_reader.h"
#include "model/session.h"
#include "recording_window.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace corvane::testing {

struct FormatFixture : ::testing::Test {
    TempDir dir;
    RecordingWindow window;
    SettingsStore store{dir / "config.ini"};
    Session session{window, &store};

    /// Writes `bytes` to a file, names it in currentFilePath and loads it.
    bool loadBytes(const std::string& bytes, int format = FormatAuto) {
        writeBytes(dir / "puzzle.txt", bytes);
        session.board.currentFilePath = (dir / "puzzle.txt").string();
        return loadPuzzleFile(session, format);
    }

    /// The clue picture of the board (see board_picture.h).
    std::vector<std::string> clues() const { return boardPicture(session.board); }

    /// Stored answer k (from 1) as a picture in the same form.
    std::vector<std::string> answerPicture(int k) const {
        const Answer& a = session.board.solutions.at(std::size_t(k - 1));
        std::vector<std::string> rows;
        for (int y = 1; y <= a.height(); ++y) {
            std::string line;
            for (int x = 1; x <= a.width(); ++x) {
                const int v = a.at(cellIndex(x, y));
                if (x > 1) line += ' ';
                line += v == 0 ? "." : std::to_string(v);
            }
            rows.push_back(line);
        }
        return rows;
    }

    /// True when the only box shown so far is the load failure.
    bool failedOnce() const {
        return window.boxTexts() == std::vector<std::string>{"ファイルのロードに失敗しました"};
    }
};

} // namespace corvane::testing
