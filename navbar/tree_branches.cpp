#include "navbar/tree_branches.h"

namespace selkan {

std::vector<BranchLines> TreeBranchLines(const TreeRowPlace& place) {
  std::vector<BranchLines> columns;
  columns.reserve(place.ancestorsFollowed.size() + 1);
  for (const bool followed : place.ancestorsFollowed)
    columns.push_back({followed, followed, false});
  columns.push_back({place.hasPreviousSibling || place.hasParent, place.hasNextSibling, true});
  return columns;
}

}  // namespace selkan
