#include "platform/FontWarmup.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <dlfcn.h>

#include <thread>
#endif

namespace platform {

void warmUpFonts()
{
#if defined(Q_OS_LINUX)
    // Qt itself links the font configuration library, so this is the same
    // library and the same configuration that Qt uses; a second
    // initialisation by Qt finds it done (or, if it comes first, the two
    // agree on one).
    std::thread([] {
        if (void *library = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD)) {
            using Init = int (*)();
            if (auto init = reinterpret_cast<Init>(dlsym(library, "FcInit")))
                init();
            dlclose(library);
        }
    }).detach();
#endif
}

} // namespace platform
