#include "wheel/wheel_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "wheel/label_space.h"

namespace crank {
namespace {

// Where the events' lines end, as a share of the radius.
constexpr double kMarkInner = 0.7;
// A 0-180-0 wheel names its sides at 150 and 210, clear of the ports' usual
// events and of the arrow.
constexpr int kSideWordReading = 150;

class WheelDrawing {
public:
    WheelDrawing(Canvas& canvas, const WheelView& view, double top)
        : m_canvas(canvas), m_view(view),
          m_r(view.diameter / 2.0), m_c{kPageWidthMm / 2.0, top + m_r}, m_ten(0.07 * view.diameter),
          m_numberPoints(static_cast<float>(6.0 + (view.diameter - 80.0) / 30.0)),
          m_numberRadius(m_r - m_ten - 1.0 - LineMm(m_numberPoints) / 2.0),
          m_space(m_c, m_numberRadius)
    {
    }

    void draw()
    {
        circle(m_r, PenMm(0.25));
        ticks();
        arrow();
        centre();
        if (m_view.marking == WheelMarking::BothWays) {
            sideWord(kSideWordReading, "ATDC");
            sideWord(360 - kSideWordReading, "BTDC");
        }
        events();
        eventList();
    }

private:
    // The point r mm from the centre at a reading: readings rise against the
    // way the engine turns, as the pointer stands still and the wheel turns.
    MmPoint point(double reading, double r) const
    {
        const double clock = m_view.turning == Turning::Clockwise ? -reading : reading;
        const double a = clock * std::numbers::pi / 180.0;
        return {m_c.x + r * std::sin(a), m_c.y - r * std::cos(a)};
    }
    void radial(double reading, double from, double to, const Pen& pen)
    {
        DrawLineMm(m_canvas, point(reading, from), point(reading, to), pen);
    }
    void circle(double r, const Pen& pen)
    {
        std::vector<TwipPoint> points;
        for (int i = 0; i <= 720; ++i) {
            points.push_back(AtMm(point(i / 2.0, r)));
        }
        m_canvas.drawPolyline(points, pen);
    }
    // Centred lines of text in a box, one under the other.
    void text(const MmBox& box, const std::vector<std::string>& lines, float points)
    {
        const double x = (box.left + box.right) / 2.0;
        const double line = LineMm(points);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const double y = box.top + line * (static_cast<double>(i) + 0.5);
            DrawCentredText(m_canvas, AtMm({x, y}), lines[i], FixedFace(points));
        }
        m_space.addBox(box);
    }

    void ticks()
    {
        const double d = m_view.diameter;
        const int step = m_view.halfDegrees ? 1 : 2;
        const double line = LineMm(m_numberPoints);
        for (int h = 0; h < 720; h += step) {
            const double length = DegreeTickLength(h, m_ten, 0.05 * d, 0.03 * d, 0.018 * d);
            radial(h / 2.0, m_r, m_r - length, PenMm(h % 20 == 0 ? 0.25 : 0.15));
            if (h % 20 == 0) {
                const std::string number = DegreeNumber(h / 2, m_view.marking);
                const double wide = TextWidthMm(number, m_numberPoints);
                text(BoxAround(point(h / 2.0, m_numberRadius), wide, line), {number},
                     m_numberPoints);
            }
        }
    }

    // "ATDC" or "BTDC" just inside the numbers of its side.
    void sideWord(int reading, const std::string& word)
    {
        const double inside = m_numberRadius - LineMm(m_numberPoints);
        const auto placed = PlaceLabel(m_space, point(reading, inside),
                                       TextWidthMm(word, m_numberPoints), LineMm(m_numberPoints));
        if (placed) {
            text(placed->box, {word}, m_numberPoints);
        }
    }

    // An arc with a head, the way the engine turns, inside the numbers.
    void arrow()
    {
        const double size = std::max(1.5, 0.015 * m_view.diameter);
        const double r = m_numberRadius - LineMm(m_numberPoints) - size;
        std::vector<TwipPoint> arc;
        // Readings fall the way the engine turns.
        for (int i = 0; i <= 30; ++i) {
            arc.push_back(AtMm(point(-20.0 - i, r)));
            if (i > 0) {
                m_space.addSegment(point(-19.0 - i, r), point(-20.0 - i, r));
            }
        }
        m_canvas.drawPolyline(arc, PenMm(0.35));
        const MmPoint head[] = {point(-54.0, r), point(-49.0, r - size), point(-49.0, r + size)};
        m_canvas.fillPolygon({AtMm(head[0]), AtMm(head[1]), AtMm(head[2])}, {});
        for (int i = 0; i < 3; ++i) {
            m_space.addSegment(head[i], head[(i + 1) % 3]);
        }
    }

    void centre()
    {
        const double half = m_view.hole / 2.0 + 4.0;
        const MmPoint ends[] = {{m_c.x - half, m_c.y},
                                {m_c.x + half, m_c.y},
                                {m_c.x, m_c.y - half},
                                {m_c.x, m_c.y + half}};
        for (int arm = 0; arm < 4; arm += 2) {
            DrawLineMm(m_canvas, ends[arm], ends[arm + 1], PenMm(0.15));
            m_space.addSegment(ends[arm], ends[arm + 1]);
        }
        if (m_view.hole > 0.0) {
            circle(m_view.hole / 2.0, PenMm(0.2));
            m_space.addDisc(m_c, m_view.hole / 2.0);
        }
    }

