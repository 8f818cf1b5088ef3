// Parsing the command line: CLI11 finds the options and their values; the
// values are then read as the dialogue reads answers, and checked.
#include "commandline/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/listdirected.h"

namespace velkan {
namespace {

struct OptionInfo {
  std::string_view name;     // "--scale"
  std::string_view letter;   // "-l", or ""
  std::string_view value;    // "F", or "" for a flag
  std::string_view takes;    // what its value is, for the usage errors
  std::string_view example;  // one line of --help
};

constexpr OptionInfo kOptions[] = {
    {"--listing", "-l", "FILE", "the listing's file name", "--listing riser.lis"},
    {"--vomar", "", "FILE", "the Vomar model file's name", "--vomar riser.vom"},
    {"--shear7", "", "FILE", "the Shear7 model file's name", "--shear7 riser.s7"},
    {"--scale", "", "F", "the tension factor, one number", "--scale 1.5"},
    {"--coarsen", "", "F:L:K[,F:L:K...]",
     "one riser's segments, first node:last node:nSkip, separated by commas",
     "--coarsen 101:107:3,107:113:2 --coarsen 201:260:5"},
    {"--hinge", "", "AX,BEND", "two numbers, the axial and the bending stiffness",
     "--hinge 1E8,1E3"},
    {"--seabed", "", "Z", "the highest Z of the sea-bed nodes, one number", "--seabed -60"},
    {"--messages", "-m", "FILE", "the message file's name", "--messages run1.msg"},
    {"--quiet", "-q", "", "", "--quiet"},
    {"--report", "", "FILE", "the report's file name (HTML)", "--report riser.html"},
    {"--report-json", "", "FILE", "the report's file name (JSON)", "--report-json riser.json"},
    {"--risers", "", "LISTING", "the listing's file name", "--risers riser.lis"},
    {"--check", "", "FILE", "the Vomar model file's name", "--check riser.vom"},
    {"--help", "-h", "", "", "--help"},
    {"--version", "", "", "", "--version"},
};

constexpr std::size_t kMaxRisers = 10;
constexpr std::size_t kLongestName = 4096;  // as a name typed at a prompt
constexpr std::size_t kMaxSegments = 200;

const OptionInfo& info(std::string_view name) {
  for (const OptionInfo& o : kOptions) {
    if (o.name == name) return o;
  }
  return kOptions[0];
}

UsageError takes(std::string_view name, std::string_view value) {
  const OptionInfo& o = info(name);
  std::string line = "velkan: " + std::string(name) + " takes " + std::string(o.takes);
  line += " (" + std::string(o.example) + "), not \"" + std::string(value) + "\"";
  if (value.find(',') != std::string_view::npos && o.name != "--coarsen" && o.name != "--hinge") {
    line += ": write a decimal point, not a comma";
  }
  return {line};
}

std::optional<double> finite_number(std::string_view text) {
  const std::vector<std::string_view> tokens = list_tokens(text);
  if (tokens.size() != 1 || tokens[0].size() != text.size()) return std::nullopt;
  const std::optional<double> v = parse_list_real(text);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

std::optional<std::int32_t> whole_number(std::string_view text) {
  if (text.empty() || list_tokens(text).size() != 1) return std::nullopt;
  return parse_list_integer(text);
}

std::vector<std::string_view> split(std::string_view text, char at) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t to = text.find(at, from);
    parts.push_back(text.substr(from, to == std::string_view::npos ? to : to - from));
    if (to == std::string_view::npos) return parts;
    from = to + 1;
  }
}

std::optional<std::vector<CoarseningSegment>> riser_segments(std::string_view text) {
  std::vector<CoarseningSegment> segments;
  for (const std::string_view part : split(text, ',')) {
    const std::vector<std::string_view> f = split(part, ':');
    if (f.size() != 3) return std::nullopt;
    const auto first = whole_number(f[0]), last = whole_number(f[1]), skip = whole_number(f[2]);
    if (!first || !last || !skip) return std::nullopt;
    segments.push_back({*first, *last, *skip});
  }
  return segments;
}

// The values CLI11 found, one list per option.
struct Found {
  std::vector<std::vector<std::string>> values{std::size(kOptions)};
  std::vector<std::string> extras;
  const std::vector<std::string>& of(std::string_view name) const {
    return values[static_cast<std::size_t>(&info(name) - kOptions)];
  }
};

// The first of our options that a CLI11 message is about.
std::string_view named_in(const std::string& message) {
  const auto ends_name = [&](std::size_t at) {
    return at == message.size() ||
           (!std::isalnum(static_cast<unsigned char>(message[at])) && message[at] != '-');
  };
  for (const OptionInfo& o : kOptions) {
    for (std::size_t at = message.find(o.name); at != std::string::npos;
         at = message.find(o.name, at + 1)) {
      if (ends_name(at + o.name.size())) return o.name;
    }
  }
  return {};
}

// A flag given a value ("--quiet=3", which CLI11 would count three times).
std::optional<UsageError> flag_with_value(std::span<const std::string> args) {
  for (const OptionInfo& o : kOptions) {
    const std::string with_value = std::string(o.name) + "=";
    for (const std::string& a : args) {
      if (o.value.empty() && a.starts_with(with_value)) {
        return UsageError{"velkan: " + std::string(o.name) + " takes no value"};
      }
    }
  }
  return std::nullopt;
}

std::optional<UsageError> find_options(std::span<const std::string> args, Found& found) {
  if (auto error = flag_with_value(args)) return error;
  CLI::App app{"velkan"};
  app.set_help_flag();
  app.allow_extras();
  for (std::size_t k = 0; k < std::size(kOptions); ++k) {
    const OptionInfo& o = kOptions[k];
    std::string names(o.name);
    if (!o.letter.empty()) names = std::string(o.letter) + "," + names;
    auto& into = found.values[k];
    if (o.value.empty()) {
      app.add_flag_function(
          names, [&into](std::int64_t n) { into.assign(static_cast<std::size_t>(n), ""); });
    } else {
      CLI::Option* option = app.add_option(names, into);
      option->expected(1);
      option->multi_option_policy(o.name == "--coarsen" ? CLI::MultiOptionPolicy::TakeAll
                                                        : CLI::MultiOptionPolicy::Throw);
    }
  }
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    const std::string_view name = named_in(e.what());
    if (name.empty()) return UsageError{"velkan: " + std::string(e.what())};
    const OptionInfo& o = info(name);
    const auto is_name = [&](const std::string& a) {
      return a == o.name || a == o.letter || a.starts_with(std::string(o.name) + "=");
    };
    if (o.value.empty()) return UsageError{"velkan: " + std::string(name) + " takes no value"};
    const bool twice = std::count_if(args.begin(), args.end(), is_name) > 1;
    return UsageError{"velkan: " + std::string(name) + " takes " + std::string(o.takes) +
                      (twice ? ", once (" : " (") + std::string(o.example) + ")"};
  }
  found.extras = app.remaining();
  return std::nullopt;
}

