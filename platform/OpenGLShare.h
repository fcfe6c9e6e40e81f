#pragma once
// The OpenGL context that every context of the process shares, which the web
// engine draws through.

namespace platform {

// Makes the shared context when there is none yet. Asking Qt for one at start
// would load the OpenGL drivers before the table shows (a fifth of a second
// and tens of megabytes, for a window most games never open), so it is made
// the first time it is wanted. False where this display offers no OpenGL; on
// the offscreen screen, which has none, the context is shared uncreated.
bool shareOpenGLContexts();

} // namespace platform
