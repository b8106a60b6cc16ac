#include "board/memo.h"

namespace rakamlik {

MemoStep memoStep(std::int16_t state) noexcept {
    switch (state) {
    case 0:
        return {Rgb{0, 255, 255}, 1, "camgöbeği"};
    case 1:
        return {Rgb{255, 0, 0}, 2, "kırmızı"};
    default:
        // State 2, and any stray value, goes back to black.
        return {memoResetColour, 0, memoResetName};
    }
}

} // namespace rakamlik
