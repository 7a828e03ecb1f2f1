#pragma once

#include <vector>

namespace selkan {

// Where a row of the navigation tree stands among its neighbours.
struct TreeRowPlace {
  bool hasParent = false;
  bool hasPreviousSibling = false;
  bool hasNextSibling = false;
  // For each ancestor, outermost first: whether a sibling follows it.
  std::vector<bool> ancestorsFollowed;
};

// The lines of one column of a row's indentation, each from the column's
// middle: up to the row's top, down to its bottom, across to its right edge.
struct BranchLines {
  bool up = false;
  bool down = false;
  bool across = false;
};

// A tree with lines, lines at the root included: one column per ancestor
// (a line straight through where a sibling of that ancestor follows), then
// the row's own, which joins it to the row above (its previous sibling or
// its parent), to a following sibling and across to the row's text. A row
// with children draws its button over its own column's middle.
std::vector<BranchLines> TreeBranchLines(const TreeRowPlace& place);

}  // namespace selkan
