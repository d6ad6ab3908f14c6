// The program's entry point: start-up, then the event loop until the main window is destroyed.
#include "StartApplication.h"

#include <QApplication>

#include <csignal>

int main(int argc, char **argv) {
    // Under a file-size limit a save's write then fails with EFBIG and shows the program's error message,
    // instead of the signal ending the program mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    const std::unique_ptr<plenta::Application> application = plenta::StartApplication(app);
    if (application == nullptr) {
        return 0; // another instance runs and has been brought forward
    }
    app.exec();
    return 0; // every way out ends with exit code 0
}
