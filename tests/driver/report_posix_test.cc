// The report of a model written to the null device: the file keeps nothing,
// so the report says that it could not be read back, and compares nothing.
#include <gtest/gtest.h>

#include "reportrun.h"

namespace velkan::test {
namespace {

TEST(ReportPosix, AModelOnTheNullDeviceIsNotCompared) {
  if (!fs::exists("/dev/null")) GTEST_SKIP() << "no null device here";
  const TempDir dir;
  copy_examples(dir);
  const ReportRun r =
      run_with_report(dir, "--listing examples/riser.lis --vomar /dev/null --hinge 1E8,1E3");
  ASSERT_EQ(r.run.exit_status, 0) << r.run.console;
  EXPECT_EQ(flag_codes(r.json), std::vector<std::string>{"model_file_faults:0"});
  EXPECT_EQ(riser(r.json, 1)["listing"]["elements"].number, 12);
  EXPECT_NE(r.run.console.find(" *** The model file read back has 1 fault; the first: "),
            std::string::npos);
}

}  // namespace
}  // namespace velkan::test
