// A plot drawn as SVG by hand: a frame with axes, ticks and labels, and
// lines, marks and texts in the plot's own coordinates. Colours and line
// styles come from the classes of the page's style sheet.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velkan {

struct Point2 {
  double x = 0, y = 0;
};

struct Span2 {
  double low = 0, high = 1;
};

class SvgPlot {
 public:
  // A plot of `width` by `height` pixels showing x and y over the spans
  // given (each widened to round ticks); with `same_scale`, one metre is as
  // long across as up, the spans widened to keep it.
  SvgPlot(double width, double height, Span2 x, Span2 y, bool same_scale, std::string_view x_label,
          std::string_view y_label);

  void line(std::span<const Point2> points, std::string_view css_class);
  // A horizontal line across the plot at y, with a text at its left end.
  void level(double y, std::string_view css_class, std::string_view text);
  // A mark: "ring", "square" or "dot".
  void mark(Point2 p, std::string_view shape, std::string_view css_class);
  void text(Point2 p, std::string_view text, std::string_view css_class);
  // The <svg> element, ending in a line end.
  std::string svg() const;

 private:
  double px(double x) const;
  double py(double y) const;
  void axes();

  double width_, height_;
  double left_ = 62, right_ = 14, top_ = 14, bottom_ = 40;
  Span2 x_, y_;
  double x_step_ = 1, y_step_ = 1;
  std::string x_label_, y_label_;
  std::string body_;
};

// The text with &, <, >, " and ' written as XML entities.
std::string xml_text(std::string_view text);

}  // namespace velkan
