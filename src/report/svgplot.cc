// SVG plots: frame, round ticks, lines and marks, every number through the
// report's number edits.
#include "report/svgplot.h"

#include <algorithm>
#include <cmath>

#include "report/reportnumbers.h"

namespace velkan {
namespace {

// A round step (1, 2 or 5 times a power of ten) that cuts `range` into
// about five parts.
double round_step(double range) {
  if (!(range > 0) || !std::isfinite(range)) return 1;
  const double raw = range / 5;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double f : {1.0, 2.0, 5.0}) {
    if (f * power >= raw) return f * power;
  }
  return 10 * power;
}

// A span with room: never empty, widened to whole steps.
Span2 widened(Span2 s, double& step) {
  if (!std::isfinite(s.low) || !std::isfinite(s.high)) s = {0, 1};
  if (s.high - s.low < 1e-9 * std::max(1.0, std::abs(s.low))) {
    const double pad = std::max(1.0, 0.05 * std::abs(s.low));
    s = {s.low - pad, s.high + pad};
  }
  step = round_step(s.high - s.low);
  return {std::floor(s.low / step) * step, std::ceil(s.high / step) * step};
}

int decimals_for(double step) {
  return step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

std::string attr(double v) {
  return decimal(v, 1);
}

}  // namespace

std::string xml_text(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

SvgPlot::SvgPlot(double width, double height, Span2 x, Span2 y, bool same_scale,
                 std::string_view x_label, std::string_view y_label)
    : width_(width), height_(height), x_label_(x_label), y_label_(y_label) {
  x_ = widened(x, x_step_);
  y_ = widened(y, y_step_);
  if (same_scale) {
    const double w = width_ - left_ - right_, h = height_ - top_ - bottom_;
    const double scale = std::min(w / (x_.high - x_.low), h / (y_.high - y_.low));
    const double xs = w / scale - (x_.high - x_.low), ys = h / scale - (y_.high - y_.low);
    x_ = {x_.low - xs / 2, x_.high + xs / 2};
    y_ = {y_.low - ys / 2, y_.high + ys / 2};
    x_step_ = round_step(x_.high - x_.low);
    y_step_ = round_step(y_.high - y_.low);
  }
  axes();
}

double SvgPlot::px(double x) const {
  return left_ + (x - x_.low) / (x_.high - x_.low) * (width_ - left_ - right_);
}

double SvgPlot::py(double y) const {
  return height_ - bottom_ - (y - y_.low) / (y_.high - y_.low) * (height_ - top_ - bottom_);
}

void SvgPlot::axes() {
  const double x0 = left_, x1 = width_ - right_, y0 = top_, y1 = height_ - bottom_;
  body_ += "<rect class=\"frame\" x=\"" + attr(x0) + "\" y=\"" + attr(y0) + "\" width=\"" +
           attr(x1 - x0) + "\" height=\"" + attr(y1 - y0) + "\"/>\n";
  const int xd = decimals_for(x_step_), yd = decimals_for(y_step_);
  for (double t = std::ceil(x_.low / x_step_) * x_step_; t <= x_.high + 1e-9 * x_step_;
       t += x_step_) {
    const double p = px(t);
    body_ += "<line class=\"grid\" x1=\"" + attr(p) + "\" y1=\"" + attr(y0) + "\" x2=\"" + attr(p) +
             "\" y2=\"" + attr(y1 + 4) + "\"/>\n";
    body_ += "<text class=\"tick\" x=\"" + attr(p) + "\" y=\"" + attr(y1 + 16) +
             "\" text-anchor=\"middle\">" + decimal(t, xd) + "</text>\n";
  }
  for (double t = std::ceil(y_.low / y_step_) * y_step_; t <= y_.high + 1e-9 * y_step_;
       t += y_step_) {
    const double p = py(t);
    body_ += "<line class=\"grid\" x1=\"" + attr(x0 - 4) + "\" y1=\"" + attr(p) + "\" x2=\"" +
             attr(x1) + "\" y2=\"" + attr(p) + "\"/>\n";
    body_ += "<text class=\"tick\" x=\"" + attr(x0 - 6) + "\" y=\"" + attr(p + 4) +
             "\" text-anchor=\"end\">" + decimal(t, yd) + "</text>\n";
  }
  body_ += "<text class=\"axis\" x=\"" + attr((x0 + x1) / 2) + "\" y=\"" + attr(height_ - 6) +
           "\" text-anchor=\"middle\">" + xml_text(x_label_) + "</text>\n";
  body_ += "<text class=\"axis\" x=\"14\" y=\"" + attr((y0 + y1) / 2) +
           "\" text-anchor=\"middle\" transform=\"rotate(-90 14 " + attr((y0 + y1) / 2) + ")\">" +
           xml_text(y_label_) + "</text>\n";
}

void SvgPlot::line(std::span<const Point2> points, std::string_view css_class) {
  if (points.empty()) return;
  body_ += "<polyline class=\"" + std::string(css_class) + "\" points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) body_ += ' ';
    body_ += attr(px(points[i].x)) + ',' + attr(py(points[i].y));
  }
  body_ += "\"/>\n";
}

void SvgPlot::level(double y, std::string_view css_class, std::string_view text) {
  const double p = py(y);
  body_ += "<line class=\"" + std::string(css_class) + "\" x1=\"" + attr(left_) + "\" y1=\"" +
           attr(p) + "\" x2=\"" + attr(width_ - right_) + "\" y2=\"" + attr(p) + "\"/>\n";
  body_ += "<text class=\"note\" x=\"" + attr(left_ + 4) + "\" y=\"" + attr(p - 4) + "\">" +
           xml_text(text) + "</text>\n";
}

void SvgPlot::mark(Point2 p, std::string_view shape, std::string_view css_class) {
  const std::string x = attr(px(p.x)), y = attr(py(p.y)), c(css_class);
  if (shape == "square") {
    body_ += "<rect class=\"" + c + "\" x=\"" + attr(px(p.x) - 4) + "\" y=\"" + attr(py(p.y) - 4) +
             "\" width=\"8\" height=\"8\"/>\n";
  } else {
    body_ += "<circle class=\"" + c + "\" cx=\"" + x + "\" cy=\"" + y + "\" r=\"" +
             (shape == "dot" ? "2" : "4.5") + "\"/>\n";
  }
}

void SvgPlot::text(Point2 p, std::string_view text, std::string_view css_class) {
  body_ += "<text class=\"" + std::string(css_class) + "\" x=\"" + attr(px(p.x) + 6) + "\" y=\"" +
           attr(py(p.y) - 6) + "\">" + xml_text(text) + "</text>\n";
}

std::string SvgPlot::svg() const {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + attr(width_) + " " +
         attr(height_) + "\" width=\"" + attr(width_) + "\" height=\"" + attr(height_) + "\">\n" +
         body_ + "</svg>\n";
}

}  // namespace velkan
