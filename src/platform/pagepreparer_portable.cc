// Preparing pages where no system-specific source is written: nothing is done,
// and pages are faulted in when first used.
#include "platform/pagepreparer.h"

namespace velkan {

struct PagePreparer::Worker {};

PagePreparer::PagePreparer(void* /*block*/, std::size_t /*bytes*/) {}
PagePreparer::~PagePreparer() = default;
void PagePreparer::prepare(std::size_t /*from*/, std::size_t /*to*/) {}

}  // namespace velkan
