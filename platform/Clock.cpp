#include "Clock.h"

namespace tumbledown {

void VirtualClock::advanceTo(std::uint32_t time) {
    if (time > now_)
        now_ = time;
    advanced();
}

} // namespace tumbledown
