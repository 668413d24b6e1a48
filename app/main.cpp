#include "app/Startup.h"
#include "app/TForm1.h"

int main(int argc, char** argv) {
    if (!displayAvailable())
        return 1;
    GuardedApplication app(argc, argv);
    installRussianTranslation(app);
    int status = 1;
    // The main window builds the other windows of the run; all live until it closes.
    app.errors().guard([&status] {
        TForm1 form;
        form.show();
        status = QApplication::exec();
    });
    return app.errors().failed() ? 1 : status;
}
