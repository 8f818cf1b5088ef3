// The answers that the command line's options give: each option answers its
// question of the dialogue, as if typed; the other questions are asked as
// always.
#pragma once

#include "commandline/options.h"
#include "driver/dialogue.h"

namespace velkan {

void give_answers(const CommandLine& cl, Dialogue& ask);

}  // namespace velkan
