// Number look-ups over the records of a model file.
#include "report/modellookup.h"

#include <vector>

namespace velkan {
namespace {

template <typename Record>
void add_numbers(const std::vector<Record>& records, std::vector<std::int32_t>& numbers) {
  for (const Record& r : records) numbers.push_back(r.number);
}

template <typename Record>
NumberIndex positions_of(const std::vector<Record>& records) {
  std::vector<std::int32_t> numbers;
  numbers.reserve(records.size());
  add_numbers(records, numbers);
  return NumberIndex(numbers);
}

NumberIndex element_positions(const ModelFile& file) {
  std::vector<std::int32_t> numbers;
  numbers.reserve(file.beams.size() + file.springs.size());
  add_numbers(file.beams, numbers);
  add_numbers(file.springs, numbers);
  return NumberIndex(numbers);
}

}  // namespace

ModelLookup::ModelLookup(const ModelFile& file)
    : nodes_(positions_of(file.nodes)),
      elements_(element_positions(file)),
      sections_(positions_of(file.sections)),
      surfaces_(positions_of(file.surfaces)),
      materials_(positions_of(file.materials)),
      beam_count_(static_cast<std::int64_t>(file.beams.size())) {}

std::int64_t ModelLookup::beam(std::int32_t number) const {
  const std::int64_t e = element(number);
  return e < beam_count_ ? e : -1;
}

std::int64_t ModelLookup::spring(std::int32_t number) const {
  const std::int64_t e = element(number);
  return e < beam_count_ ? -1 : e - beam_count_;
}

}  // namespace velkan
