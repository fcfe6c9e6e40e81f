#include "platform/Platform.h"

#include <algorithm>

namespace platform {

QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes)
{
    const qint64 end = offset + bytes.size();
    if (content.size() < end)
        content.append(QByteArray(end - content.size(), '\0'));
    std::copy(bytes.begin(), bytes.end(), content.begin() + offset);
    return content;
}

} // namespace platform
