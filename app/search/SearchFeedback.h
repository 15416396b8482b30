// What the reader is told after a search: the number of items it found, in
// the status line ("Βρέθηκαν 8 θέματα", "Δεν βρέθηκε κανένα αποτέλεσμα"), with
// the first found node selected and scrolled into view. The found items are
// the nodes the search marked.
#pragma once

#include <QString>

namespace lexora::trees {
class TreeControl;
class TreeNode;
} // namespace lexora::trees
namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::search {

// The kind of item a tree holds, for the sentence.
enum class FoundKind { Topics, Acts, ChartEntries };

// "Βρέθηκε 1 θέμα", "Βρέθηκαν 8 νομοθετήματα", "Δεν βρέθηκε κανένα αποτέλεσμα".
QString foundMessage(int count, FoundKind kind);

struct MarkedNodes {
    int count = 0;
    trees::TreeNode* first = nullptr; // in the order the tree shows its nodes
};
// The nodes of the tree that carry the search marking.
MarkedNodes markedNodes(const trees::TreeControl& tree);

// After the press of cmdsearch(Index): when the tab's box held a text, writes
// the sentence for the searched tree into the status line and selects the
// first found node (no node when nothing was found); with an empty box (the
// tree was filled again in full) the status line is emptied.
void reportSearch(shell::Panes& form, const startup::ProgramContext& context, int Index);

} // namespace lexora::search
