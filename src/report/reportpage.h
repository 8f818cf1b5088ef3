// What a report page is made of: the run, the figures of both sides and the
// flags, as the HTML and the JSON page take them.
#pragma once

#include <string>
#include <vector>

#include "report/conversionnotes.h"
#include "report/listingfigures.h"
#include "report/modelfile.h"
#include "report/reportfigures.h"
#include "report/reportflags.h"
#include "report/shear7figures.h"

namespace velkan {

struct ReportInput {
  std::string listing_name, model_name, stamp;
  const ListingFigures* listing = nullptr;
  const ConversionNotes* notes = nullptr;
  // A Vomar conversion has the model file and its figures, a Shear7 export
  // its profile.
  const ModelFile* file = nullptr;
  const ReportFigures* figures = nullptr;
  const Shear7Figures* shear7 = nullptr;
  const std::vector<Flag>* flags = nullptr;
};

}  // namespace velkan
