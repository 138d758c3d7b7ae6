#pragma once
// Program start: the application object, the program folder, Italian for
// Qt's own dialogs, the process-wide formats, the window set, the event loop.
#include <functional>

class QApplication;

namespace Startup {

// Everything up to the event loop, for the program and for tests.
void prepare(QApplication& app);

// whenShown, if given, runs once the password window is on screen (the
// start-up benchmark ends the program there).
int run(int argc, char** argv, const std::function<void()>& whenShown = {});

}  // namespace Startup
