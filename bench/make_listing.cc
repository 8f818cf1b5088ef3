// Writes a printed analysis report of one long riser for the benchmarks:
// make_listing <elements> <file> [many-sets | wide]. The riser hangs in a line of
// elements, every property table filled, an effective-tension table and the
// five other element result tables at the end. By default twenty property sets repeat along it.
// With "many-sets" four property columns (the two bending stiffnesses, the axial stiffness and the
// outer diameter) are graded independently, each over the smallest number of
// values k with k^4 >= elements, so nearly every cross-section is distinct
// while each value of a column is shared by elements/k of them.
// With "wide" the plain riser is numbered and written as large models are: nodes from
// 1,000,001, elements from 2,000,001, reals in exponent form with nine significant digits
// (2.50000000E+07) and fixed reals with six decimals.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

// How the numbers of a listing are written.
struct Style {
  long node0 = 0, elem0 = 0;  // the first node and element numbers, less one
  int e_decimals = 0;         // decimals of a real in exponent form; 0: as the field says
  int f_decimals = 0;         // decimals of a fixed real; 0: as the field says
};

Style g_style;

long node(long i) {
  return g_style.node0 + i;
}

long elem(long e) {
  return g_style.elem0 + e;
}

// A real in exponent form, `width` wide with `decimals` (or the style's).
void put_e(std::FILE* f, const char* lead, double v, int width, int decimals) {
  const int d = g_style.e_decimals > 0 ? g_style.e_decimals : decimals;
  std::fprintf(f, "%s%*.*E", lead, width + (d - decimals), d, v);
}

// A real in fixed form, `width` wide with `decimals` (or the style's).
void put_f(std::FILE* f, const char* lead, double v, int width, int decimals) {
  const int d = g_style.f_decimals > 0 ? g_style.f_decimals : decimals;
  std::fprintf(f, "%s%*.*f", lead, width + (d - decimals), d, v);
}

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

void property_row(std::FILE* f, long e, double ei1, double ei2, double ea, double mass) {
  std::fprintf(f, "  %9ld ", elem(e));
  put_e(f, " ", ei1, 11, 4);
  put_e(f, " ", ei2, 11, 4);
  put_e(f, " ", 0.75 * ei1, 11, 4);
  put_e(f, " ", ea, 11, 4);
  put_f(f, " ", mass, 8, 2);
  put_f(f, " ", 0.0, 6, 1);
  put_f(f, " ", 0.5, 6, 3);
  std::fputc('\n', f);
}

void element_properties(std::FILE* f, long nel, bool many_sets) {
  const long k = grades_for(nel);
  for (long e = 1; e <= nel; ++e) {
    if (many_sets) {
      const double ei1 = 1.0e8 * (1.0 + 0.03 * static_cast<double>(grade(e, 0, k)));
      const double ei2 = 1.1e8 * (1.0 + 0.02 * static_cast<double>(grade(e, 1, k)));
      const double ea = 4.5e9 * (1.0 + 0.01 * static_cast<double>(grade(e, 2, k)));
      property_row(f, e, ei1, ei2, ea, 150.0);
      continue;
    }
    const double ei = 1.0e8 + 1.0e6 * static_cast<double>(e % 20);
    property_row(f, e, ei, ei, 4.5e9, 150.0 + static_cast<double>(e % 20));
  }
}

// A result row: time 0.0 and four values.
void result_row(std::FILE* f, long e, const double (&v)[4], bool exponent) {
  std::fprintf(f, "  %9ld  0.0 ", elem(e));
  for (const double x : v) {
    if (exponent) {
      put_e(f, " ", x, 12, 4);
    } else {
      put_f(f, " ", x, 12, 1);
    }
  }
  std::fputc('\n', f);
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
      result_row(f, e, {v, -v, 0.5 * v, -0.5 * v}, true);
    }
  }
}

