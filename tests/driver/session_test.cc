// Whole console sessions of the built program: the listing prompt, the menus,
// a reader failure and the end of the console input.
#include <gtest/gtest.h>

#include "platform/osfile.h"
#include "run_program.h"

namespace velkan {
namespace {

const std::string kListing =
    "   Total No. of Structural Elements       :  1\n"
    "   No. of Nodes                           :  2\n"
    "   *** KINEMATIC VARIABLES ***\n"
    "  1 0 0 0 0 0 0 0\n  2 -10 0 0 0 0 0 0\n"
    "  end of nodes\n"
    "*** ELEMENT DATA ***\n"
    "  1 1 2 0 0 0 0 0 0\n";

const std::string kStart =
    "\n\n 1 million words successfully allocated \n\n"
    "\n\n"
    "---------------------------------------------\n"
    "---------------------------------------------\n"
    "---------------------------------------------\n"
    "-------        V E L K A N            --------\n"
    "-------  Version 1.3 / 27.Nov 2006   --------\n"
    "-------       Supported By           --------\n"
    "-------                              --------\n"
    "-------    Riser Engineering Tools   --------\n"
    "---------------------------------------------\n"
    "---------------------------------------------\n"
    "---------------------------------------------\n";

const std::string kReadModel =
    "\n"
    "          Number of Nodes        :     2\n"
    "          Number of Elements     :     1\n"
    "\n       2 *JOINT COORDINATES* lines read.\n"
    "         Totally    2 Nodes Generated.\n\n"
    "\n       1 *ELEMENT DATA     * lines read.\n"
    "         Totally    1 Elems Generated.\n\n"
    "\n       1 *ELEMENT PROPERTY * lines read.\n"
    "         Totally    1 Props Generated.\n\n";

const std::string kMenu =
    " Available Options:\n"
    "   1: Convert Model      /def/      \n"
    "   2: Extract Results               \n"
    " \n"
    " Select Operation  / 1 /             :  ";
const std::string kNotImplemented =
    std::string(33, ' ') + "\n *** Option not implemented ***. \n" + std::string(33, ' ') + "\n";
const std::string kSubMenu =
    "\n\n Available Sub Options:\n"
    "   1: Export to Shear7              \n"
    "   2: Export to Vomar    /def/      \n"
    " \n"
    " Select Sub Operation  / 2 /         :  ";
const std::string kSubNotImplemented = std::string(37, ' ') +
                                       "\n *** Sub Option not implemented ***. \n" +
                                       std::string(37, ' ') + "\n";
const std::string kFailed =
    "\n\n\n  ======  F L E X C O M   C O N V E R T I O N     F A I L E D    ======\n";

// The highest word used: the book-keeping of 203 slots and the name table end
// at word 1015; the register takes 1016..3471 and MSTRU 3472..4081. Then MNPEX
// (2 words), NBOUN (12), TCOORD (6 reals from the odd word 4097), MELEX (1),
// MNPC (2) and MPMNPC (2) end at word 4113; the property reader adds MEXGEO,
// MGETYP, MHINGE (1 word each) and TCRGEO and ELPROP (30 reals each from
// 4117 and 4177), ending at word 4236.
TEST(Session, RetriedListingMenusAndEndOfInput) {
  test::TempDir dir;
  dir.write("model.lis", kListing);
  const test::ProgramRun run =
      test::run_velkan(dir, "1", "missing.lis\nmodel.lis\n3\n0\n2\n\n3\n0\n\n");
  OsError missing;
  OsFile::open_for_reading(dir.file("missing.lis"), missing);  // the system's own words
  const std::string expected =
      kStart + " Give FlexCom File Name (complete)   :  *** ERROR Opening File:missing.lis\n" +
      "      Reason: " + missing.text + "\n" + "      Try once more !\n" +
      " Give FlexCom File Name (complete)   :  " + kReadModel + kMenu + kNotImplemented + kMenu +
      kNotImplemented + kMenu + kNotImplemented + kMenu + kSubMenu + kSubNotImplemented + kSubMenu +
      kSubNotImplemented + kSubMenu + "\n Converting to Vomar......\n\n" +
      " Vomar model file name               :  " +
      "\n *** End of the console input: no answer to the last question.\n" + kFailed +
      "     Max used space:       4236\n" + "\n Return value from velkan: -1 \n";
  EXPECT_EQ(run.console, expected);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(dir.read("fort.17"), kFailed.substr(0, kFailed.size() - 1) + "\n");
}

TEST(Session, AReaderFailureEndsTheRunInBothPlaces) {
  test::TempDir dir;
  dir.write("model.lis", kListing + "  2 1 2 0 0 0 0 0 0\n");  // one element more than announced
  const test::ProgramRun run = test::run_velkan(dir, "1", "model.lis\n");
  const std::string expected = kStart + " Give FlexCom File Name (complete)   :  " +
                               kReadModel.substr(0, kReadModel.find("\n       1 *ELEMENT DATA")) +
                               kFailed + "     Max used space:       4113\n" +
                               "\n Return value from velkan: -1 \n";
  EXPECT_EQ(run.console, expected);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(dir.read("fort.17"), kFailed);
}

TEST(Session, EndOfInputAtTheFirstPrompt) {
  test::TempDir dir;
  const test::ProgramRun run = test::run_velkan(dir, "1", "");
  EXPECT_EQ(run.console, kStart + " Give FlexCom File Name (complete)   :  " +
                             "\n *** End of the console input: no answer to the last question.\n" +
                             kFailed + "     Max used space:          0\n" +
                             "\n Return value from velkan: -1 \n");
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(dir.read("fort.17"), kFailed);
}

}  // namespace
}  // namespace velkan
