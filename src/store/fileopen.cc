// File opening with its characteristics report and error messages.
// Routines: OPNFIL, OPNTXT.
#include "store/fileopen.h"

#include <string>

#include "lineinput/charutil.h"
#include "platform/numfmt.h"

namespace velkan {
namespace {

struct OpenSettings {
  std::string_view status = "UNKNOWN";
  std::string_view access = "SEQUENTIAL";
  std::string_view form = "FORMATTED";
  std::string_view blank = "NULL";
  std::int32_t record_length = 0;
};

FileStatus file_status(std::string_view s) {
  if (s == "OLD") return FileStatus::kOld;
  if (s == "NEW") return FileStatus::kNew;
  if (s == "SCRATCH") return FileStatus::kScratch;
  return FileStatus::kUnknown;
}

void error_header(Units& io, std::int32_t lpu, std::int32_t unit) {
  io.newline(lpu);
  io.newline(lpu);
  io.newline(lpu);
  io.write(lpu, Line().a(" *** ERROR DURING OPENING OF FILE UNIT").i(unit, 5).str());
}

void report_opened(Units& io, std::int32_t lpu, std::string_view name, std::int32_t unit,
                   const OpenSettings& settings) {
  io.newline(lpu);
  io.newline(lpu);
  io.newline(lpu);
  if (settings.status == "SCRATCH") {
    io.write(lpu, Line().a("     A SCRATCH FILE IS OPENED ON UNIT NO.").i(unit, 4).str());
  } else {
    io.write(lpu, "     FILE  " + std::string(name));
    io.write(lpu, Line().a("     IS OPENED ON UNIT NO.").i(unit, 4).str());
  }
  io.write(lpu, "     FILE CHARACTERISTICS :");
  io.write(lpu, "          STATUS =" + padded(settings.status, 7));
  io.write(lpu, "          ACCESS =" + padded(settings.access, 10));
  io.write(lpu, "          FORM   =" + padded(settings.form, 11));
  io.write(lpu, Line()
                    .a("          LENGTH =")
                    .i(settings.record_length, 5)
                    .a(" WORDS/BYTES PER RECORD (SECTOR)")
                    .str());
  if (settings.form == "FORMATTED") io.write(lpu, "          BLANK  =" + padded(settings.blank, 4));
}

// The open specifiers selected by the codes.
OpenSettings open_settings(std::int32_t status_code, std::int32_t access_code,
                           std::int32_t form_code, std::int32_t blank_code,
                           std::int32_t record_length) {
  OpenSettings settings;
  if (status_code == 2) settings.status = "OLD";
  if (status_code == 3) settings.status = "NEW";
  if (status_code == 4) settings.status = "SCRATCH";
  if (access_code == 20 || access_code == 30) {
    settings.access = "DIRECT";
    settings.form = "UNFORMATTED";
    settings.record_length = access_code == 30 ? 128 : record_length;
  }
  if (form_code == 1) settings.form = "FORMATTED";
  if (form_code == 2) settings.form = "UNFORMATTED";
  if (access_code == 20 && settings.form == "FORMATTED") settings.record_length = record_length * 4;
  settings.blank = blank_code == 1 ? "ZERO" : "NULL";
  return settings;
}

// The open status of the previous OPNTXT call.
std::int32_t g_last_text_status = 1;

}  // namespace

void OPNFIL(Units& io, std::string_view name, std::int32_t unit, std::int32_t status_code,
            std::int32_t access_code, std::int32_t form_code, std::int32_t blank_code,
            std::int32_t record_length, std::int32_t report, std::int32_t lpu,
            std::int32_t& iostat) {
  iostat = 0;
  if (unit < 1 || unit > Units::kMaxUnit) {
    if (lpu >= 1) {
      error_header(io, lpu, unit);
      io.write(lpu, "     ILLEGAL FILE UNIT");
    }
    iostat = -901;
    return;
  }
  if (access_code == 20 && record_length < 1) {
    if (lpu >= 1) {
      error_header(io, lpu, unit);
      io.write(lpu, Line().a("     ILLEGAL RECORD LENGTH =").i(record_length, 5).str());
    }
    iostat = -902;
    return;
  }
  const OpenSettings settings =
      open_settings(status_code, access_code, form_code, blank_code, record_length);
  const int rc = io.open(unit, name, file_status(settings.status));
  if (rc <= 0) {
    if (report >= 1 && lpu >= 1) report_opened(io, lpu, name, unit, settings);
    return;
  }
  if (lpu >= 1) {
    error_header(io, lpu, unit);
    io.write(lpu, Line().a("     ERROR CODE =").i(rc, 5).a("  (SYSTEM PARAMETER)").str());
  }
  iostat = -rc;
}

void OPNTXT(Units& io, std::string_view name, std::int32_t unit, std::int32_t existing,
            std::int32_t& status) {
  if (existing > 0) g_last_text_status = 2;
  if (existing == 0) g_last_text_status = 1;
  std::int32_t iostat = 0;
  OPNFIL(io, trimmed(name), unit, g_last_text_status, 0, 1, 0, 0, 0, 0, iostat);
  if (iostat < 0) status = -1;
}

}  // namespace velkan
