#pragma once

#include <QDialog>
#include <QIcon>

// "Entwright - About".
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Braces around a key line, drawn rather than shipped as a file.
    static QIcon programIcon();
};
