// velkan --check: a model file read back and checked.
#include "report/modelcheck.h"

#include <ostream>
#include <sstream>

#include "platform/units.h"
#include "report/modelfigures.h"
#include "report/modelfile.h"

namespace velkan {
namespace {

// The unit the model file is read on: the one a conversion writes it on.
constexpr int kModelFileUnit = 23;

}  // namespace

int check_model_file(std::string_view name, std::ostream& out) {
  std::istringstream no_answers;
  ModelFile file;
  {
    Units io(no_answers, out);
    file = read_model_file(io, kModelFileUnit, name);
  }
  if (!file.readable) {
    for (const std::string& fault : file.faults) out << fault << '\n';
    return 1;
  }
  out << "Model file " << name << '\n';
  for (const std::string& fault : file.faults) out << fault << '\n';
  const auto listed = static_cast<std::int64_t>(file.faults.size());
  if (file.fault_count > listed) {
    out << "and " << (file.fault_count - listed) << " more faults\n";
  }
  write_figures(figures_of(file), out);
  if (file.fault_count == 0) {
    out << "The model file holds.\n";
    return 0;
  }
  out << file.fault_count << (file.fault_count == 1 ? " fault" : " faults")
      << ": the model file does not hold.\n";
  return 1;
}

}  // namespace velkan
