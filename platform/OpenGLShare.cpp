#include "platform/OpenGLShare.h"

#include <QGuiApplication>
#include <QOpenGLContext>

// Qt's own hook for the shared context; Qt offers no public setter after the
// application has started.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace platform {

bool shareOpenGLContexts()
{
    if (QOpenGLContext::globalShareContext())
        return true;
    auto *context = new QOpenGLContext(qApp);
    // The offscreen screen has no OpenGL and the web engine does without it
    // there, but it still looks for the shared context.
    if (!context->create() && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        delete context;
        return false;
    }
    qt_gl_set_global_share_context(context);
    return true;
}

} // namespace platform
