// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions tests ask of a recorded drawing.
#include "platform/RecordingCanvas.h"

#include <utility>
#include <vector>

using Segment = std::pair<platform::Point, platform::Point>;

// The lines drawn, as their end points, in drawing order.
inline std::vector<Segment> linesOf(const platform::RecordingCanvas& canvas) {
    std::vector<Segment> lines;
    for (const platform::CanvasRecord& r : canvas.records())
        if (r.kind == platform::CanvasRecord::Kind::Line)
            lines.emplace_back(r.points[0], r.points[1]);
    return lines;
}
