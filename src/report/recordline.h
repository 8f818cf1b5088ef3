// One record line of a model file read field by field: each field read as
// the record takes it, every field that cannot be read a fault that names
// the record ("BEAM 3", once its number is read) and the field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/faultlist.h"
#include "report/recordfields.h"

namespace velkan {

// A line as a fault shows it: without the blanks around it, control
// characters as '?', cut after 60 characters.
std::string shown_text(std::string_view text);
// "value 3": a value named by its place.
std::string value_name(std::size_t index);

// Fields counted from 1: the field behind the keyword, or on a continuation
// line the first field. An absent field reads as 0 (NaN for a real) without
// a fault: the record's field count has its own.
class RecordLine {
 public:
  RecordLine(const LineFields& fields, std::int64_t line, std::string_view keyword,
             FaultList& faults, bool continuation = false)
      : f_(fields),
        line_(line),
        keyword_(keyword),
        faults_(faults),
        offset_(continuation ? 0 : 1) {}
  std::size_t count() const { return f_.size() - offset_; }
  // The record named by its number, as on a continuation line.
  void name(std::int32_t number) {
    named_ = true;
    number_ = number;
  }
  // The keyword, and the number once read.
  std::string record_name() const;
  // A fault about the record.
  void say(const std::string& what);
  // A fault unless the field count is as the record takes it.
  void counted(bool right, std::string_view expected);
  // The record's number in field k, which names the record from then on.
  // False when it cannot be read: the record is left out.
  bool number(std::size_t k, std::int32_t& n);
  std::int32_t integer(std::size_t k, std::string_view name);
  double real(std::size_t k, std::string_view name);
  // Fields k to the last as reals, named "value <i>" with i from `first_index`.
  void reals_from(std::size_t k, std::size_t first_index, std::vector<double>& out);
  std::string_view word(std::size_t k) const { return k <= count() ? field(k) : ""; }

 private:
  std::string_view field(std::size_t k) const { return f_[k - 1 + offset_]; }
  void fault(std::string_view name, FieldProblem p, std::string_view text);

  const LineFields& f_;
  std::int64_t line_;
  std::string_view keyword_;
  FaultList& faults_;
  std::size_t offset_;
  bool named_ = false;
  std::int32_t number_ = 0;
};

}  // namespace velkan
