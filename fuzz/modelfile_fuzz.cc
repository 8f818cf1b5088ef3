// Fuzz target of the model-file reader: arbitrary bytes as a Vomar model
// file, read back and checked as velkan --check does, the figures of all its
// beams and of every other beam worked out and printed. Faults are fine; a
// crash, leak or sanitizer report is not.
#include <cstdint>
#include <sstream>
#include <vector>

#include "platform/units.h"
#include "report/massfigures.h"
#include "report/modelcheck.h"
#include "report/modelfigures.h"
#include "report/modelfile.h"
#include "workfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const velkan::fuzz::WorkFolder folder;
  folder.empty();
  const std::string path = folder.write("model.vom", velkan::fuzz::as_text(data, size));
  std::ostringstream out;
  velkan::check_model_file(path, out);
  std::istringstream in;
  velkan::Units io(in, out, folder.path().string());
  const velkan::ModelFile file = velkan::read_model_file(io, 23, path);
  std::vector<std::size_t> some;
  for (std::size_t i = 0; i <= file.beams.size(); i += 2) some.push_back(i);
  velkan::mass_of(file, some);
  velkan::write_figures(velkan::figures_of(file), out);
  return 0;
}
