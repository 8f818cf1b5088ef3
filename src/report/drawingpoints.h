// The points of a line that a drawing keeps: a line of many points thinned
// to a few thousand, keeping its ends, the points it must show (hinges,
// fixed nodes) and its bends. The figures of a report always use every
// point; only the drawings are thinned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velkan {

struct Point3 {
  double x = 0, y = 0, z = 0;
};

// Positions (rising) of the points of `line` that a drawing keeps: the first
// and the last, every position of `kept`, and of the rest those that a
// Douglas-Peucker simplification between them keeps at the smallest
// tolerance, not below `tolerance`, that leaves at most `most` points in all
// (the ends and the kept ones are never left out, even beyond `most`). A line
// of at most `most` points keeps them all.
std::vector<std::size_t> drawn_points(std::span<const Point3> line,
                                      std::span<const std::size_t> kept, double tolerance,
                                      std::size_t most);

// Positions (rising) of the points of a curve whose x rises that show it at
// the width of `columns` columns: in each column of x, its first and last
// point and the points of its lowest and highest y. A curve of a million
// points so keeps at most four per column, in one pass, and looks the same.
std::vector<std::size_t> column_extremes(std::span<const Point3> curve, std::size_t columns);

// A line taken point by point for a drawing: a point closer than `spacing`
// to the last one taken is passed over, unless it must stay or ends the line;
// the points taken are then thinned as drawn_points() thins them. So a line
// of a million points costs one pass and the memory of the points taken.
class LineThinner {
 public:
  LineThinner(double spacing, double tolerance, std::size_t most)
      : spacing2_(spacing * spacing), tolerance_(tolerance), most_(most) {}
  void add(const Point3& p, bool stays = false);
  // The points drawn; the thinner is empty again afterwards.
  std::vector<Point3> take();
  std::size_t size() const { return taken_.size() + (pending_ ? 1 : 0); }

 private:
  double spacing2_, tolerance_;
  std::size_t most_;
  std::vector<Point3> taken_;
  std::vector<std::size_t> stays_;
  bool pending_ = false;  // `last_` was passed over, but ends the line so far
  Point3 last_;
};

}  // namespace velkan
