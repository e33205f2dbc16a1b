#pragma once

#include "core/language.h"

#include <QDialog>

namespace aliasmith {

// frmAbout: what the program is for, how to use it, its version and the
// author's web address, in the language chosen when it opens.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(Language language, QWidget* parent = nullptr);
};

} // namespace aliasmith
