// The DMS: the array manager that lives inside the work array. It books arrays
// by number and by name, hands out their positions, allocates storage from one
// rising next-free-word address, aligns arrays of multi-word elements, records
// the highest word ever used, and reports misuse through a counted error status
// (header word 3) and numbered messages on its print unit.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

// Column selectors of DMSGET/DMSPUT: 6 dimension, 7 words per element,
// 8 start address, 9 and 10 the secondary-storage columns.
inline constexpr int kColDim = 6;
inline constexpr int kColWords = 7;
inline constexpr int kColStart = 8;

void DMSOPN(Units& io, WorkArray& wa, std::int32_t nwiwa, std::int32_t nla, std::int32_t isec,
            std::int32_t lpu, std::int32_t& status);
void DMSANN(Units& io, WorkArray& wa, std::int32_t numbering, std::int32_t name_option,
            std::int32_t label);
void DMSDFN(Units& io, WorkArray& wa, std::string_view name, std::int32_t number, std::int32_t dim,
            std::int32_t words, std::int32_t label);
void DMSDFA(Units& io, WorkArray& wa, std::int32_t number, std::int32_t dim, std::int32_t words,
            std::int32_t label, std::int32_t& status);
void DMSALC(Units& io, WorkArray& wa, std::int32_t number, std::int32_t& pos, std::int32_t label,
            std::int32_t& status);
std::int32_t DMSPTR(Units& io, WorkArray& wa, std::string_view name, std::int32_t label);
std::int32_t DMSNUM(Units& io, WorkArray& wa, std::string_view name, std::int32_t label);
std::int32_t DMSAIN(Units& io, WorkArray& wa, std::string_view name, std::int32_t code);
std::int32_t DMSINF(const WorkArray& wa, std::int32_t item);
std::int32_t DMSSTA(const WorkArray& wa);
std::int32_t DMSMOD(Units& io, WorkArray& wa);
void DMSNCV(Units& io, WorkArray& wa, std::string_view name, std::int32_t label, std::int32_t& n1,
            std::int32_t& n2);
std::int32_t DMSFND(ConstIntSpan table, std::int32_t n1, std::int32_t n2);
void DMSNST(std::int32_t number, std::int32_t n1, std::int32_t n2, IntSpan table);
std::int32_t DMSGET(const WorkArray& wa, int column, std::int32_t k);
void DMSPUT(WorkArray& wa, int column, std::int32_t k, std::int32_t value);

void IASET(IntSpan v, std::int64_t rows, std::int64_t cols, std::int32_t value);
void DASET(RealSpan v, std::int64_t rows, std::int64_t cols, double value);
void IACOPY(ConstIntSpan from, IntSpan to, std::int64_t count);

// The two message writers. DMSER1 decrements `status` for codes below 50.
void DMSER1(Units& io, int code, std::string_view name, std::int32_t v1, std::int32_t v2,
            std::int32_t label, std::int32_t lpu, std::int32_t& status);
void DMSER2(Units& io, int code, std::int32_t v1, std::int32_t v2, std::int32_t v3,
            std::int32_t label, std::int32_t lpu);

}  // namespace velkan
