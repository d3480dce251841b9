#include "CurveClip.h"

#include <cmath>
#include <limits>
#include <optional>

namespace vorna {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Point {
    double x;
    double y;
};

struct Segment {
    Point from;
    Point to;
};

// The part of the segment inside [xLow, xHigh] x [yLow, yHigh] (Liang-Barsky), in the
// coordinates the segment is given in.
std::optional<Segment> Clipped(const Segment& s, const ViewBox& box) {
    const double dx = s.to.x - s.from.x;
    const double dy = s.to.y - s.from.y;
    double enter = 0;
    double leave = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.from.x - box.xLow, box.xHigh - s.from.x, s.from.y - box.yLow,
                        box.yHigh - s.from.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter >= leave) return std::nullopt;  // outside, or touching the view only
    // An end inside the view is kept exactly, so that the next piece joins it.
    const auto at = [&](double t) { return Point{s.from.x + t * dx, s.from.y + t * dy}; };
    return Segment{enter == 0 ? s.from : at(enter), leave == 1 ? s.to : at(leave)};
}

bool Finite(const Point& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

class Cutter {
public:
    Cutter(const ViewBox& view, Curve& out) : view_(view), out_(out) {
        box_ = view;
        box_.xLow = Scaled(view.xLow);
        box_.xHigh = Scaled(view.xHigh);
    }

    void Line(const Curve& curve) {
        std::optional<Point> previous;
        for (std::size_t i = 0; i < curve.x.size() && i < curve.y.size(); ++i) {
            const Point point{Scaled(curve.x[i]), curve.y[i]};
            if (!Finite(point)) {
                previous.reset();
                continue;
            }
            if (previous) Add(Clipped({*previous, point}, box_));
            previous = point;
        }
        // A single point inside the view stays.
        if (out_.x.empty() && curve.x.size() == 1 && Inside({Scaled(curve.x[0]), curve.y[0]}))
            Append({Scaled(curve.x[0]), curve.y[0]});
    }

    void Marks(const Curve& curve) {
        for (std::size_t i = 0; i < curve.x.size() && i < curve.y.size(); ++i) {
            const Point point{Scaled(curve.x[i]), curve.y[i]};
            if (Finite(point) && Inside(point)) Append(point);
        }
    }

private:
    double Scaled(double x) const {
        return view_.xScale == AxisScale::Logarithmic ? std::log(x) : x;
    }
    double Unscaled(double x) const {
        return view_.xScale == AxisScale::Logarithmic ? std::exp(x) : x;
    }
    bool Inside(const Point& p) const {
        return p.x >= box_.xLow && p.x <= box_.xHigh && p.y >= box_.yLow && p.y <= box_.yHigh;
    }
    void Append(const Point& p) {
        out_.x.push_back(Unscaled(p.x));
        out_.y.push_back(p.y);
        last_ = p;
        anyAppended_ = true;
    }
    // A piece of the line: joined to the last one when it starts where that ended, else
    // after a gap.
    void Add(const std::optional<Segment>& piece) {
        if (!piece) return;
        const bool joined = anyAppended_ && last_.x == piece->from.x && last_.y == piece->from.y;
        if (!joined) {
            if (anyAppended_) {
                out_.x.push_back(Unscaled((last_.x + piece->from.x) / 2));
                out_.y.push_back(kNaN);
            }
            Append(piece->from);
        }
        Append(piece->to);
    }

    const ViewBox& view_;
    ViewBox box_;
    Curve& out_;
    // The last point appended, once there is one (a flag, not an optional, which GCC's
    // optimiser takes for uninitialised here).
    Point last_{0, 0};
    bool anyAppended_ = false;
};

}  // namespace

std::vector<Curve> CurvesWithinView(const std::vector<Curve>& curves, const ViewBox& view) {
    std::vector<Curve> within;
    for (const Curve& curve : curves) {
        Curve cut{curve.name, {}, {}, curve.style, curve.guide};
        Cutter cutter(view, cut);
        if (curve.style == CurveStyle::PoleMarks || curve.style == CurveStyle::ZeroMarks) {
            cutter.Marks(curve);
        } else {
            cutter.Line(curve);
        }
        within.push_back(std::move(cut));
    }
    return within;
}

}  // namespace vorna
