// The risers overview: the example listings against their recorded texts,
// generated listings (risers numbered up and down, rows shuffled, a hinge, a
// branch, a detached element) whose every riser the coarsening walks from its
// first to its last node, the listing's order that changes nothing, what
// makes every --coarsen fail, the tables, and the listings that cannot be read.
#include "commandline/riseroverview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "commandline/listingmodel.h"
#include "process/meshmarking.h"
#include "support/testio.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;

struct Shown {
  int status;
  std::string text;
};

Shown show(const std::string& listing) {
  std::ostringstream out;
  const int status = show_risers(listing, out);
  return {status, out.str()};
}

std::string read_file(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(RiserOverview, TheExamplesGiveTheirRecordedTexts) {
  const fs::path examples = VELKAN_EXAMPLES;
  const fs::path expected = examples.parent_path() / "tests" / "commandline" / "expected";
  for (const std::string name : {"riser", "jumper"}) {
    const std::string listing = (examples / (name + ".lis")).string();
    Shown s = show(listing);
    EXPECT_EQ(s.status, 0) << name;
    s.text.replace(s.text.find(listing), listing.size(), "examples/" + name + ".lis");
    EXPECT_EQ(s.text, read_file(expected / (name + ".txt"))) << name;
  }
}

// A listing written from nodes and elements, each table's rows in the order
// given.
struct Listing {
  struct Node {
    int number;
    double x, y, z;
  };
  struct Elem {
    int number, first, second;
    bool hinge = false;
  };
  std::vector<Node> nodes;
  std::vector<Elem> elems;

  void riser(std::vector<int> node_numbers, int first_elem, int elem_step, double x) {
    for (std::size_t k = 0; k < node_numbers.size(); ++k) {
      nodes.push_back({node_numbers[k], x, 0.0, -10.0 * static_cast<double>(k)});
      if (k > 0) {
        elems.push_back({first_elem, node_numbers[k - 1], node_numbers[k]});
        first_elem += elem_step;
      }
    }
  }
  void shuffle(std::mt19937& rng) {
    std::shuffle(nodes.begin(), nodes.end(), rng);
    std::shuffle(elems.begin(), elems.end(), rng);
  }
  std::string text() const {
    std::ostringstream s;
    s << "   Total No. of Structural Elements       :  " << elems.size()
      << "\n   No. of Nodes                           :  " << nodes.size()
      << "\n\n          *** KINEMATIC VARIABLES ***\n    Node  Z  Fix  X  Fix  Y\n";
    for (const Node& n : nodes) {
      s << "  " << n.number << "  " << n.z << " 0 0  " << n.x << " 0 0  " << n.y << " 0 0\n";
    }
    s << "  end of nodes\n*** ELEMENT DATA ***\n    Elem  N1  N2\n";
    for (const Elem& e : elems) {
      s << "  " << e.number << "  " << e.first << "  " << e.second << "  1 1 0 2 1 0\n";
    }
    s << "  end of elements\n\n*** ELEMENT PROPERTIES ***\n    Elem  EIy\n";
    for (const Elem& e : elems) {
      char row[80];
      std::snprintf(row, sizeof row, e.hinge ? "%10d    Hinge Element\n" : "%10d  1 2 3 4 5 6 7\n",
                    e.number);
      s << row;
    }
    s << "  end of properties\n\n1)        Element Effective Tensions.\n    Elem  Time\n";
    for (const Elem& e : elems) s << "  " << e.number << "  0.0  100.0 99.0 101.0 98.0\n";
    s << "  end of results\n";
    return s.str();
  }
};

// Riser A numbered up, riser B numbered down, a branch of two legs and a
// single element at node 303, and a detached element.
Listing generated() {
  Listing l;
  l.riser({101, 102, 103, 104, 105, 106}, 1, 1, 0.0);
  l.elems[2].hinge = true;
  l.riser({206, 205, 204, 203, 202, 201}, 25, -1, 30.0);
  l.riser({301, 302, 303, 304, 305}, 31, 1, 60.0);
  l.riser({303, 306}, 35, 1, 60.0);
  l.nodes.pop_back();  // 306 again, and 303 once more
  l.nodes.back() = {306, 65.0, 0.0, -25.0};
  l.riser({401, 402}, 41, 1, 90.0);
  return l;
}

const char* const kGeneratedHead =
    " Risers of the listing LISTING: chains of two-node elements connected end to end\n"
    "\n"
    " Riser  First node  Last node  Elements  Nodes  Length  Lowest Z  Highest Z  To coarsen   "
    "        Hinge elements\n"
    "     1         101        106         5      6  50.000   -50.000      0.000  --coarsen "
    "101:106:1  3\n"
    "     2         201        206         5      6  50.000   -50.000      0.000  --coarsen "
    "201:206:1  none\n"
    "     3         301        303         2      3  20.000   -20.000      0.000  --coarsen "
    "301:303:1  none\n"
    "     4         305        303         2      3  20.000   -40.000    -20.000  --coarsen "
    "305:303:1  none\n"
    "\n"
    " --coarsen F:L:K walks a riser from F to L and makes every K elements one: K (nSkip) is\n"
    " yours to choose, 1 keeps the riser as it is. Elements on no segment are removed.\n"
    "\n"
    " Elements on no riser: 2\n"
    "\n"
    " Elements  First element  Last element  First node  Last node  Why\n"
    "        1             35            35         306        303  branch at node 303\n"
    "        1             41            41         401        402  detached\n"
    "\n"
    " Model\n"
    "   Nodes           20\n"
    "   Elements        16\n"
    "   Hinge elements   1\n"
    "\n";

TEST(RiserOverview, GeneratedRisersInAnyOrderOfTheListing) {
  std::mt19937 rng(11);
  test::TempDir dir;
  std::string first;
  for (int order = 0; order < 3; ++order) {
    Listing l = generated();
    if (order > 0) l.shuffle(rng);
    const std::string path = dir.write("model.lis", l.text());
    Shown s = show(path);
    ASSERT_EQ(s.status, 0) << s.text;
    s.text.replace(s.text.find(path), path.size(), "LISTING");
    EXPECT_EQ(s.text.substr(0, s.text.find(" Table ")), kGeneratedHead);
    if (order == 0) first = s.text;
    EXPECT_EQ(s.text, first) << "order " << order;
  }
}

// The riser rows' --coarsen F:L:1, given to the marking of the coarser mesh
// on the model read from the same listing, keep as many elements as the row
// says and no other.
TEST(RiserOverview, TheCoarseningWalksEveryRiserThatIsShown) {
  std::mt19937 rng(5);
  test::TempDir dir;
  for (int order = 0; order < 5; ++order) {
    Listing l = generated();
    l.shuffle(rng);
    const std::string path = dir.write("model.lis", l.text());
    const Shown s = show(path);
    ListingModel m;
    ASSERT_TRUE(m.read(path));
    int rows = 0;
    for (const std::string& line : test::lines_of(s.text)) {
      const std::size_t at = line.find("--coarsen ");
      if (at == std::string::npos || line.find("walks") != std::string::npos) continue;
      ++rows;
      std::istringstream fields(line);
      std::int32_t number = 0, first = 0, last = 0;
      std::size_t elements = 0, nodes = 0;
      fields >> number >> first >> last >> elements >> nodes;
      EXPECT_EQ(line.substr(at, line.find(' ', at + 10) - at),
                "--coarsen " + std::to_string(first) + ":" + std::to_string(last) + ":1");
      std::vector<std::int32_t> mnpc(m.MNPC.begin(), m.MNPC.end()),
          mhinge(m.MHINGE.begin(), m.MHINGE.end());
      std::vector<std::int32_t> mskpel(m.MELEX.size()), mscra(mnpc.size());
      const std::vector<std::int32_t> segment{first, last, 1};
      test::TestIo io;
      std::int32_t status = 0;
      MRKSKP(io.units, 1, segment, m.NEL, m.NNP, mnpc, m.MPMNPC, m.MNPEX, m.MELEX, mhinge, mskpel,
             mscra, 6, status);
      ASSERT_EQ(status, 0) << line << io.console();
      EXPECT_EQ(static_cast<std::size_t>(std::count(mskpel.begin(), mskpel.end(), 0)), elements)
          << line;
      EXPECT_EQ(nodes, elements + 1);
    }
    EXPECT_EQ(rows, 4);
  }
}

TEST(RiserOverview, AListingWithoutRisers) {
  Listing l;
  l.riser({7, 3}, 5, 1, 0.0);
  test::TempDir dir;
  const Shown s = show(dir.write("model.lis", l.text()));
  ASSERT_EQ(s.status, 0);
  EXPECT_EQ(
      s.text.substr(s.text.find("\n\n") + 2, s.text.find(" Model\n") - s.text.find("\n\n") - 2),
      " No riser: no chain of two elements or more that --coarsen can walk.\n"
      "\n"
      " Elements on no riser: 1\n"
      "\n"
      " Elements  First element  Last element  First node  Last node  Why\n"
      "        1              5             5           3          7  detached\n"
      "\n");
}

TEST(RiserOverview, WhatMakesEveryCoarseningFailIsSaid) {
  Listing l;
  l.riser({1, 2, 3, 4}, 1, 1, 0.0);
  l.nodes.push_back({9, 0.0, 0.0, 0.0});  // held by no element
  l.nodes.push_back({50, 5.0, 0.0, 0.0});
  for (int leg = 0; leg < 6; ++leg) {
    l.nodes.push_back({51 + leg, 6.0, 0.0, 0.0});
    l.elems.push_back({11 + leg, 50, 51 + leg});
  }
  l.nodes.push_back({60, 7.0, 0.0, 0.0});
  l.elems.push_back({7, 60, 77});  // no node 77
  // Run in a folder of its own, where a message file would land.
  test::TempDir dir;
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());
  const Shown s = show(dir.write("model.lis", l.text()));
  fs::current_path(before);
  ASSERT_EQ(s.status, 0);
  const std::string model = s.text.substr(s.text.find(" Model\n"));
  EXPECT_EQ(model.substr(0, model.find("\n\n") + 2),
            " Model\n"
            "   Nodes           13\n"
            "   Elements        10\n"
            "   Hinge elements   0\n"
            " *** --coarsen fails on this listing: 1 node held by no element (the first: 9)\n"
            " *** --coarsen fails on this listing: 1 node held by more than 5 elements (the "
            "first: 50)\n"
            " *** --coarsen fails on this listing: 1 element with a node not in the model (the "
            "first: 7)\n\n");
  EXPECT_NE(s.text.find("        1              7             7          60          -  a node not "
                        "in the model\n"),
            std::string::npos)
      << s.text;
  // Nothing of the readers: no count lines, no warnings, and no file written.
  for (const char* reader_line : {"lines read", "Illegal", "Processing", "Totally"}) {
    EXPECT_EQ(s.text.find(reader_line), std::string::npos) << reader_line;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(RiserOverview, TablesThatTheListingHasAndTheirMissingRows) {
  Listing l;
  l.riser({1, 2, 3, 4}, 1, 1, 0.0);
  std::string text = l.text();
  // The tensions end with element 1, not with the last element, 3; element 2
  // has no row.
  const std::string tensions =
      "  1  0.0  100.0 99.0 101.0 98.0\n  2  0.0  100.0 99.0 101.0 98.0\n"
      "  3  0.0  100.0 99.0 101.0 98.0\n";
  text.replace(text.find(tensions), tensions.size(),
               "  3  0.0  1.0 1.0 1.0 1.0\n  1  0.0  1.0 1.0 1.0 1.0\n");
  text +=
      "2)        Element y-Shear Forces.\n  1  0.0  1 1 1 1\n  2  0  1 1 1 Inf\n"
      "*** DRAG AND BUOYANCY DATA ***\n  2  1 2 3 4 5 6 0\n";
  test::TempDir dir;
  const Shown s = show(dir.write("model.lis", text));
  ASSERT_EQ(s.status, 0);
  EXPECT_EQ(s.text.substr(s.text.find(" Table ")),
            " Table                                   In listing  Elements without a row\n"
            " *** ELEMENT PROPERTIES ***              yes                              0\n"
            " *** DRAG AND BUOYANCY DATA ***          yes                              2\n"
            " *** ELEMENT DRAG AND INERTIA            no                               -\n"
            " *** ELEMENT PROPERTIES FOR STRESS CALC  no                               -\n"
            " *** INTERNAL FLUID DATA ***             no                               -\n"
            " 1)        Element Effective Tensions.   yes                              1  its last "
            "row is not of the last element, 3\n"
            " 2)        Element y-Shear Forces.       yes                              -  a number "
            "in it is not finite\n"
            " 3)        Element z-Shear Forces.       no                               -\n"
            " 4)        Element Torque Forces.  No    no                               -\n"
            " 5)        Element y-Bending Moments.    no                               -\n"
            " 6)        Element z-Bending Moments.    no                               -\n"
            "\n"
            " Under *** INTERNAL FLUID DATA ***: the elements that name a fluid set that has no "
            "row.\n");
}

TEST(RiserOverview, AListingThatCannotBeReadGivesOneLineWhy) {
  Listing l;
  l.riser({1, 2, 3, 4}, 1, 1, 0.0);
  const std::string whole = l.text();
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = whole;
    return t.replace(t.find(from), from.size(), to);
  };
  struct Case {
    const char* what;
    std::string text;  // none: no file
    std::string line;  // NAME for the listing's name
  } cases[] = {
      {"no file", "", " *** The listing NAME cannot be opened: "},  // and the system's reason
      {"cut short", whole.substr(0, whole.size() - 1),
       " *** The last line of the listing NAME has no line end, so it is cut short (a copy that "
       "stopped): copy the whole listing again."},
      {"no elements", "  just a file\n", " *** No elements in the listing NAME: it has no risers."},
      {"a node missing", replaced("  4  -30 0 0  0 0 0  0 0 0\n", ""),
       " *** The listing NAME cannot be read: its nodes under *** KINEMATIC VARIABLES *** are not "
       "the 4 that its summary counts"},
      {"an element more",
       replaced("  3  3  4  1 1 0 2 1 0\n", "  3  3  4  1 1 0 2 1 0\n  9  1  4  1 1 0 2 1 0\n"),
       " *** The listing NAME cannot be read: its elements under *** ELEMENT DATA *** are not the "
       "3 "
       "that its summary counts"},
      {"a coordinate that is no number", replaced("  4  -30 0 0", "  4  NaN 0 0"),
       " *** The listing NAME cannot be read: Number that is not finite (NaN, Inf or beyond 1E308) "
       "in line 9 of the listing"},
      {"a fluid set 101", whole + "*** INTERNAL FLUID DATA ***\n  101  1  1000.0  0  0\n",
       " *** The listing NAME cannot be read: a set under *** INTERNAL FLUID DATA *** is numbered "
       "outside 1 to 100"},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    const std::string path =
        c.text.empty() ? dir.file("missing.lis") : dir.write("model.lis", c.text);
    const Shown s = show(path);
    EXPECT_EQ(s.status, 1) << c.what;
    std::string line = c.line;
    line.replace(line.find("NAME"), 4, path);
    EXPECT_EQ(test::lines_of(s.text).size(), 1u) << c.what;
    EXPECT_EQ(c.text.empty() ? s.text.substr(0, line.size()) : s.text,
              c.text.empty() ? line : line + "\n")
        << c.what;
  }
}

}  // namespace
}  // namespace velkan
