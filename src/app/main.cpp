// Entry point of the viewer.
#include "app/application.h"
#include "app/program.h"
#include "platform/instance/instance_lock.h"

int main(int argc, char** argv) {
    // Before anything else: a second instance ends here, shows nothing and
    // leaves the first one as it is.
    instance::InstanceLock lock(QStringLiteral("QXCatalogue"));
    if (!lock.TryAcquire())
        return 0;
    app::TApplication application(argc, argv);
    return app::RunProgram(QCoreApplication::applicationDirPath());
}
