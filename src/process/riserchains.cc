// The chains of two-node elements, found over the node-to-element lists in
// one pass: first from every node that ends a chain, then around the two-node
// elements left, which can only lie on closed loops. Each element is walked
// once.
#include "process/riserchains.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "process/meshwalk.h"

namespace velkan {
namespace {

std::size_t at0(std::int64_t one_based) {
  return static_cast<std::size_t>(one_based - 1);
}

using Key = std::pair<std::int32_t, std::int32_t>;  // FlexCom number, then internal number

struct Builder {
  const Mesh& mesh;
  ConstIntSpan mnpex, melex;
  std::vector<bool> link;   // per element: two different nodes of the model
  std::vector<bool> taken;  // per element: on a chain already

  Key node_key(std::int32_t n) const { return {mnpex[at0(n)], n}; }
  Key elem_key(std::int32_t e) const { return {melex[at0(e)], e}; }
  std::size_t held(std::int32_t node) const { return mesh.elements_at(node).size(); }
  bool is_link(std::int32_t e) const { return link[at0(e)]; }
  // A chain passes the node: exactly two elements hold it, both two-node elements.
  bool passes(std::int32_t node) const {
    const ConstIntSpan at = mesh.elements_at(node);
    return at.size() == 2 && is_link(at[0]) && is_link(at[1]);
  }

  // From `node` along `elem` to the first node that no chain passes, or back
  // to `node` around a loop.
  Chain walk(std::int32_t node, std::int32_t elem) {
    Chain c;
    const std::int32_t start = node;
    c.nodes.push_back(node);
    for (;;) {
      taken[at0(elem)] = true;
      c.elems.push_back(elem);
      node = mesh.other_node(elem, node);
      c.nodes.push_back(node);
      if (node == start || !passes(node)) break;
      elem = mesh.next_element(node, elem);
    }
    c.first_held = held(c.first());
    c.last_held = held(c.last());
    return c;
  }

  // An open chain begins at its end that is no branch; when both or neither
  // are, at the end with the smaller node number (the element at that end
  // decides between the two ends of one node).
  void orient(Chain& c) const {
    const bool first_branch = c.first_held >= kBranchElements;
    const bool last_branch = c.last_held >= kBranchElements;
    const auto end_key = [&](std::int32_t node, std::int32_t elem) {
      return std::make_pair(node_key(node), elem_key(elem));
    };
    const bool flip = first_branch != last_branch
                          ? first_branch
                          : end_key(c.last(), c.elems.back()) < end_key(c.first(), c.elems.front());
    if (flip) {
      std::reverse(c.nodes.begin(), c.nodes.end());
      std::reverse(c.elems.begin(), c.elems.end());
      std::swap(c.first_held, c.last_held);
    }
    if (c.elems.size() >= 2 && c.first() != c.last() && !(first_branch && last_branch)) {
      c.kind = ChainKind::kRiser;
    } else if (c.elems.size() == 1 && !first_branch && !last_branch) {
      c.kind = ChainKind::kDetached;
    } else {
      c.kind = ChainKind::kBranch;
    }
  }

  // A loop begins at its node with the smallest number and goes on towards
  // the smaller of that node's two neighbours (of two elements between the
  // same two nodes, along the one with the smaller number).
  Chain loop_from(const Chain& around) const {
    const std::size_t m = around.elems.size();
    std::size_t i = 0;
    for (std::size_t k = 1; k < m; ++k) {
      if (node_key(around.nodes[k]) < node_key(around.nodes[i])) i = k;
    }
    const std::size_t back = (i + m - 1) % m;
    const bool forward = std::make_pair(node_key(around.nodes[i + 1]), elem_key(around.elems[i])) <
                         std::make_pair(node_key(around.nodes[back]), elem_key(around.elems[back]));
    Chain c;
    c.kind = ChainKind::kLoop;
    c.first_held = c.last_held = 2;
    for (std::size_t k = 0; k < m; ++k) {
      const std::size_t node = forward ? (i + k) % m : (i + m - k) % m;
      c.nodes.push_back(around.nodes[node]);
      c.elems.push_back(around.elems[forward ? node : (node + m - 1) % m]);
    }
    c.nodes.push_back(c.nodes.front());
    return c;
  }

  bool before(const Chain& a, const Chain& b) const {
    return std::make_tuple(node_key(a.first()), node_key(a.last()), elem_key(a.elems.front())) <
           std::make_tuple(node_key(b.first()), node_key(b.last()), elem_key(b.elems.front()));
  }
};

// What keeps an element off every chain; nullopt for a two-node element.
std::optional<LoneReason> lone_reason(const Mesh& mesh, std::int32_t e) {
  if (mesh.node_count(e) != 2) return LoneReason::kNotTwoNodes;
  const std::int32_t a = mesh.node(e, 1), b = mesh.node(e, 2);
  if (a < 1 || a > mesh.nnp() || b < 1 || b > mesh.nnp()) return LoneReason::kNoNode;
  if (a == b) return LoneReason::kOneNode;
  return std::nullopt;
}

}  // namespace

std::optional<RiserChains> riser_chains(ConstIntSpan MNPC, ConstIntSpan MPMNPC, std::int32_t NEL,
                                        std::int32_t NNP, ConstIntSpan MNPEX, ConstIntSpan MELEX) {
  if (NEL < 0 || NNP < 0 || MNPEX.size() < static_cast<std::size_t>(NNP) ||
      MELEX.size() < static_cast<std::size_t>(NEL)) {
    return std::nullopt;
  }
  const std::optional<Mesh> mesh = Mesh::build(MNPC, MPMNPC, NEL, NNP);
  if (!mesh) return std::nullopt;
  const auto nel = static_cast<std::size_t>(NEL);
  Builder b{*mesh, MNPEX, MELEX, std::vector<bool>(nel), std::vector<bool>(nel)};
  RiserChains result;
  for (std::int32_t e = 1; e <= NEL; ++e) {
    const std::optional<LoneReason> why = lone_reason(*mesh, e);
    if (why) result.lone.push_back({e, *why});
    b.link[at0(e)] = !why;
  }
  for (std::int32_t n = 1; n <= NNP; ++n) {
    if (b.passes(n)) continue;
    for (const std::int32_t e : mesh->elements_at(n)) {
      if (!b.is_link(e) || b.taken[at0(e)]) continue;
      Chain c = b.walk(n, e);
      b.orient(c);
      (c.kind == ChainKind::kRiser ? result.risers : result.apart).push_back(std::move(c));
    }
  }
  for (std::int32_t e = 1; e <= NEL; ++e) {
    if (b.is_link(e) && !b.taken[at0(e)]) {
      result.apart.push_back(b.loop_from(b.walk(mesh->node(e, 1), e)));
    }
  }
  const auto before = [&b](const Chain& x, const Chain& y) { return b.before(x, y); };
  std::sort(result.risers.begin(), result.risers.end(), before);
  std::sort(result.apart.begin(), result.apart.end(), before);
  std::sort(result.lone.begin(), result.lone.end(),
            [&b](const LoneElement& x, const LoneElement& y) {
              return b.elem_key(x.elem) < b.elem_key(y.elem);
            });
  return result;
}

}  // namespace velkan
