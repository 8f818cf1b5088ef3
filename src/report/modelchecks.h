// The checks of a model file that look across its records: numbers used
// twice within a family, and references to records the file does not hold.
#pragma once

#include "report/faultlist.h"
#include "report/modelfile.h"

namespace velkan {

// Adds a fault for every number used again within a family (at the later
// record, naming the line of the earlier one) and for every beam, spring,
// MREF or time-dependent material that names what is not in the file.
// Records whose line has a fault already are not checked for references.
void check_references(const ModelFile& file, FaultList& faults);

}  // namespace velkan