std::optional<UsageError> read_values(const Found& found, CommandLine& cl) {
  const auto single = [&](std::string_view name) -> std::optional<std::string> {
    const auto& v = found.of(name);
    return v.empty() ? std::nullopt : std::optional<std::string>(v.front());
  };
  cl.listing = single("--listing");
  cl.vomar = single("--vomar");
  cl.shear7 = single("--shear7");
  cl.messages = single("--messages");
  cl.report_html = single("--report");
  cl.report_json = single("--report-json");
  for (const std::string_view name : {"--listing", "--vomar", "--shear7", "--messages", "--risers",
                                      "--report", "--report-json", "--check"}) {
    if (const auto text = single(name); text && text->size() > kLongestName) {
      return UsageError{"velkan: " + std::string(name) + " takes " + std::string(info(name).takes) +
                        " of at most " + std::to_string(kLongestName) + " characters"};
    }
  }
  cl.quiet = !found.of("--quiet").empty();
  for (const auto& [name, into] :
       {std::pair{"--scale", &cl.scale}, std::pair{"--seabed", &cl.seabed}}) {
    *into = single(name);
    if (*into && !finite_number(**into)) return takes(name, **into);
  }
  cl.hinge = single("--hinge");
  if (cl.hinge) {
    const std::vector<std::string_view> parts = split(*cl.hinge, ',');
    if (parts.size() != 2 || !finite_number(parts[0]) || !finite_number(parts[1])) {
      return takes("--hinge", *cl.hinge);
    }
  }
  std::size_t segments = 0;
  for (const std::string& text : found.of("--coarsen")) {
    auto riser = riser_segments(text);
    if (!riser) return takes("--coarsen", text);
    segments += riser->size();
    cl.coarsen.push_back(std::move(*riser));
  }
  if (cl.coarsen.size() > kMaxRisers || segments > kMaxSegments) {
    return UsageError{"velkan: --coarsen takes at most 10 risers of at most 200 segments in all"};
  }
  return std::nullopt;
}

