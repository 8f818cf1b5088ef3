// Listings for the report tests, in the layout of the shipped examples.
#include "reportlisting.h"

#include <cmath>
#include <cstdio>

namespace velkan::test {
namespace {

std::string fmt(const char* f, auto... v) {
  char buf[256];
  std::snprintf(buf, sizeof buf, f, v...);
  return buf;
}

}  // namespace

const GenProps& props_of(const GenRiser& r, std::size_t k) {
  return r.elements[std::min(k, r.elements.size() - 1)];
}

double node_distance(const GenRiser& r, std::size_t k) {
  const GenNode& a = r.nodes[k];
  const GenNode& b = r.nodes[k + 1];
  return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) +
                   (b.z - a.z) * (b.z - a.z));
}

double listed_length(const GenRiser& r, std::size_t k) {
  const double w7 = props_of(r, k).length >= 0 ? props_of(r, k).length : node_distance(r, k);
  return std::stod(fmt("%.6f", w7));
}

std::string generated_listing(const std::vector<GenRiser>& risers) {
  std::size_t nel = 0, nnp = 0;
  for (const GenRiser& r : risers) {
    nnp += r.nodes.size();
    nel += r.nodes.size() - 1;
  }
  std::string t = "  GENERATED LISTING\n\n";
  t += fmt("      Total No. of Structural Elements       :   %zu\n", nel);
  t += fmt("      No. of Nodes                           :   %zu\n\n", nnp);
  t += "*** INTERNAL FLUID DATA ***\n  Set   Type     Density    Pressure      Flow\n";
  t += fmt("    1      1    %.3f       0.000      0.000\n\n", kGenFluid);
  t += "                    *** KINEMATIC VARIABLES ***\n";
  t += "    Node       Z       Zfix Rfix       X       Xfix Rfix       Y       Yfix Rfix\n\n";
  for (const GenRiser& r : risers) {
    for (std::size_t i = 0; i < r.nodes.size(); ++i) {
      const GenNode& n = r.nodes[i];
      t += fmt("%8d %12.3f    0    0 %12.3f    0    0 %12.3f    0    0\n",
               r.first_node + static_cast<int>(i), n.z, n.x, n.y);
    }
  }
  t += "\n*** ELEMENT DATA ***\n    Elem   Node-1   Node-2   Prop  Type  Orient  Intg  Group  "
       "Release\n";
  for (const GenRiser& r : risers) {
    for (std::size_t k = 0; k + 1 < r.nodes.size(); ++k) {
      const int n = r.first_node + static_cast<int>(k);
      t += fmt("%8d %8d %8d      1     1       0     2      1        0\n",
               r.first_element + static_cast<int>(k), n, n + 1);
    }
  }
  const auto rows = [&](const char* title, auto row) {
    t += std::string("\n") + title + "\n";
    for (const GenRiser& r : risers) {
      for (std::size_t k = 0; k + 1 < r.nodes.size(); ++k) {
        t += row(r, k, r.first_element + static_cast<int>(k));
      }
    }
  };
  rows(
      "*** ELEMENT PROPERTIES ***\n    Elem       EIy           EIz           GJ            EA     "
      "   Mass/L     Press     Length",
      [](const GenRiser& r, std::size_t k, int e) {
        const GenProps& p = props_of(r, k);
        if (p.hinge) return fmt("%8d      Hinge Element\n", e);
        return fmt(
            "%8d    3.5500E+07    3.5500E+07    2.7300E+07    %.4E    %.6f      0.00    %.6f\n", e,
            p.ea, p.mass, listed_length(r, k));
      });
  rows(
      "*** DRAG AND BUOYANCY DATA ***\n    Elem    Int.Dia   Hyd.Dia    Cd-n     Cd-t     Lift    "
      "Buoy.D   FluidSet",
      [](const GenRiser& r, std::size_t k, int e) {
        const GenProps& p = props_of(r, k);
        return fmt("%8d    %.6f    %.6f     1.20     0.02     0.00    0.0000      1\n", e,
                   p.internal, p.outer);
      });
  rows(
      "*** ELEMENT DRAG AND INERTIA COEFFICIENTS ***\n    Elem     CdN      CdT      CmN      CmT  "
      "    CaN      CaT    Model",
      [](const GenRiser& r, std::size_t k, int e) {
        return fmt("%8d     1.20     0.02     2.00     1.00     %.6f     0.00      1\n", e,
                   props_of(r, k).added);
      });
  rows(
      "   1)        Element Effective Tensions.\n    Elem   Time       End-1        Mid        Max "
      "     End-2",
      [](const GenRiser&, std::size_t, int e) {
        return fmt("%8d     0.0 %12.1f %12.1f %12.1f %12.1f\n", e, 1000.0 * e, 1000.0 * e,
                   1000.0 * e, 1000.0 * e - 500.0);
      });
  return t;
}

}  // namespace velkan::test
