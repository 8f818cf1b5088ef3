// Walking along a riser: the elements at a node, the other node of a two-node
// element, the next element across a node, and the walk from a first node
// along a start element through nodes held by exactly two two-node elements.
// All of it reads the connectivity as it was before the coarsening edits it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "store/realspan.h"

namespace velkan {

// True when the first NEL elements' node ranges MPMNPC(e)..MPMNPC(e+1)-1 are
// non-decreasing and lie inside a node list of `list_size` entries.
bool element_pointers_fit(ConstIntSpan mpmnpc, std::int32_t nel, std::size_t list_size);

// The connectivity with node-to-element lists built once (internal numbers).
class Mesh {
 public:
  // Requires element_pointers_fit(mpmnpc, nel, mnpc.size()); nullopt otherwise.
  static std::optional<Mesh> build(ConstIntSpan mnpc, ConstIntSpan mpmnpc, std::int32_t nel,
                                   std::int32_t nnp);

  std::int32_t nel() const { return nel_; }
  std::int32_t nnp() const { return nnp_; }
  // Elements whose node list holds the node, rising, once per matching entry.
  ConstIntSpan elements_at(std::int32_t node) const;
  std::int32_t node_count(std::int32_t elem) const;
  // Node `slot` (1 or 2) of a two-node element.
  std::int32_t node(std::int32_t elem, int slot) const;
  // For a two-node element the node that is not `from` (its second node when
  // `from` is its first, else its first); 0 for an element or node below 1 or an
  // element without exactly two nodes.
  std::int32_t other_node(std::int32_t elem, std::int32_t from) const;
  // When exactly two elements hold the node, the one that is not `elem` (0 if
  // neither is); 0 when the node does not have exactly two elements.
  std::int32_t next_element(std::int32_t node, std::int32_t elem) const;

 private:
  Mesh(ConstIntSpan mnpc, ConstIntSpan mpmnpc, std::int32_t nel, std::int32_t nnp)
      : mnpc_(mnpc), mpmnpc_(mpmnpc), nel_(nel), nnp_(nnp) {}
  ConstIntSpan mnpc_, mpmnpc_;
  std::int32_t nel_, nnp_;
  std::vector<std::int32_t> first_;  // first_[n-1] .. first_[n]-1 index into at_
  std::vector<std::int32_t> at_;
};

enum class WalkEnd {
  kReached,     // the last node was reached
  kFreeEnd,     // a node on the way is held by fewer than two elements
  kBranch,      // a node on the way is held by more than two elements
  kBadElement,  // an element without two different model nodes
  kNotReached,  // more steps than elements: a loop that misses the last node
};

// A walk from a first node: elems[k] runs from nodes[k] to nodes[k+1]. When it
// did not reach the last node, `at` is the node (or, for kBadElement, the
// element) where it stopped.
struct Walk {
  WalkEnd end = WalkEnd::kReached;
  std::int32_t at = 0;
  std::vector<std::int32_t> elems;
  std::vector<std::int32_t> nodes;
};

// Walks from node `first` along element `start` until node `last`, through
// nodes held by exactly two different two-node elements; never more than NEL
// elements.
Walk walk_to(const Mesh& mesh, std::int32_t first, std::int32_t start, std::int32_t last);

}  // namespace velkan
