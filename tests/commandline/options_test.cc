// The command line: what each option answers, the values it refuses, the
// options that contradict each other, and the size that stays the first
// argument.
#include "commandline/options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velkan {
namespace {

std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> w;
  std::istringstream split(line);
  for (std::string a; split >> a;) w.push_back(a);
  return w;
}

CommandLine parsed(const std::string& line) {
  const auto result = parse_command_line(words(line));
  EXPECT_TRUE(std::holds_alternative<CommandLine>(result))
      << line << ": " << std::get<UsageError>(result).line;
  return std::holds_alternative<CommandLine>(result) ? std::get<CommandLine>(result)
                                                     : CommandLine{};
}

std::string refused(const std::string& line) {
  const auto result = parse_command_line(words(line));
  EXPECT_TRUE(std::holds_alternative<UsageError>(result)) << line;
  return std::holds_alternative<UsageError>(result) ? std::get<UsageError>(result).line : "";
}

TEST(CommandLine, EveryOptionAnswersItsQuestion) {
  const CommandLine v = parsed(
      "100 --listing=a.lis --vomar b.vom --coarsen 101:107:3,107:113:2 --coarsen=201:260:5 "
      "--hinge 1E8,2.5E3 --seabed -60 --messages m.txt -q");
  EXPECT_EQ(v.request, CommandLine::Request::kConvert);
  EXPECT_EQ(v.size, "100");
  EXPECT_EQ(v.listing, "a.lis");
  EXPECT_EQ(v.vomar, "b.vom");
  ASSERT_EQ(v.coarsen.size(), 2u);
  EXPECT_EQ(v.coarsen[0], (std::vector<CoarseningSegment>{{101, 107, 3}, {107, 113, 2}}));
  EXPECT_EQ(v.coarsen[1], (std::vector<CoarseningSegment>{{201, 260, 5}}));
  EXPECT_EQ(v.hinge, "1E8,2.5E3");
  EXPECT_EQ(v.seabed, "-60");
  EXPECT_EQ(v.messages, "m.txt");
  EXPECT_TRUE(v.quiet);
  const CommandLine s = parsed("-l a.lis --shear7 b.s7 --scale 1.5");
  EXPECT_EQ(s.shear7, "b.s7");
  EXPECT_EQ(s.scale, "1.5");
  EXPECT_FALSE(s.size);
}

TEST(CommandLine, RequestsOtherThanAConversion) {
  struct Case {
    std::string line;
    CommandLine::Request request;
  } cases[] = {
      {"--help", CommandLine::Request::kHelp},
      {"-h", CommandLine::Request::kHelp},
      {"/?", CommandLine::Request::kHelp},
      {"50 --help", CommandLine::Request::kHelp},
      {"--version", CommandLine::Request::kVersion},
      {"--risers r.lis", CommandLine::Request::kRisers},
      {"--check r.vom", CommandLine::Request::kCheck},
      {"", CommandLine::Request::kConvert},
      {"abc", CommandLine::Request::kConvert},
      {"-3", CommandLine::Request::kConvert},
  };
  for (const Case& c : cases) EXPECT_EQ(parsed(c.line).request, c.request) << c.line;
  EXPECT_EQ(parsed("--risers r.lis").risers, "r.lis");
  EXPECT_EQ(parsed("--check r.vom").check, "r.vom");
  const CommandLine reported = parsed("--vomar a.vom --report a.html --report-json=a.json");
  EXPECT_EQ(reported.report_html, "a.html");
  EXPECT_EQ(reported.report_json, "a.json");
  EXPECT_EQ(parsed("-3").size, "-3");  // a size that is refused as today
}

TEST(CommandLine, UsageErrorsNameTheOptionAndWhatItTakes) {
  struct Case {
    std::string line, error;
  } cases[] = {
      {"--bogus", "velkan: --bogus is no option of velkan"},
      {"-help", "velkan: -help is no option of velkan"},
      {"--quiet=3", "velkan: --quiet takes no value"},
      {"50 60", "velkan: \"60\" is no option (the size comes first)"},
      {"--scale abc",
       "velkan: --scale takes the tension factor, one number (--scale 1.5), not \"abc\""},
      {"--scale 1,5",
       "velkan: --scale takes the tension factor, one number (--scale 1.5), not "
       "\"1,5\": write a decimal point, not a comma"},
      {"--scale 1E400",
       "velkan: --scale takes the tension factor, one number (--scale 1.5), not "
       "\"1E400\""},
      {"--seabed deep",
       "velkan: --seabed takes the highest Z of the sea-bed nodes, one number "
       "(--seabed -60), not \"deep\""},
      {"--hinge 1E8",
       "velkan: --hinge takes two numbers, the axial and the bending stiffness "
       "(--hinge 1E8,1E3), not \"1E8\""},
      {"--coarsen 101:107",
       "velkan: --coarsen takes one riser's segments, first node:last "
       "node:nSkip, separated by commas (--coarsen 101:107:3,107:113:2 "
       "--coarsen 201:260:5), not \"101:107\""},
      {"--coarsen 1:2:x", ""},
      {"--scale", "velkan: --scale takes the tension factor, one number (--scale 1.5)"},
      {"--vomar a --report-json",
       "velkan: --report-json takes the report's file name (JSON) "
       "(--report-json riser.json)"},
      {"--scale 1 --scale 2",
       "velkan: --scale takes the tension factor, one number, once "
       "(--scale 1.5)"},
      {"--vomar a --shear7 b", "velkan: --vomar and --shear7 do not go together"},
      {"--vomar a --scale 2", "velkan: --scale and --vomar do not go together"},
      {"--shear7 a --seabed 2", "velkan: --seabed and --shear7 do not go together"},
      {"--risers a --listing b", "velkan: --listing and --risers do not go together"},
      {"--check a --vomar b", "velkan: --vomar and --check do not go together"},
  };
  for (const Case& c : cases) {
    const std::string error = refused(c.line);
    if (!c.error.empty()) {
      EXPECT_EQ(error, c.error) << c.line;
    }
  }
  std::string eleven;
  for (int r = 0; r < 11; ++r) eleven += " --coarsen 1:2:2";
  EXPECT_EQ(refused(eleven),
            "velkan: --coarsen takes at most 10 risers of at most 200 segments in all");
}

TEST(CommandLine, TheHelpNamesEveryOptionWithAnExample) {
  const std::string help = help_text();
  for (const char* option :
       {"--listing", "--vomar", "--shear7", "--scale", "--coarsen", "--hinge", "--seabed",
        "--messages", "--quiet", "--risers", "--help", "--version"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  EXPECT_NE(help.find("Exit status: 0 completed, 1 failed, 2 a usage error"), std::string::npos);
}

}  // namespace
}  // namespace velkan
