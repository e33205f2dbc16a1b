#pragma once

#include <QDialog>

namespace aliasmith {

// frmAbout: what the program is for, how to use it, its version and the
// author's web address, in the language shown when it opens.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace aliasmith
