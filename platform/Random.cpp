#include "platform/Random.h"

#include <QDateTime>
#include <QTime>

namespace platform {

void ClockSeededRandom::seed()
{
    const auto now = std::uint32_t(QTime::currentTime().msecsSinceStartOfDay());
    std::seed_seq seq{now, std::uint32_t(QDateTime::currentMSecsSinceEpoch() >> 32)};
    generator_.seed(seq);
}

} // namespace platform
