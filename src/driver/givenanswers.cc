// From options to answers. --vomar and --shear7 choose the sub-operation and
// leave the operation menu at its default; with --vomar, the coarser mesh and
// the sea bed are made only when their options ask for them.
#include "driver/givenanswers.h"

#include <string>

#include "driver/prompttexts.h"

namespace velkan {
namespace {

void give_coarsening(const CommandLine& cl, Dialogue& ask) {
  if (cl.coarsen.empty()) {
    if (cl.vomar) ask.give(kCoarsenPrompt, "no");
    return;
  }
  ask.give(kCoarsenPrompt, "yes");
  ask.give(kRisersPrompt, std::to_string(cl.coarsen.size()));
  for (const std::vector<CoarseningSegment>& riser : cl.coarsen) {
    ask.give(kSegmentsPrompt, std::to_string(riser.size()));
    for (const CoarseningSegment& s : riser) {
      ask.give(kSegmentPrompt, std::to_string(s.first) + " " + std::to_string(s.last) + " " +
                                   std::to_string(s.skip));
    }
  }
}

void give_seabed(const CommandLine& cl, Dialogue& ask) {
  if (cl.seabed) {
    ask.give(kSeabedPrompt, "yes");
    ask.give(kSeabedLevelPrompt, *cl.seabed);
  } else if (cl.vomar) {
    ask.give(kSeabedPrompt, "no");
  }
}

}  // namespace

void give_answers(const CommandLine& cl, Dialogue& ask) {
  if (cl.listing) ask.give(kListingPrompt, *cl.listing);
  if (cl.vomar || cl.shear7) {
    ask.give(kOperationPrompt, "");
    ask.give(kSubOperationPrompt, cl.vomar ? "2" : "1");
  }
  if (cl.shear7) ask.give(kShear7FilePrompt, *cl.shear7);
  if (cl.scale) ask.give(kScalePrompt, *cl.scale);
  if (cl.vomar) ask.give(kVomarFilePrompt, *cl.vomar);
  give_coarsening(cl, ask);
  if (cl.hinge) ask.give(kHingePrompt, *cl.hinge);
  give_seabed(cl, ask);
}

}  // namespace velkan
