#include "app/Startup.h"
#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (!displayAvailable())
        return 1;
    QApplication app(argc, argv);
    installRussianTranslation(app);
    TForm1 form;
    form.show();
    return QApplication::exec();
}