    // Events at one reading with one angle share a label: their names, then the angle.
    struct Label {
        double reading = 0.0;
        std::vector<std::string> lines;
    };
    std::vector<Label> labels() const
    {
        std::vector<Label> found;
        for (const WheelMark& mark : m_view.marks) {
            const auto same = std::ranges::find_if(found, [&](const Label& label) {
                return label.reading == mark.reading && label.lines.back() == mark.angle;
            });
            if (same == found.end()) {
                found.push_back({mark.reading, {mark.name, mark.angle}});
            } else {
                same->lines.insert(same->lines.end() - 1, mark.name);
            }
        }
        return found;
    }

    // Each event's line from the rim, then its label inside it: first every
    // label whose home is clear of the others' homes, then the rest where
    // they find room; where there is none, the angle alone, and the list
    // under the wheel names the event.
    void events()
    {
        for (const WheelMark& mark : m_view.marks) {
            const double width = mark.reading == 0.0 ? 0.5 : 0.3;
            radial(mark.reading, m_r, kMarkInner * m_r, PenMm(width, kEventColour));
            m_space.addSegment(point(mark.reading, m_r), point(mark.reading, kMarkInner * m_r));
        }
        const float points = std::max(5.0f, m_numberPoints - 1.0f);
        const std::vector<Label> all = labels();
        std::vector<MmBox> homes;
        for (const Label& label : all) {
            const auto [wide, high] = size(label.lines, points);
            homes.push_back(HomeBox(m_space, anchor(label), wide, high));
        }
        std::vector<bool> atHome;
        for (std::size_t i = 0; i < all.size(); ++i) {
            atHome.push_back(m_space.clear(homes[i]) &&
                             std::ranges::none_of(homes, [&](const MmBox& other) {
                                 return &other != &homes[i] && BoxesMeet(homes[i], other);
                             }));
        }
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (atHome[i]) {
                text(homes[i], all[i].lines, points);
            }
        }
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (!atHome[i]) {
                place(all[i], points);
            }
        }
    }

    MmPoint anchor(const Label& label) const { return point(label.reading, kMarkInner * m_r); }

    // The width and height of lines of text, mm.
    static std::pair<double, double> size(const std::vector<std::string>& lines, float points)
    {
        double wide = 0.0;
        for (const std::string& line : lines) {
            wide = std::max(wide, TextWidthMm(line, points));
        }
        return {wide, LineMm(points) * static_cast<double>(lines.size())};
    }

    void place(const Label& label, float points)
    {
        std::vector<std::string> lines = label.lines;
        auto [wide, high] = size(lines, points);
        std::optional<PlacedLabel> placed = PlaceLabel(m_space, anchor(label), wide, high);
        if (!placed) {
            lines = {lines.back()};
            std::tie(wide, high) = size(lines, points);
            placed = PlaceLabel(m_space, anchor(label), wide, high);
        }
        if (!placed) {
            return;
        }
        if (placed->moved) {
            DrawLineMm(m_canvas, placed->leaderFrom, placed->leaderTo, PenMm(0.12, kEventColour));
            m_space.addSegment(placed->leaderFrom, placed->leaderTo);
        }
        text(placed->box, lines, points);
    }

    // The events under the wheel in three columns.
    void eventList()
    {
        // 44 characters (a 25-character name, "closes: ", "115.5 BTDC") fit a column.
        constexpr float points = 6.5f;
        const double top = m_c.y + m_r + 5.0;
        const std::size_t rows = (m_view.marks.size() + 2) / 3;
        for (std::size_t i = 0; i < m_view.marks.size(); ++i) {
            const WheelMark& mark = m_view.marks[i];
            const std::string entry = (mark.name + ": " + mark.angle).substr(0, 44);
            const MmPoint at{10.0 + 64.0 * static_cast<double>(i / rows),
                             top + LineMm(points) * static_cast<double>(i % rows)};
            m_canvas.drawText(AtMm(at), entry, FixedFace(points));
        }
    }

    Canvas& m_canvas;
    const WheelView& m_view;
    double m_r;
    MmPoint m_c;
    double m_ten;          // mm, the ticks of whole tens
    float m_numberPoints;  // the degree numbers' size
    double m_numberRadius; // mm from the centre to the middle of the numbers
    LabelSpace m_space;
};

} // namespace

double DegreeTickLength(int halfDegrees, double ten, double five, double one, double half)
{
    if (halfDegrees % 20 == 0) {
        return ten;
    }
    if (halfDegrees % 10 == 0) {
        return five;
    }
    return halfDegrees % 2 == 0 ? one : half;
}

std::string DegreeNumber(int reading, WheelMarking marking)
{
    const int turned = (reading % 360 + 360) % 360;
    return std::to_string(marking == WheelMarking::BothWays && turned > 180 ? 360 - turned
                                                                            : turned);
}

void DrawWheel(Canvas& canvas, const WheelView& view, double topMm)
{
    WheelDrawing(canvas, view, topMm).draw();
}

} // namespace crank
