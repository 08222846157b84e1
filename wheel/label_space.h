#pragma once

#include <optional>
#include <vector>

#include "wheel/page_units.h"

namespace crank {

// Where texts may go inside a wheel, measured in mm: a disc they stay in
// (inside the degree numbers) and what they keep clear of (the numbers, the
// marks, the labels placed so far, the centre cross, the hole, the arrow,
// the leaders).

struct MmBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// A box of that size centred on a point.
MmBox BoxAround(MmPoint centre, double width, double height);

// Whether two boxes come closer than the clearance texts keep.
bool BoxesMeet(const MmBox& a, const MmBox& b);

// The point of a box nearest to p.
MmPoint NearestOnBox(const MmBox& box, MmPoint p);

class LabelSpace {
public:
    // Texts stay inside the disc of `radius` round `centre`.
    LabelSpace(MmPoint centre, double radius) : m_centre(centre), m_radius(radius) {}

    MmPoint centre() const { return m_centre; }
    double radius() const { return m_radius; }

    void addBox(const MmBox& box) { m_boxes.push_back(box); }
    void addSegment(MmPoint from, MmPoint to) { m_segments.push_back({from, to}); }
    void addDisc(MmPoint centre, double radius) { m_discs.push_back({centre, radius}); }

    // The box lies inside the disc and clear of everything added.
    bool clear(const MmBox& box) const;
    // A line between the points (a leader) crosses no box added.
    bool clearPath(MmPoint from, MmPoint to) const;

private:
    struct Segment {
        MmPoint from;
        MmPoint to;
    };
    struct Disc {
        MmPoint centre;
        double radius;
    };
    MmPoint m_centre;
    double m_radius;
    std::vector<MmBox> m_boxes;
    std::vector<Segment> m_segments;
    std::vector<Disc> m_discs;
};

// A label placed for a mark: its box, and where it lies away from its home,
// the leader from the mark's end to the box.
struct PlacedLabel {
    MmBox box;
    bool moved = false;
    MmPoint leaderFrom; // the mark's end
    MmPoint leaderTo;   // the nearest point of the box
};

// The home of a label of width x height (mm) for the mark whose line ends
// at `anchor`: just inside that end, centred on the line through the wheel's
// centre.
MmBox HomeBox(const LabelSpace& space, MmPoint anchor, double width, double height);

// The label at home where that is clear; else moved along the wheel (up to
// 50 degrees either way) and inwards to the clear place nearest home whose
// leader crosses no text. Nothing where no such place is left.
std::optional<PlacedLabel> PlaceLabel(const LabelSpace& space, MmPoint anchor, double width,
                                      double height);

} // namespace crank
