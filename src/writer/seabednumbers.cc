// Choosing the numbers of the sea-bed model: the usual offsets where they are
// free, else the first larger offsets that are.
#include "writer/seabednumbers.h"

#include <array>
#include <limits>

#include "store/numberlookup.h"

namespace velkan {
namespace {

constexpr std::array<std::int64_t, 3> kScales = {1, 10, 100};
constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

std::string text(std::int64_t n) {
  return std::to_string(n);
}

SeabedNumbering scaled(std::int64_t scale) {
  const SeabedNumbering usual;
  return {usual.spring_offset * scale, usual.curve_offset * scale, usual.shared_curve * scale};
}

// The element and material numbers of the rest of the model file.
class NumbersInUse {
 public:
  NumbersInUse(ConstIntSpan elements, ConstIntSpan materials)
      : elements_(elements), materials_(materials) {}
  // "element N is in use" (or material), "" when the number is free.
  std::string clash(std::int64_t number) const {
    if (number > kLargest) return {};
    const auto n = static_cast<std::int32_t>(number);
    if (elements_.find(n) != 0) return "element " + text(n) + " is in use";
    if (materials_.find(n) != 0) return "material " + text(n) + " is in use";
    return {};
  }

 private:
  FirstPositions elements_, materials_;
};

// The sea-bed nodes' numbers and where each first stands.
class SeabedNodes {
 public:
  explicit SeabedNodes(ConstIntSpan nodes) : nodes_(nodes), place_(nodes) {}
  std::size_t size() const { return nodes_.size(); }
  std::int32_t operator[](std::size_t k) const { return nodes_[k]; }
  // The first place (from 1) of node `n`; 0 when no sea-bed node has that number.
  std::int32_t place(std::int64_t n) const {
    const bool fits = n >= std::numeric_limits<std::int32_t>::min() && n <= kLargest;
    return fits ? place_.find(static_cast<std::int32_t>(n)) : 0;
  }

 private:
  ConstIntSpan nodes_;
  FirstPositions place_;
};

// What keeps the sea-bed numbers of node k (at place k + 1) from being used.
std::string node_clash(const SeabedNumbering& s, const SeabedNodes& nodes, std::size_t k,
                       const NumbersInUse& used) {
  const std::int64_t n = nodes[k];
  const std::int64_t spring = n + s.spring_offset, curve = n + s.curve_offset;
  if (spring > kLargest) return "node " + text(n) + " gives " + text(spring) + ", beyond 32 bits";
  if (nodes.place(n) != static_cast<std::int32_t>(k + 1)) {
    return "node " + text(n) + " is on the sea bed twice";
  }
  for (const std::int64_t number : {spring, curve}) {
    if (std::string why = used.clash(number); !why.empty()) return why;
  }
  if (const std::int32_t at = nodes.place(spring - s.curve_offset); at != 0) {
    return "spring " + text(spring) + " of node " + text(n) + " is the curve of node " +
           text(nodes[static_cast<std::size_t>(at - 1)]);
  }
  if (const std::int32_t at = nodes.place(curve - s.spring_offset); at != 0) {
    return "curve " + text(curve) + " of node " + text(n) + " is the spring of node " +
           text(nodes[static_cast<std::size_t>(at - 1)]);
  }
  if (spring == s.shared_curve) {
    return "spring " + text(spring) + " of node " + text(n) + " is the shared curve";
  }
  if (curve == s.shared_curve) {
    return "curve " + text(curve) + " of node " + text(n) + " is the shared curve";
  }
  return {};
}

// The first clash of a numbering, the shared curve first, then the nodes in
// the order their blocks are written; "" when it is free.
std::string first_clash(const SeabedNumbering& s, const SeabedNodes& nodes,
                        const NumbersInUse& used) {
  if (std::string why = used.clash(s.shared_curve); !why.empty()) return why;
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    if (std::string why = node_clash(s, nodes, k, used); !why.empty()) return why;
  }
  return {};
}

}  // namespace

SeabedNumberChoice choose_seabed_numbers(ConstIntSpan nodes, ConstIntSpan elements,
                                         ConstIntSpan materials) {
  const NumbersInUse used(elements, materials);
  const SeabedNodes seabed(nodes);
  SeabedNumberChoice choice;
  choice.clash = first_clash(choice.numbering, seabed, used);
  if (choice.clash.empty()) return choice;
  for (std::size_t k = 1; k < kScales.size(); ++k) {
    choice.numbering = scaled(kScales[k]);
    if (first_clash(choice.numbering, seabed, used).empty()) return choice;
  }
  choice.free = false;
  return choice;
}

std::string seabed_numbers_note(const SeabedNumberChoice& choice) {
  if (choice.clash.empty()) return {};
  if (!choice.free) {
    std::string tried = text(scaled(kScales[0]).spring_offset);
    for (std::size_t k = 1; k < kScales.size(); ++k) {
      tried += (k + 1 == kScales.size() ? " or " : ", ") + text(scaled(kScales[k]).spring_offset);
    }
    return " *** Sea-bed model not written: no free numbers at " + tried + " + node (" +
           choice.clash + ").";
  }
  const SeabedNumbering& s = choice.numbering;
  return " *** Sea-bed numbers moved to " + text(s.spring_offset) + " + node and " +
         text(s.curve_offset) + " + node, the shared curve to " + text(s.shared_curve) + ": " +
         choice.clash + ".";
}

}  // namespace velkan
