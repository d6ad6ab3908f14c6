// SPDX-License-Identifier: GPL-3.0-or-later
// The About box of template 100.
#include "ui/AboutBox.h"

#include "ui/DialogUnits.h"
#include "ui/FromUtf8.h"
#include "ui/ModalBox.h"
#include "ui/ProgramImages.h"
#include "ui/Translation.h"
#include "ui/Zoom.h"

#include <DialogTemplates.h>
#include <StringTable.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace plenta {

namespace {

constexpr int DIALOG_FONT_PIXELS = 11;

// A template text in the window's language; the version line is no translatable text and stays as it is.
QString TemplateText(std::string_view text) {
    return text == PLENTA_NAME_AND_VERSION ? FromUtf8(text)
                                           : QCoreApplication::translate("AboutBox", text.data());
}

} // namespace

AboutBox::AboutBox(QWidget *owner, std::function<void(Command)> sendCommand)
    : QDialog(owner)
    , sendCommand_(std::move(sendCommand)) {
    setWindowTitle(TemplateText(ABOUT_TEMPLATE.caption));
    QFont font(FromUtf8(ABOUT_TEMPLATE.fontFamily));
    const int zoom = CurrentZoom();
    font.setPixelSize(DIALOG_FONT_PIXELS * zoom);
    setFont(font);
    const DialogBase base = DialogBaseOf(font);
    // Children are made in template order, so "Ende" is the first tab stop and takes the focus.
    for (const DialogControl &control : ABOUT_CONTROLS) {
        QWidget *widget = nullptr;
        switch (control.kind) {
        case ControlKind::Icon: {
            auto *icon = new QLabel(this);
            const QPixmap image = ProgramIcon();
            icon->setPixmap(
                zoom == 1 ? image
                          : image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            widget = icon;
            break;
        }
        case ControlKind::DefaultButton:
            exit_ = new QPushButton(TemplateText(control.text), this);
            exit_->setDefault(true);
            connect(exit_, &QPushButton::clicked, this, [this] {
                if (sendCommand_) {
                    sendCommand_(Command::Exit);
                }
            });
            widget = exit_;
            break;
        case ControlKind::Button:
            info_ = new QPushButton(TemplateText(control.text), this);
            info_->setAutoDefault(false);
            connect(info_, &QPushButton::clicked, this, &AboutBox::ShowHelp);
            widget = info_;
            break;
        default:
            widget = new QLabel(TemplateText(control.text), this);
            break;
        }
        QRect rect = DialogUnitsToPixels(control.rect, base);
        // A credit line is never cut.
        if (control.kind == ControlKind::Static) {
            rect.setWidth(std::max(rect.width(), widget->sizeHint().width()));
        }
        widget->setGeometry(rect);
    }
    setFixedSize(DialogUnitsToPixels(ABOUT_TEMPLATE.rect, base).size());
}

QPoint AboutBox::PlacementOverOwner() const {
    const QWidget *owner = parentWidget();
    if (owner == nullptr) {
        return pos();
    }
    const int x = std::max(0, (owner->width() - width()) / 2);
    const int y = std::max(0, (owner->height() - height()) / 2);
    return owner->mapToGlobal(QPoint(x, y));
}

void AboutBox::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    move(PlacementOverOwner());
    exit_->setFocus();
}

void AboutBox::ShowHelp() {
    ShowMessageBox(this, KeyHelpText(), TextUtf8(StringId::InfoCaption));
}

} // namespace plenta
