#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Checks every program's window tests share: a screen reader finds a name
// for every control that takes focus, and no text is cut off, in either
// language.
namespace suite::testing {

// Walks every widget under `root` (itself included) that can take focus,
// shown or hidden, through Qt's accessibility interface and fails the test,
// naming the widget, for each whose accessible name is empty.
void expectAccessibleNames(QWidget* root);

// Fails for each label, button, check box, option button and frame title
// under `root` shown now whose text (first line, mnemonic left out) is
// wider than the room its widget gives it, and for each menu a menu bar has
// no room to show. Word-wrapped labels may wrap; menus size themselves.
void expectTextsFit(QWidget* root);

// Opens a real question box (suite::QtDialogs) over `parent`, reads its
// buttons' texts (mnemonics left out, sorted) and answers No: Qt's own
// texts in the language shown, e.g. {"Não", "Sim"}.
QStringList buttonsOfAQuestion(QWidget* parent = nullptr);

// Switches the program's texts and Qt's own to `code` ("en", "pt_BR"; empty
// for the source language) and delivers the language change to every
// window before returning.
void useLanguage(const QString& code);

} // namespace suite::testing
