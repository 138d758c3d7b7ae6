#pragma once
// Program start: the application object, the program folder, Italian for
// Qt's own dialogs, the process-wide formats, the window set, the event loop.
class QApplication;

namespace Startup {

// Everything up to the event loop, for the program and for tests.
void prepare(QApplication& app);

int run(int argc, char** argv);

}  // namespace Startup
