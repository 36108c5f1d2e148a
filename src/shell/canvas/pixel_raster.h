// The canvas's raster: dots and lines drawn straight into an image.
// Not QPainter: one kept open on the image made the full repaint 96 µs, this raster 37-40 µs
// (docs/performance.md), the painter's cost being its set-up per call and stroked polygons.
#pragma once

#include <QPoint>
#include <QRgb>

#include "shell/canvas/drawn_blocks.h"

namespace qelt::shell {

// The pixels of an RGB32 image, `stride` pixels a row, and the blocks written on it.
struct Raster {
    QRgb* pixels = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;
    DrawnBlocks* drawn = nullptr;

    // Every pixel of the image, row ends included.
    qsizetype Pixels() const { return stride * height; }
};

// The pen's band `width` pixels wide (at least 1) from `a` to `b`, squared off half the width
// beyond both points, written straight into the raster: a pixel is set, to exactly
// `colour`, when its centre lies in the band. A band of no length is the pen's square dot.
// Whole coordinates are pixel centres; points may lie between them, as a canvas pixel's centre
// does on a scaled screen. Parts off the image are left out; the blocks written are noted in
// the raster.
void FillBand(const Raster& raster, QPointF a, QPointF b, int width, QRgb colour);

}  // namespace qelt::shell
