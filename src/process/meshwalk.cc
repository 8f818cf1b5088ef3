// Walking along a riser over node-to-element lists, which answer the same as
// scanning all elements for a node.
#include "process/meshwalk.h"

#include <utility>

namespace velkan {
namespace {

std::size_t at0(std::int64_t one_based) {
  return static_cast<std::size_t>(one_based - 1);
}

}  // namespace

bool element_pointers_fit(ConstIntSpan mpmnpc, std::int32_t nel, std::size_t list_size) {
  if (nel < 0 || mpmnpc.size() < static_cast<std::size_t>(nel) + 1) return false;
  for (std::size_t e = 0; e < static_cast<std::size_t>(nel); ++e) {
    const std::int64_t first = mpmnpc[e], end = mpmnpc[e + 1];
    if (first < 1 || end < first || end - 1 > static_cast<std::int64_t>(list_size)) return false;
  }
  return true;
}

std::optional<Mesh> Mesh::build(ConstIntSpan mnpc, ConstIntSpan mpmnpc, std::int32_t nel,
                                std::int32_t nnp) {
  if (nnp < 0 || !element_pointers_fit(mpmnpc, nel, mnpc.size())) return std::nullopt;
  Mesh m(mnpc, mpmnpc, nel, nnp);
  m.first_.assign(static_cast<std::size_t>(nnp) + 1, 0);
  const auto each_entry = [&](auto&& visit) {
    for (std::int32_t e = 1; e <= nel; ++e) {
      for (std::int32_t p = mpmnpc[at0(e)]; p < mpmnpc[at0(e) + 1]; ++p) {
        const std::int32_t g = mnpc[at0(p)];
        if (g >= 1 && g <= nnp) visit(g, e);
      }
    }
  };
  each_entry([&](std::int32_t g, std::int32_t) { ++m.first_[static_cast<std::size_t>(g)]; });
  for (std::size_t n = 1; n < m.first_.size(); ++n) m.first_[n] += m.first_[n - 1];
  m.at_.assign(static_cast<std::size_t>(m.first_.back()), 0);
  std::vector<std::int32_t> fill(m.first_.begin(), m.first_.end() - 1);
  each_entry(
      [&](std::int32_t g, std::int32_t e) { m.at_[static_cast<std::size_t>(fill[at0(g)]++)] = e; });
  return m;
}

ConstIntSpan Mesh::elements_at(std::int32_t node) const {
  if (node < 1 || node > nnp_) return {};
  const auto first = static_cast<std::size_t>(first_[at0(node)]);
  const auto end = static_cast<std::size_t>(first_[at0(node) + 1]);
  return ConstIntSpan(at_).subspan(first, end - first);
}

std::int32_t Mesh::node_count(std::int32_t elem) const {
  if (elem < 1 || elem > nel_) return 0;
  return mpmnpc_[at0(elem) + 1] - mpmnpc_[at0(elem)];
}

std::int32_t Mesh::node(std::int32_t elem, int slot) const {
  return mnpc_[at0(mpmnpc_[at0(elem)]) + static_cast<std::size_t>(slot - 1)];
}

std::int32_t Mesh::other_node(std::int32_t elem, std::int32_t from) const {
  if (elem < 1 || from < 1 || node_count(elem) != 2) return 0;
  return node(elem, 1) == from ? node(elem, 2) : node(elem, 1);
}

std::int32_t Mesh::next_element(std::int32_t node, std::int32_t elem) const {
  const ConstIntSpan at = elements_at(node);
  if (at.size() != 2) return 0;
  if (at[0] == elem) return at[1];
  if (at[1] == elem) return at[0];
  return 0;
}

namespace {

bool sound_element(const Mesh& mesh, std::int32_t elem) {
  if (mesh.node_count(elem) != 2) return false;
  const std::int32_t a = mesh.node(elem, 1), b = mesh.node(elem, 2);
  return a != b && a >= 1 && a <= mesh.nnp() && b >= 1 && b <= mesh.nnp();
}

Walk stopped(Walk w, WalkEnd end, std::int32_t at) {
  w.end = end;
  w.at = at;
  return w;
}

}  // namespace

Walk walk_to(const Mesh& mesh, std::int32_t first, std::int32_t start, std::int32_t last) {
  Walk w;
  w.nodes.push_back(first);
  std::int32_t elem = start;
  std::int32_t node = first;
  for (;;) {
    if (!sound_element(mesh, elem)) return stopped(std::move(w), WalkEnd::kBadElement, elem);
    if (static_cast<std::int32_t>(w.elems.size()) == mesh.nel()) {
      return stopped(std::move(w), WalkEnd::kNotReached, node);
    }
    node = mesh.other_node(elem, node);
    w.elems.push_back(elem);
    w.nodes.push_back(node);
    if (node == last) return w;
    const std::size_t held = mesh.elements_at(node).size();
    if (held < 2) return stopped(std::move(w), WalkEnd::kFreeEnd, node);
    if (held > 2) return stopped(std::move(w), WalkEnd::kBranch, node);
    const std::int32_t next = mesh.next_element(node, elem);
    if (next == 0 || next == elem) return stopped(std::move(w), WalkEnd::kBadElement, elem);
    elem = next;
  }
}

}  // namespace velkan
