#pragma once

// The language rules themselves are in language_switch.h, which this
// brings along for the windows that include only this header.
#include "language_switch.h"

#include <QMenu>

class QWidget;

namespace suite {

// A "Language" menu for a program's menu bar: one checked entry per
// language, in the language's own name; picking one switches the windows
// and remembers the choice for the next start. Its title follows the
// language too.
class LanguageMenu : public QMenu {
    Q_OBJECT

public:
    explicit LanguageMenu(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};

} // namespace suite