void drag_and_buoyancy(std::FILE* f, long nel, bool many_sets) {
  const long k = grades_for(nel);
  for (long e = 1; e <= nel; ++e) {
    const double od = many_sets ? 0.3 + 0.005 * static_cast<double>(grade(e, 3, k)) : 0.3;
    std::fprintf(f, "  %9ld ", elem(e));
    put_f(f, " ", 0.2, 6, 4);
    put_f(f, " ", od, 6, 4);
    put_f(f, " ", 1.2, 4, 2);
    put_f(f, " ", 0.1, 4, 2);
    put_f(f, " ", 0.0, 4, 2);
    put_f(f, " ", 0.0, 6, 4);
    std::fprintf(f, " 1\n");
  }
}

void nodes(std::FILE* f, long nel) {
  for (long i = 0; i <= nel; ++i) {
    std::fprintf(f, "  %9ld ", node(i + 1));
    put_f(f, " ", -0.5 * static_cast<double>(i), 12, 3);
    std::fprintf(f, "  0 0 ");
    put_f(f, " ", 1e-6 * static_cast<double>(i) * static_cast<double>(i), 10, 3);
    std::fprintf(f, "  0 0 ");
    put_f(f, " ", 0.0, 8, 3);
    std::fprintf(f, "  0 0\n");
  }
}

void coefficient_tables(std::FILE* f, long nel) {
  title(f, "*** ELEMENT DRAG AND INERTIA COEFFICIENTS ***");
  for (long e = 1; e <= nel; ++e) {
    std::fprintf(f, "  %9ld ", elem(e));
    for (const double v : {1.2, 0.1, 2.0, 1.0, 1.0, 0.0}) put_f(f, " ", v, 4, 2);
    std::fprintf(f, " 1\n");
  }
  title(f, "*** ELEMENT PROPERTIES FOR STRESS CALCULATION ***");
  for (long e = 1; e <= nel; ++e) {
    std::fprintf(f, "  %9ld ", elem(e));
    put_f(f, " ", 0.3, 6, 4);
    put_f(f, " ", 0.02, 6, 4);
    put_f(f, " ", 1.0, 5, 3);
    put_f(f, " ", 1.0, 5, 3);
    put_e(f, " ", 4.5e8, 7, 1);
    std::fputc('\n', f);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* shape = argc == 4 ? argv[3] : "";
  const bool many_sets = std::strcmp(shape, "many-sets") == 0;
  const bool wide = std::strcmp(shape, "wide") == 0;
  if (argc != 3 && !many_sets && !wide) {
    std::fprintf(stderr, "usage: make_listing <elements> <file> [many-sets | wide]\n");
    return 2;
  }
  if (wide) g_style = Style{1000000, 2000000, 8, 6};
  const long nel = std::atol(argv[1]);
  std::FILE* f = std::fopen(argv[2], "w");
  if (!f || nel < 1) return 1;
  std::fprintf(f, "   Total No. of Structural Elements       :  %ld\n", nel);
  std::fprintf(f, "   No. of Nodes                           :  %ld\n", nel + 1);
  title(f, "*** KINEMATIC VARIABLES ***");
  nodes(f, nel);
  title(f, "*** ELEMENT DATA ***");
  for (long e = 1; e <= nel; ++e) {
    std::fprintf(f, "  %9ld %9ld %9ld  1 1 0 2 1 0\n", elem(e), node(e), node(e + 1));
  }
  title(f, "*** ELEMENT PROPERTIES ***");
  element_properties(f, nel, many_sets);
  title(f, "*** DRAG AND BUOYANCY DATA ***");
  drag_and_buoyancy(f, nel, many_sets);
  coefficient_tables(f, nel);
  title(f, "*** INTERNAL FLUID DATA ***");
  std::fprintf(f, "        1      1     850.000      0.000   0.000\n");
  std::fprintf(f,
               "\n  RESULTS\n\n1)        Element Effective Tensions.\n      Elem  Time  End-1  Mid "
               " Max  End-2\n");
  for (long e = 1; e <= nel; ++e) {
    const double t = 5.0e6 - 4.0 * static_cast<double>(e);
    result_row(f, e, {t, t - 2.0, t, t - 4.0}, false);
  }
  other_results(f, nel);
  std::fprintf(f, "\n  END OF LISTING\n");
  return std::fclose(f) == 0 ? 0 : 1;
}
