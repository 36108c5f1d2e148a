// Which runs of pixels the raster wrote on the canvas image since the last clear.
#pragma once

#include <cstddef>
#include <memory>
#include <span>

namespace qelt::shell {

// Every run of a row the raster wrote, so that a clear puts back just those pixels: a repaint's
// marks are a few thousand runs of two to six pixels, a fiftieth of the image. Past a bound the
// runs are no longer noted and the next clear puts down the whole image instead.
class DrawnRuns {
  public:
    // `count` pixels of a row from `at` on.
    struct Run {
        std::ptrdiff_t at;
        int count;
    };

    // Nothing written since.
    void Reset() {
        next_ = runs_.get();
        overflowed_ = false;
    }
    // Notes written runs from a copy of the place of the next, which a loop keeps in registers:
    // the compiler must assume that a store to the image may change anything held in memory.
    class Cursor {
      public:
        explicit Cursor(DrawnRuns& runs) : runs_(runs), next_(runs.next_), end_(runs.end_) {}
        ~Cursor() { runs_.next_ = next_; }
        Cursor(const Cursor&) = delete;
        Cursor& operator=(const Cursor&) = delete;

        // Pixels of a row on the image were written: `count` from `at` on.
        void Note(std::ptrdiff_t at, int count) {
            if (next_ != end_) {
                *next_++ = {at, count};
            } else {
                runs_.overflowed_ = true;
            }
        }

      private:
        DrawnRuns& runs_;
        Run* next_;
        Run* const end_;
    };

    // Whether more was written than noted, so that only a whole clear puts it all back.
    bool Overflowed() const { return overflowed_; }
    std::span<const Run> Runs() const { return {runs_.get(), next_}; }

  private:
    // Four times a repaint of the largest drawing over a picture on a screen scaled by 2; the
    // memory is taken only as it is written.
    static constexpr std::size_t kMost = 1 << 15;

    std::unique_ptr<Run[]> runs_ = std::make_unique_for_overwrite<Run[]>(kMost);
    Run* next_ = runs_.get();
    Run* const end_ = runs_.get() + kMost;
    bool overflowed_ = false;
};

}  // namespace qelt::shell
