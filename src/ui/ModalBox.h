// SPDX-License-Identifier: GPL-3.0-or-later
// Every modal box of the program (About box, help, statistics, save and delete outcomes) runs through
// RunModal, so that a test can answer a box instead of blocking on it.
#pragma once

#include <functional>
#include <string_view>

class QDialog;
class QString;
class QWidget;

namespace plenta {

// Receives the box instead of its own event loop and returns the box's result.
using ModalInterceptor = std::function<int(QDialog &box)>;

// Runs the box modally (QDialog::exec), or hands it to the interceptor when one is set.
int RunModal(QDialog &box);

// Installs an interceptor for all later boxes; an empty function restores exec. Returns the one it replaces.
ModalInterceptor SetModalInterceptor(ModalInterceptor interceptor);

// The program's message box: an information icon, one OK button, the text and caption in UTF-8. Tabs in the
// text align columns, as the handheld's message box did.
void ShowMessageBox(QWidget *owner, std::string_view text, std::string_view caption);

enum class Answer { Yes, No };

// A question with the buttons "Ja" and "Nein", in the program's message-box look. Closing the box counts as
// "Nein".
Answer AskYesNo(QWidget *owner, std::string_view text, std::string_view caption);

// The message box keeps its text as given under this property; its label shows the text laid out.
inline constexpr char MESSAGE_TEXT_PROPERTY[] = "plentaMessageText";

// The text as a rich-text table: one row per line, one column per tab stop, blanks kept.
QString MessageLayout(const QString &text);

} // namespace plenta
