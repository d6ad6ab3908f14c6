// Runs the program's modal boxes, or hands them to a test's interceptor.
#include "ModalBox.h"

#include <QMessageBox>
#include <QString>

#include <utility>

namespace plenta {

namespace {

ModalInterceptor &Interceptor() {
    static ModalInterceptor interceptor;
    return interceptor;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int RunModal(QDialog &box) {
    if (Interceptor()) {
        return Interceptor()(box);
    }
    return box.exec();
}

ModalInterceptor SetModalInterceptor(ModalInterceptor interceptor) {
    return std::exchange(Interceptor(), std::move(interceptor));
}

void ShowMessageBox(QWidget *owner, std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::Information, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok, owner);
    RunModal(box);
}

} // namespace plenta
