// SPDX-License-Identifier: GPL-3.0-or-later
// Answers every modal box of the program instead of blocking and records what it showed; a test may add an
// action to run while a box is up.
#pragma once

#include "ui/AboutBox.h"
#include "ui/ModalBox.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <string>
#include <vector>

namespace plenta {

struct SeenBox {
    std::string caption;
    std::string text; // empty for the About box
    bool about = false;
};

class BoxRecorder {
public:
    BoxRecorder() {
        previous_ = SetModalInterceptor([this](QDialog &box) {
            SeenBox seen{box.windowTitle().toStdString(), {}, qobject_cast<AboutBox *>(&box) != nullptr};
            if (qobject_cast<QMessageBox *>(&box) != nullptr) {
                seen.text = box.property(MESSAGE_TEXT_PROPERTY).toString().toStdString();
            }
            boxes.push_back(seen);
            if (whileOpen) {
                whileOpen(box);
            }
            return 0;
        });
    }
    ~BoxRecorder() { SetModalInterceptor(previous_); }
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const SeenBox &box : boxes) {
            texts.push_back(box.about ? "<About>" : box.text);
        }
        return texts;
    }

    std::vector<SeenBox> boxes;
    std::function<void(QDialog &)> whileOpen;

private:
    ModalInterceptor previous_;
};

} // namespace plenta
