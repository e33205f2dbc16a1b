#pragma once

#include <QDialog>
#include <QPixmap>

namespace tailfetch {

// The program's 32 by 32 picture: window icon, tray icon and About picture.
QPixmap tailfetchPicture();

// Form2, "Sobre": who made the program and with what. No buttons; the close
// box ends it.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

} // namespace tailfetch
