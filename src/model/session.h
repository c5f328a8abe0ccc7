// The state of one open document: board, settings, search status and the window it reports to.
#pragma once

#include "model/board.h"
#include "model/search_status.h"
#include "model/settings.h"

namespace corvane {

class MainWindow;

/// Everything the model, the formats and the search share about one puzzle being edited.
/// The search layer keeps its engine and orientation tables beside it.
struct Session {
    Session(MainWindow& w, const SettingsStore* s) : window(w), store(s) {}

    Board board;
    Settings settings;
    SearchStatus status;
    MainWindow& window;
    const SettingsStore* store; // null: nothing is persisted (the checker, most tests)

    /// Persists the settings when a store is attached.
    void saveConfig() const {
        if (store) store->saveConfig(settings);
    }
};

} // namespace corvane
