// The program's entry point: start-up, then the event loop until the main window is destroyed.
#include "StartApplication.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<plenta::Application> application = plenta::StartApplication(app);
    if (application == nullptr) {
        return 0; // another instance runs and has been brought forward
    }
    app.exec();
    return 0; // every way out ends with exit code 0
}
