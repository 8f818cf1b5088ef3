// The flags of a conversion report: what an engineer must be told before
// signing the model, one line each, in the order of the report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/conversionnotes.h"
#include "report/listingfigures.h"
#include "report/modelfile.h"
#include "report/reportfigures.h"
#include "report/shear7figures.h"

namespace velkan {

// A change of mass or length, and a move of the centre of mass (in per cent of
// the riser's length), beyond which a riser is flagged.
inline constexpr double kFlagPercent = 0.5;

struct Flag {
  std::string code;       // stable, as the JSON holds it
  std::size_t riser = 0;  // from 1; 0 for the whole model
  std::string text;       // one line
};

// "Riser 2 (nodes 201 to 207)".
std::string riser_name(std::size_t number, const ListingRiser& riser);

std::vector<Flag> vomar_flags(const ListingFigures& listing, const ReportFigures& figures,
                              const ConversionNotes& notes, const ModelFile& file);
std::vector<Flag> shear7_flags(const ListingFigures& listing, const Shear7Figures& figures);

}  // namespace velkan
