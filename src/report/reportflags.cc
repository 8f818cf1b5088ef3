// The flags of a report, from its figures.
#include "report/reportflags.h"

#include <cmath>

#include "report/reportnumbers.h"

namespace velkan {
namespace {

constexpr std::int64_t kUsualSeabedOffset = 9900000;

std::string percent_text(double p) {
  return signed_decimal(p, 3) + " %";
}

double percent_of(double change, double of) {
  return of == 0 ? 0.0 : 100.0 * change / of;
}

class Flags {
 public:
  void add(std::string code, std::size_t riser, std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
      text[0] = static_cast<char>(text[0] - 'a' + 'A');
    list_.push_back({std::move(code), riser, std::move(text)});
  }
  std::vector<Flag> take() { return std::move(list_); }

 private:
  std::vector<Flag> list_;
};

// Elements whose data leave a value 0 (left out of a table, or 0 in it).
void zero_flags(Flags& f, const ListingSums& s) {
  if (s.zero_diameter > 0) {
    f.add("zero_diameter", 0,
          whole(s.zero_diameter) +
              " elements have a hydrodynamic diameter (W9) of 0 (the first: element " +
              whole(s.first_zero_diameter) + ")");
  }
  if (s.zero_mass > 0) {
    f.add("zero_mass", 0,
          whole(s.zero_mass) + " elements have a mass per length of 0 (the first: element " +
              whole(s.first_zero_mass) + ")");
  }
  if (s.zero_length > 0) {
    f.add("zero_length", 0,
          whole(s.zero_length) +
              " elements have a length of 0, in W7 or between their nodes (the first: element " +
              whole(s.first_zero_length) + ")");
  }
}

// The listing's own element lengths against its node coordinates.
void length_flag(Flags& f, std::size_t number, const std::string& name, const ListingSums& s) {
  const double p = percent_of(s.length_w7_plain - s.length_nodes_plain, s.length_nodes_plain);
  if (std::abs(p) <= kFlagPercent) return;
  f.add("lengths_disagree", number,
        name + ": the element lengths W7 of the listing sum to " + decimal(s.length_w7_plain, 3) +
            " m, the distances between their nodes to " + decimal(s.length_nodes_plain, 3) +
            " m (" + percent_text(p) + "); the model's beams take the distances");
}

void change_flags(Flags& f, std::size_t number, const std::string& name, const ListingSums& l,
                  const MassFigures& m, const Difference& d) {
  if (std::abs(d.mass_percent) > kFlagPercent) {
    f.add("mass_changed", number,
          name + ": mass changed by " + percent_text(d.mass_percent) + " (listing " +
              decimal(l.mass, 1) + " kg, model " + decimal(m.mass, 1) + " kg)");
  }
  if (std::abs(d.length_percent) > kFlagPercent) {
    f.add("length_changed", number,
          name + ": length changed by " + percent_text(d.length_percent) + " (listing " +
              decimal(l.length_nodes, 3) + " m, model " + decimal(m.length, 3) + " m)");
  }
  if (d.centre_shift_percent > kFlagPercent) {
    f.add("centre_moved", number,
          name + ": centre of mass moved by " + decimal(d.centre_shift, 3) + " m, " +
              decimal(d.centre_shift_percent, 3) + " % of its length");
  }
}

void riser_flags(Flags& f, const RiserReport& r, const ConversionNotes& notes,
                 bool others_grouped) {
  const std::string name = riser_name(r.number, *r.listing);
  const ModelRiser& m = r.model;
  if (m.mass.beams == 0) {
    f.add("riser_removed", r.number, name + ": no beam of the model lies on it");
    return;
  }
  change_flags(f, r.number, name, r.listing->sums, m.mass, r.difference);
  if (m.elements_on_no_segment > 0) {
    f.add("elements_on_no_segment", r.number,
          name + ": " + whole(m.elements_on_no_segment) + " of its " +
              whole(r.listing->sums.elements) +
              " elements lie on no segment of the coarser mesh and were removed");
  }
  if (notes.coarsened && others_grouped && m.grouping_segments == 0) {
    f.add("riser_not_coarsened", r.number, name + ": not coarsened, while other risers were");
  }
  if (m.fixed_ends == 0) f.add("no_fixed_ends", r.number, name + ": neither end is fixed");
  if (m.hinges != r.listing->sums.hinges) {
    f.add("hinges_changed", r.number,
          name + ": " + whole(r.listing->sums.hinges) + " hinge elements in the listing, " +
              whole(m.hinges) + " hinge beams in the model");
  }
  if (m.mass.left_out > 0) {
    f.add("beams_left_out", r.number,
          name + ": " + whole(m.mass.left_out) +
              " beams could not be weighed (a node, cross-section or material missing)");
  }
}

void merge_flag(Flags& f, const char* what, const std::optional<MergeNote>& note,
                double tolerance) {
  if (!note || note->largest_change < 0.5 * tolerance) return;
  f.add("merge_near_tolerance", 0,
        std::string("merging the ") + what + " changed a value by " +
            scientific(note->largest_change, 2) + " of it, close to the tolerance " +
            scientific(tolerance, 2) +
            (note->largest_change > tolerance ? " and beyond it (chained merges)" : ""));
}

}  // namespace

std::string riser_name(std::size_t number, const ListingRiser& riser) {
  return "Riser " + whole(static_cast<std::int64_t>(number)) + " (nodes " +
         whole(riser.first_node) + " to " + whole(riser.last_node) + ")";
}

std::vector<Flag> vomar_flags(const ListingFigures& listing, const ReportFigures& figures,
                              const ConversionNotes& notes, const ModelFile& file) {
  Flags f;
  if (file.fault_count > 0) {
    f.add("model_file_faults", 0,
          "the model file read back has " + whole(file.fault_count) +
              (file.fault_count == 1 ? " fault" : " faults") +
              "; the first: " + (file.faults.empty() ? std::string("-") : file.faults.front()));
  }
  // A file that could not be read holds no model to compare: only the
  // listing's own flags follow.
  if (file.readable) {
    bool grouped = false;
    for (const RiserReport& r : figures.risers) grouped = grouped || r.model.grouping_segments > 0;
    for (const RiserReport& r : figures.risers) riser_flags(f, r, notes, grouped);
  }
  for (const RiserReport& r : figures.risers) {
    length_flag(f, r.number, riser_name(r.number, *r.listing), r.listing->sums);
  }
  if (file.readable) {
    change_flags(f, 0, "The whole model", listing.whole, figures.model, figures.whole);
  }
  zero_flags(f, listing.whole);
  if (listing.elements_on_no_riser > 0) {
    f.add("elements_on_no_riser", 0,
          whole(listing.elements_on_no_riser) +
              " elements of the listing lie on no riser (velkan --risers tells which)");
  }
  if (!file.readable) return f.take();
  if (figures.beams_on_no_riser > 0) {
    f.add("beams_on_no_riser", 0,
          whole(figures.beams_on_no_riser) + " beams of the model lie on no riser of the listing");
  }
  merge_flag(f, "materials", notes.materials, notes.merge_tolerance);
  merge_flag(f, "cross-sections", notes.sections, notes.merge_tolerance);
  for (const std::int64_t offset : figures.seabed.offsets) {
    if (offset == kUsualSeabedOffset) continue;
    f.add("seabed_moved", 0,
          "sea-bed springs are numbered " + whole(offset) + " + node, not " +
              whole(kUsualSeabedOffset) + " + node");
  }
  if (notes.seabed_level && figures.seabed.springs == 0) {
    f.add("seabed_empty", 0,
          "no node lies at or below the sea-bed level " + decimal(*notes.seabed_level, 3));
  }
  return f.take();
}

std::vector<Flag> shear7_flags(const ListingFigures& listing, const Shear7Figures& s) {
  Flags f;
  if (!s.readable) f.add("model_file_faults", 0, "the Shear7 file read back: " + s.fault);
  const auto points = static_cast<std::int64_t>(s.points.size());
  if (points != listing.whole.elements + 1) {
    f.add("points_changed", 0,
          "the Shear7 file has " + whole(points) + " points for " + whole(listing.whole.elements) +
              " elements");
  }
  const double p = percent_of(s.mass - listing.profile.mass, listing.profile.mass);
  if (std::abs(p) > kFlagPercent) {
    f.add("mass_changed", 0,
          "the mass of the profile changed by " + percent_text(p) + " (listing " +
              decimal(listing.profile.mass, 1) + " kg, file " + decimal(s.mass, 1) + " kg)");
  }
  if (listing.risers.size() > 1) {
    f.add("profile_over_risers", 0,
          "the profile runs through the elements of " + whole(std::int64_t(listing.risers.size())) +
              " risers one after another, in listing order, as one line");
  }
  if (!s.points.empty() && s.tension_min < 0) {
    f.add("compression", 0,
          "the tension is below 0 (compression) down to " + scientific(s.tension_min, 4) +
              " at the length coordinate " + decimal(s.points[s.tension_min_at].s, 4));
  }
  zero_flags(f, listing.whole);
  if (listing.elements_on_no_riser > 0) {
    f.add("elements_on_no_riser", 0,
          whole(listing.elements_on_no_riser) + " elements of the listing lie on no riser");
  }
  return f.take();
}

}  // namespace velkan
