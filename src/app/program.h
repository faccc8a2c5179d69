// The program after the single-instance check, with the application object
// in place: everything from the program folder to the end of the event loop.
#pragma once

#include <QString>

namespace app {

// Runs the viewer on the program folder ProgramFolderPath (the folder of the
// executable) and returns the process exit code: 0 at a normal end, also
// without a catalog or when the lobby was closed; 1 after the error box for
// an error before the event loop.
int RunProgram(const QString& ProgramFolderPath);

}  // namespace app
