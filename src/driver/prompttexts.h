// The prompts of the console dialogue, each 39 characters (the hinge prompt
// 37) ending in ":" and two blanks: the questions the conversion asks, and
// the keys under which the command line's options give their answers.
#pragma once

#include <string_view>

namespace velkan {

inline constexpr std::string_view kListingPrompt = "Give FlexCom File Name (complete)   :  ";
inline constexpr std::string_view kOperationPrompt = "Select Operation  / 1 /             :  ";
inline constexpr std::string_view kSubOperationPrompt = "Select Sub Operation  / 2 /         :  ";
inline constexpr std::string_view kShear7FilePrompt = "Give File for Shear7 model          :  ";
inline constexpr std::string_view kScalePrompt = "Scaling factor for Tension /1.0/    :  ";
inline constexpr std::string_view kVomarFilePrompt = "Vomar model file name               :  ";
inline constexpr std::string_view kCoarsenPrompt = "Create Coarser Mesh?  /no /         :  ";
inline constexpr std::string_view kRisersPrompt = "Number of Risers                    :  ";
inline constexpr std::string_view kSegmentsPrompt = "Number of Segments                  :  ";
inline constexpr std::string_view kSegmentPrompt = "First Node, Last node and nSkip     :  ";
inline constexpr std::string_view kHingePrompt = "Hinge Stiff, Ax & Bend /1E8 & 1E3/:  ";
inline constexpr std::string_view kSeabedPrompt = "Create Sea Bed?       /no /         :  ";
inline constexpr std::string_view kSeabedLevelPrompt = "Max Z-coordinate for seabed nodes   :  ";

}  // namespace velkan
