// Which blocks of the canvas image the raster wrote since the last clear.
#pragma once

#include <QSize>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace qelt::shell {

// Each row of the image in at most 64 blocks of a few pixels, one bit each, so that a clear
// puts back only the blocks written, not the whole image: a repaint's marks cover a few
// thousand short row spans, a twentieth of the image. A block may hold pixels never written;
// putting the background back over those changes nothing.
class DrawnBlocks {
  public:
    // For an image of `size` device pixels, none of it written.
    void Reset(QSize size) {
        width_ = size.width();
        shift_ = 4;
        while ((width_ - 1) >> shift_ >= 64) {
            ++shift_;
        }
        rows_.assign(static_cast<std::size_t>(std::max(size.height(), 0)), 0);
    }

    // Columns `first` to `last` of `row`, all on the image, were written.
    void Note(int row, int first, int last) { rows_[row] |= Blocks(first, last); }
    // The same columns of every row from `top` to `bottom`.
    void Note(int top, int bottom, int first, int last) {
        const std::uint64_t blocks = Blocks(first, last);
        for (int row = top; row <= bottom; ++row) {
            rows_[row] |= blocks;
        }
    }

    // Calls put(row, first, count) for every run of written blocks, in pixels, and forgets them.
    template <class Put>
    void Take(Put put) {
        for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
            for (std::uint64_t left = rows_[row]; left != 0;) {
                const int from = std::countr_zero(left);
                const int count = std::countr_one(left >> from);
                const int first = from << shift_;
                put(row, first, std::min(width_, (from + count) << shift_) - first);
                left = count + from == 64 ? 0 : left & (~std::uint64_t{0} << (from + count));
            }
            rows_[row] = 0;
        }
    }

  private:
    std::uint64_t Blocks(int first, int last) const {
        const int from = first >> shift_;
        return (~std::uint64_t{0} >> (63 - ((last >> shift_) - from))) << from;
    }

    std::vector<std::uint64_t> rows_;
    int width_ = 0;
    int shift_ = 4;
};

}  // namespace qelt::shell
