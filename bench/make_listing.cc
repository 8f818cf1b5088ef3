// Writes a printed analysis report of one long riser for the benchmarks:
// make_listing <elements> <file>. The riser hangs in a line of elements with
// twenty property sets repeating along it, every property table filled and an
// effective-tension table at the end.
#include <cstdio>
#include <cstdlib>

namespace {

void title(std::FILE* f, const char* text) {
  std::fprintf(f, "\n  RISER BENCHMARK                                          PAGE\n\n");
  std::fprintf(f, "                 %s\n", text);
  std::fprintf(f, "      Elem / Node      values\n\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_listing <elements> <file>\n");
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
  for (long e = 1; e <= nel; ++e) {
    const double ei = 1.0e8 + 1.0e6 * static_cast<double>(e % 20);
    std::fprintf(f, "  %9ld  %11.4E %11.4E %11.4E %11.4E %8.2f %6.1f %6.3f\n", e, ei, ei, 0.75 * ei,
                 4.5e9, 150.0 + static_cast<double>(e % 20), 0.0, 0.5);
  }
  title(f, "*** DRAG AND BUOYANCY DATA ***");
  for (long e = 1; e <= nel; ++e)
    std::fprintf(f, "  %9ld  0.2000 0.3000 1.20 0.10 0.00 0.0000 1\n", e);
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
  std::fprintf(f, "\n  END OF LISTING\n");
  return std::fclose(f) == 0 ? 0 : 1;
}
