// A session with the recording window and a search beside it, for tests of the search.
#pragma once

#include "answer_checker.h"
#include "board_picture.h"
#include "model/session.h"
#include "recording_window.h"
#include "search/search_driver.h"
#include "search/search_session.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane::testing {

struct SearchRun {
    RecordingWindow window;
    Session session{window, nullptr};
    std::unique_ptr<SearchSession> search = std::make_unique<SearchSession>();

    /// A board from a picture, searched in `direction` (0: the recommended one, no dialog).
    explicit SearchRun(const std::vector<std::string>& rows, int direction = 0) {
        setBoardPicture(session.board, rows);
        session.settings.searchThreads = 1; // the serial search; parallel tests ask for more
        if (direction == 0) {
            session.settings.directAutoSelect = 1;
        } else {
            window.onDirectionDialog = [direction](int& d) {
                d = direction;
                return true;
            };
        }
    }

    /// Runs "探索開始..." to its end.
    void start() { startSearch(session, *search); }

    const std::vector<Answer>& answers() const { return session.board.solutions; }

    /// Text of the last message box; empty when none was shown.
    std::string lastMessage() const {
        return window.boxes.empty() ? std::string() : window.boxes.back().text;
    }
};

} // namespace corvane::testing
