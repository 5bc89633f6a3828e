#include "widgets/dpi.h"

#include <cstdint>
#include <limits>

namespace brevant::widgets {

int MulDivRounded(int a, int b, int c)
{
    if (c == 0)
        return -1;
    int64_t product = int64_t{a} * b;
    int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const int64_t half = divisor / 2;
    const int64_t quotient = (product >= 0 ? product + half : product - half) / divisor;
    constexpr int64_t limit = std::numeric_limits<int>::max();
    if (quotient > limit || quotient < -limit)
        return -1;
    return static_cast<int>(quotient);
}

Bounds Dpi::Scale(const Bounds& design) const
{
    const int left = Scale(design.left), top = Scale(design.top);
    return {left, top, Scale(design.left + design.width) - left, Scale(design.top + design.height) - top};
}

}  // namespace brevant::widgets
