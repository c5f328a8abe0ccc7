// The "探索の向き" dialog: chooses one of the eight search directions before a search.
#pragma once

class QWidget;

namespace corvane {

/// Shows the modal direction dialog over `parent` with the radio button `searchDirection`
/// (an id 1022..1029) selected and named in the recommendation line. On OK the first selected
/// id is stored in `searchDirection` (unchanged when none is) and true is returned; Cancel,
/// Escape and the close box return false and change nothing.
bool runDirectionDialog(int& searchDirection, QWidget* parent);

} // namespace corvane
