#pragma once

// What the web engine needs from the process before the QApplication exists, and whether it
// can run at all.
namespace WebEngineSetup {
// Call before the QApplication is created. The engine's renderer sandbox refuses to start
// for the root user, so it is switched off there; other users keep it. Also shares the
// OpenGL contexts the engine composites with.
void prepare();

// False when the engine's helper process is missing, in which case creating a web view
// would end the program.
bool engineAvailable();
} // namespace WebEngineSetup