// Options that cannot go together.
std::optional<UsageError> contradiction(const Found& found, const CommandLine& cl) {
  const auto given = [&](std::string_view name) { return !found.of(name).empty(); };
  const auto clash = [](std::string_view a, std::string_view b) {
    return UsageError{"velkan: " + std::string(a) + " and " + std::string(b) +
                      " do not go together"};
  };
  if (cl.vomar && cl.shear7) return clash("--vomar", "--shear7");
  for (const std::string_view vomar_only : {"--coarsen", "--hinge", "--seabed"}) {
    if (cl.shear7 && given(vomar_only)) return clash(vomar_only, "--shear7");
  }
  if (cl.vomar && cl.scale) return clash("--scale", "--vomar");
  for (const std::string_view alone : {"--risers", "--check"}) {
    if (!given(alone)) continue;
    for (const OptionInfo& o : kOptions) {
      if (o.name != alone && given(o.name)) return clash(o.name, alone);
    }
  }
  return std::nullopt;
}

// An argument that CLI11 left over, as it was typed: letters after a short
// option come back as an option of their own ("-help" as "-elp").
std::string as_typed(const std::string& extra, std::span<const std::string> args) {
  if (extra.size() < 2 || extra[0] != '-' || extra[1] == '-') return extra;
  for (const std::string& a : args) {
    if (a.size() == extra.size() + 1 && a[0] == '-' && a.ends_with(extra.substr(1))) return a;
  }
  return extra;
}

// Whether the first argument is the size: anything but an option (a number
// may begin with a minus).
bool is_size(const std::string& arg) {
  if (arg.size() < 2 || arg[0] != '-') return true;
  return std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.';
}

}  // namespace

std::variant<CommandLine, UsageError> parse_command_line(std::span<const std::string> args) {
  CommandLine cl;
  if (!args.empty() && args[0] == "/?") {
    cl.request = CommandLine::Request::kHelp;
    return cl;
  }
  if (!args.empty() && is_size(args[0])) {
    cl.size = args[0];
    args = args.subspan(1);
  }
  Found found;
  if (auto error = find_options(args, found)) return *error;
  if (!found.extras.empty()) {
    const std::string extra = as_typed(found.extras.front(), args);
    if (extra.starts_with("-")) return UsageError{"velkan: " + extra + " is no option of velkan"};
    return UsageError{"velkan: \"" + extra + "\" is no option (the size comes first)"};
  }
  if (!found.of("--help").empty()) cl.request = CommandLine::Request::kHelp;
  if (cl.request == CommandLine::Request::kHelp) return cl;
  if (!found.of("--version").empty()) {
    cl.request = CommandLine::Request::kVersion;
    return cl;
  }
  if (auto error = read_values(found, cl)) return *error;
  if (auto error = contradiction(found, cl)) return *error;
  if (!found.of("--risers").empty()) {
    cl.request = CommandLine::Request::kRisers;
    cl.risers = found.of("--risers").front();
  }
  if (!found.of("--check").empty()) {
    cl.request = CommandLine::Request::kCheck;
    cl.check = found.of("--check").front();
  }
  return cl;
}

std::string usage_line() {
  return "Usage: velkan [size-in-millions] [options]   (velkan --help tells more)\n";
}

std::string help_text() {
  std::string text =
      "Usage: velkan [size-in-millions] [options]\n"
      "\n"
      "Converts the printed listing of a FlexCom run into a Vomar model file or a\n"
      "Shear7 model file. Every question of the conversion is asked on the console,\n"
      "unless an option answers it; the answers may as well be piped in or read\n"
      "from a file:  velkan < answers.txt\n"
      "\n"
      "  size-in-millions  work memory in millions of 32-bit words (default 50,\n"
      "                    that is 200 MB; 0.5 gives half a million words)\n";
  for (const OptionInfo& o : kOptions) {
    std::string names = o.letter.empty() ? "      " : std::string(o.letter) + ", ";
    names += std::string(o.name);
    if (!o.value.empty()) names += " " + std::string(o.value);
    if (names.size() < 24) names.resize(24, ' ');
    text += "  " + names + "  e.g. " + std::string(o.example) + "\n";
  }
  text +=
      "\n"
      "--vomar or --shear7 chooses the conversion; with --vomar, the coarser mesh\n"
      "and the sea bed are made only when --coarsen and --seabed ask for them.\n"
      "--risers shows the risers of a listing, with what --coarsen needs for each;\n"
      "--check checks a Vomar model file and shows its figures. --report and\n"
      "--report-json write a report of the conversion for an engineer to check.\n"
      "--messages names the message file (default fort.17 in the working folder);\n"
      "--quiet leaves out the console lines about single elements and nodes.\n"
      "\n"
      "Exit status: 0 completed, 1 failed, 2 a usage error, 128 + the signal's\n"
      "number for a run stopped from outside (130 for Ctrl-C). The README that\n"
      "comes with the program tells more.\n";
  return text;
}

}  // namespace velkan
