// The records of a model file found by their numbers, in near-constant time
// per look-up, built once for many look-ups.
#pragma once

#include <cstddef>
#include <cstdint>

#include "report/modelfile.h"
#include "report/numberindex.h"

namespace velkan {

class ModelLookup {
 public:
  explicit ModelLookup(const ModelFile& file);
  // The position of the record numbered `number` in file.nodes (beams,
  // springs, sections, surfaces, materials); -1 when the file has none.
  // Where a number is used twice, the first record of the family wins: an
  // element number first used by a spring is no beam's.
  std::int64_t node(std::int32_t number) const { return at(nodes_, number); }
  std::int64_t beam(std::int32_t number) const;
  std::int64_t spring(std::int32_t number) const;
  std::int64_t section(std::int32_t number) const { return at(sections_, number); }
  std::int64_t surface(std::int32_t number) const { return at(surfaces_, number); }
  std::int64_t material(std::int32_t number) const { return at(materials_, number); }
  // The position among the beams followed by the springs.
  std::int64_t element(std::int32_t number) const { return at(elements_, number); }

 private:
  static std::int64_t at(const NumberIndex& p, std::int32_t number) { return p.find(number); }
  NumberIndex nodes_, elements_, sections_, surfaces_, materials_;
  std::int64_t beam_count_ = 0;
};

}  // namespace velkan
