// The record grammar of a Vomar model file: each line read into the records
// of a ModelFile, with a fault for every line or field that is not what the
// record takes. A record that takes continuation lines (GENBEAM, HYPELAST)
// stays open until the next record line or the end of the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "report/faultlist.h"
#include "report/modelfile.h"
#include "report/recordfields.h"

namespace velkan {

class RecordReader {
 public:
  RecordReader(ModelFile& file, FaultList& faults) : file_(file), faults_(faults) {}
  // Line `number` (from 1) of the file, without its line end.
  void read_line(std::int64_t number, std::string_view text);
  // The end of the file: the open record is complete.
  void finish() { close_open(); }
  // Whether line `text` ends the open record before anything else (a record
  // line): the lines from it on can be read by a reader of their own.
  static bool starts_afresh(std::string_view text);

 private:
  // kDropped: a record left out for its number; its continuation lines go with it.
  enum class Open { kNone, kSection, kCurve, kDropped };
  void open_record(bool section, std::int32_t record_number, std::int64_t number);
  void close_open();
  void continue_open(std::int64_t number, const LineFields& fields, std::string_view text);
  std::vector<double>& open_values();
  std::string open_name() const;

  ModelFile& file_;
  FaultList& faults_;
  Open open_ = Open::kNone;  // the record that continuation lines add values to
  std::int64_t open_line_ = 0;
  std::int32_t open_number_ = 0;
};

}  // namespace velkan
