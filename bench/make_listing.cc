// Writes a printed analysis report of one long riser for the benchmarks:
// make_listing <elements> <file> [many-sets]. The riser hangs in a line of
// elements, every property table filled, an effective-tension table and the
// five other element result tables at the end. By default twenty property sets repeat along it.
// With "many-sets" four property columns (the two bending stiffnesses, the axial stiffness and the
// outer diameter) are graded independently, each over the smallest number of
// values k with k^4 >= elements, so nearly every cross-section is distinct
// while each value of a column is shared by elements/k of them.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void title(std::FILE* f, const char* text) {
  std::fprintf(f, "\n  RISER BENCHMARK                                          PAGE\n\n");
  std::fprintf(f, "                 %s\n", text);
  std::fprintf(f, "      Elem / Node      values\n\n");
}

// Values per graded column: the smallest k with k^4 >= nel.
long grades_for(long nel) {
  long k = static_cast<long>(std::floor(std::pow(static_cast<double>(nel), 0.25)));
  while (k * k * k * k < nel) ++k;
  return k < 1 ? 1 : k;
}

// Grade (0..k-1) of element e in graded column c (0..3): the digits of e-1 in base k.
long grade(long e, int c, long k) {
  long v = e - 1;
  for (int i = 0; i < c; ++i) v /= k;
  return v % k;
}

void element_properties(std::FILE* f, long nel, bool many_sets) {
  const long k = grades_for(nel);
  for (long e = 1; e <= nel; ++e) {
    if (many_sets) {
      const double ei1 = 1.0e8 * (1.0 + 0.03 * static_cast<double>(grade(e, 0, k)));
      const double ei2 = 1.1e8 * (1.0 + 0.02 * static_cast<double>(grade(e, 1, k)));
      const double ea = 4.5e9 * (1.0 + 0.01 * static_cast<double>(grade(e, 2, k)));
      std::fprintf(f, "  %9ld  %11.4E %11.4E %11.4E %11.4E %8.2f %6.1f %6.3f\n", e, ei1, ei2,
                   0.75 * ei1, ea, 150.0, 0.0, 0.5);
      continue;
    }
    const double ei = 1.0e8 + 1.0e6 * static_cast<double>(e % 20);
    std::fprintf(f, "  %9ld  %11.4E %11.4E %11.4E %11.4E %8.2f %6.1f %6.3f\n", e, ei, ei, 0.75 * ei,
                 4.5e9, 150.0 + static_cast<double>(e % 20), 0.0, 0.5);
  }
}

// The result tables a listing prints after the tensions, which no conversion
// reads: they make the listing as long as a real one, and its skipping costly.
void other_results(std::FILE* f, long nel) {
  static const char* const kTitles[] = {
      "2)        Element y-Shear Forces.", "3)        Element z-Shear Forces.",
      "4)        Element Torque Forces.  No", "5)        Element y-Bending Moments.",
      "6)        Element z-Bending Moments."};
  for (const char* t : kTitles) {
    std::fprintf(f, "\n%s\n      Elem  Time  End-1  Mid  Max  End-2\n", t);
    for (long e = 1; e <= nel; ++e) {
      const double v = 1.0e3 + 0.25 * static_cast<double>(e % 4000);
      std::fprintf(f, "  %9ld  0.0  %12.4E %12.4E %12.4E %12.4E\n", e, v, -v, 0.5 * v, -0.5 * v);
    }
  }
}

void drag_and_buoyancy(std::FILE* f, long nel, bool many_sets) {
  const long k = grades_for(nel);
  for (long e = 1; e <= nel; ++e) {
    if (many_sets) {
      const double od = 0.3 + 0.005 * static_cast<double>(grade(e, 3, k));
      std::fprintf(f, "  %9ld  0.2000 %6.4f 1.20 0.10 0.00 0.0000 1\n", e, od);
      continue;
    }
    std::fprintf(f, "  %9ld  0.2000 0.3000 1.20 0.10 0.00 0.0000 1\n", e);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool many_sets = argc == 4 && std::strcmp(argv[3], "many-sets") == 0;
  if (argc != 3 && !many_sets) {
    std::fprintf(stderr, "usage: make_listing <elements> <file> [many-sets]\n");
    return 2;
  }
  const long nel = std::atol(argv[1]);
  std::FILE* f = std::fopen(argv[2], "w");
  if (!f || nel < 1) return 1;
  std::fprintf(f, "   Total No. of Structural Elements       :  %ld\n", nel);
  std::fprintf(f, "   No. of Nodes                           :  %ld\n", nel + 1);
  title(f, "*** KINEMATIC VARIABLES ***");
  for (long i = 0; i <= nel; ++i) {
    std::fprintf(f, "  %9ld  %12.3f  0 0  %10.3f  0 0  %8.3f  0 0\n", i + 1, -0.5 * i, 1e-6 * i * i,
                 0.0);
  }
  title(f, "*** ELEMENT DATA ***");
  for (long e = 1; e <= nel; ++e) std::fprintf(f, "  %9ld %9ld %9ld  1 1 0 2 1 0\n", e, e, e + 1);
  title(f, "*** ELEMENT PROPERTIES ***");
  element_properties(f, nel, many_sets);
  title(f, "*** DRAG AND BUOYANCY DATA ***");
  drag_and_buoyancy(f, nel, many_sets);
  title(f, "*** ELEMENT DRAG AND INERTIA COEFFICIENTS ***");
  for (long e = 1; e <= nel; ++e) std::fprintf(f, "  %9ld  1.20 0.10 2.00 1.00 1.00 0.00 1\n", e);
  title(f, "*** ELEMENT PROPERTIES FOR STRESS CALCULATION ***");
  for (long e = 1; e <= nel; ++e) std::fprintf(f, "  %9ld  0.3000 0.0200 1.000 1.000 4.5E+08\n", e);
  title(f, "*** INTERNAL FLUID DATA ***");
  std::fprintf(f, "        1      1     850.000      0.000   0.000\n");
  std::fprintf(f,
               "\n  RESULTS\n\n1)        Element Effective Tensions.\n      Elem  Time  End-1  Mid "
               " Max  End-2\n");
  for (long e = 1; e <= nel; ++e) {
    const double t = 5.0e6 - 4.0 * static_cast<double>(e);
    std::fprintf(f, "  %9ld  0.0  %12.1f %12.1f %12.1f %12.1f\n", e, t, t - 2.0, t, t - 4.0);
  }
  other_results(f, nel);
  std::fprintf(f, "\n  END OF LISTING\n");
  return std::fclose(f) == 0 ? 0 : 1;
}
