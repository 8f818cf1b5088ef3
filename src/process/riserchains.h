// The risers of a model: its two-node elements taken as chains connected end
// to end, each with its elements and nodes in walk order, and the elements
// that belong to no riser, with what they are instead. A chain runs through
// nodes held by exactly two two-node elements and ends at any other node: a
// free end, a branch (three elements or more), or a node it shares with an
// element that is no two-node element.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "store/realspan.h"

namespace velkan {

// A node held by this many elements or more is a branch: no walk of the
// coarser mesh starts there or passes it.
inline constexpr std::size_t kBranchElements = 3;

enum class ChainKind {
  kRiser,     // two elements or more, from an end that is no branch
  kDetached,  // a single element, neither end a branch
  kBranch,    // a single element at a branch, or a chain whose two ends are branches
  kLoop,      // closed: every node of it held by two elements of it
};

// Internal numbers throughout: elems[k] runs from nodes[k] to nodes[k+1], so
// there is one node more than elements; a loop ends at the node it began with.
struct Chain {
  ChainKind kind = ChainKind::kRiser;
  std::vector<std::int32_t> elems;
  std::vector<std::int32_t> nodes;
  std::size_t first_held = 0, last_held = 0;  // elements at the first and the last node

  std::int32_t first() const { return nodes.front(); }
  std::int32_t last() const { return nodes.back(); }
};

enum class LoneReason {
  kNotTwoNodes,  // the element has other than two nodes
  kOneNode,      // its two nodes are the same node
  kNoNode,       // a node of it is no node of the model
};

struct LoneElement {
  std::int32_t elem = 0;  // internal number
  LoneReason why = LoneReason::kNotTwoNodes;
};

// Every two-node element lies on exactly one chain, of `risers` or of
// `apart`; every other element is in `lone`. A riser begins at its end that
// is no branch, or, when neither is, at the end with the smaller FlexCom
// number; the chains apart begin the same way, and a loop at its node with
// the smallest FlexCom number, going on to the smaller of its two
// neighbours. Risers and chains apart are in the order of their first and
// then last node's FlexCom number, lone elements in that of their own; ties
// (numbers given twice) go by internal number. So the answer does not depend
// on the order of the listing.
struct RiserChains {
  std::vector<Chain> risers;
  std::vector<Chain> apart;
  std::vector<LoneElement> lone;
};

// The chains of the first NEL elements of MNPC/MPMNPC over NNP nodes; MNPEX
// and MELEX give the FlexCom numbers that orient and order them. Linear in
// the size of the model, apart from the final sorts. Nullopt when the element
// pointers or the number arrays do not fit the counts.
std::optional<RiserChains> riser_chains(ConstIntSpan MNPC, ConstIntSpan MPMNPC, std::int32_t NEL,
                                        std::int32_t NNP, ConstIntSpan MNPEX, ConstIntSpan MELEX);

}  // namespace velkan
