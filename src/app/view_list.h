// The view list: the core's items "通常画面" and "解 No.k", then the window's own "相違箇所".
#pragma once

#include "model/answer_differences.h"

#include <optional>
#include <string>

class QComboBox;

namespace corvane {

struct Board;

/// Keeps the view list's items in step with the stored answers. The core numbers the items
/// 0 ("通常画面") to n ("解 No.n") and only appends and removes them; while two or more answers
/// are stored, one more item "相違箇所" stays last, beyond the core's numbering. Indexes
/// handed to the core or to the board view are always core indexes, never that item's.
class ViewList {
  public:
    /// The item showing where the stored answers differ.
    static constexpr const char* VaryingItemText = "相違箇所";

    /// Works on `box`, which holds "通常画面" alone, for the answers stored in `board`.
    ViewList(QComboBox& box, const Board& board);

    /// The core appends item `text` for the answer it has just stored: it goes before
    /// "相違箇所", the varying cells take in the new answers, and "相違箇所" is added once two
    /// answers are stored.
    void addAnswerItem(const std::string& text);
    /// The core deletes item `index`. Answers are removed all together (from the last down),
    /// so removing one drops "相違箇所" and forgets the varying cells.
    void removeItem(int index);
    /// The core selects item `index`.
    void select(int index);
    /// The selection as the core numbers it: 0 for "通常画面" and for "相違箇所".
    int selectedItem() const;

    /// True when `boxIndex` is the item "相違箇所".
    bool isVaryingItem(int boxIndex) const;
    /// The answer a box index shows: k for "解 No.k", 0 for the other items.
    int answerOf(int boxIndex) const;
    /// The varying cells of the stored answers the list has taken in.
    const VaryingCells& varying() const { return varying_; }
    /// The number of varying cells while two or more answers are stored.
    std::optional<std::size_t> varyingCount() const;

  private:
    /// Takes in the answers stored since the last call.
    void takeInNewAnswers();

    QComboBox& box_;
    const Board& board_;
    VaryingCells varying_;
    bool varyingItem_ = false; // "相違箇所" is the last item
};

} // namespace corvane
