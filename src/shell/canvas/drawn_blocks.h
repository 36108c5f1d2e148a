// Which blocks of pixels the raster wrote on the canvas image since the last clear.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>

namespace qelt::shell {

// For every run of a row the raster wrote, the blocks of eight pixels that cover it from its
// start, so that a clear puts back just those: a repaint's marks are a few thousand runs of two
// to six pixels, a fiftieth of the image, and each block is one fixed-size copy. Outside the runs
// the image is all background, so a block reaching past a run's end, or moved back to end at the
// image's last pixel, changes nothing. Past a bound no more blocks are noted and the next clear
// puts down the whole image instead.
class DrawnBlocks {
  public:
    static constexpr int kPixels = 8;

    // None written yet on an image of `pixels` pixels in all.
    void Reset(std::ptrdiff_t pixels) {
        next_ = blocks_.get();
        lastBlock_ = pixels - kPixels;
        overflowed_ = lastBlock_ < 0;  // too small for a block: every clear is whole
    }

    // Notes blocks from a copy of the place of the next, which a loop keeps in registers: the
    // compiler must assume that a store to the image may change anything held in memory.
    class Cursor {
      public:
        explicit Cursor(DrawnBlocks& blocks)
            : blocks_(blocks), next_(blocks.next_), lastBlock_(blocks.lastBlock_) {}
        ~Cursor() { blocks_.next_ = next_; }
        Cursor(const Cursor&) = delete;
        Cursor& operator=(const Cursor&) = delete;

        // Pixels of a row on the image were written: `count` from `at` on. Not built on NoteBlock:
        // the compiler then inlines less of the raster's loops, 6 % more instructions a repaint.
        void Note(std::ptrdiff_t at, int count) {
            for (;;) {
                if (next_ == end_) {
                    blocks_.overflowed_ = true;
                    return;
                }
                *next_++ = std::min(at, lastBlock_);
                if (count <= kPixels) {
                    return;
                }
                at += kPixels;
                count -= kPixels;
            }
        }

        // At most eight pixels from `at` on, not within eight of the image's end, were written.
        void NoteBlock(std::ptrdiff_t at) {
            if (next_ != end_) {
                *next_++ = at;
            } else {
                blocks_.overflowed_ = true;
            }
        }

      private:
        DrawnBlocks& blocks_;
        std::ptrdiff_t* next_;
        std::ptrdiff_t* const end_ = blocks_.blocks_.get() + kMost;
        const std::ptrdiff_t lastBlock_;
    };

    // Whether more was written than noted, so that only a whole clear puts it all back.
    bool Overflowed() const { return overflowed_; }
    // Where each block starts, a pixel's place in the image.
    std::span<const std::ptrdiff_t> Blocks() const { return {blocks_.get(), next_}; }

  private:
    // Twice a repaint of the largest drawing over a picture on a screen scaled by 2 (28,300); the
    // memory is taken only as it is written.
    static constexpr std::size_t kMost = 1 << 16;

    std::unique_ptr<std::ptrdiff_t[]> blocks_ =
        std::make_unique_for_overwrite<std::ptrdiff_t[]>(kMost);
    std::ptrdiff_t* next_ = blocks_.get();
    std::ptrdiff_t lastBlock_ = -1;
    bool overflowed_ = true;
};

}  // namespace qelt::shell
