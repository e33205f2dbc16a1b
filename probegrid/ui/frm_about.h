#pragma once

#include <QDialog>

namespace probegrid {

// "Sobre Tavrin Probegrid": title, picture, credits and where the rules are
// explained.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);
};

// The address of the page that explains how to play.
inline constexpr char kRulesAddress[] = "https://en.wikipedia.org/wiki/Black_Box_(game)";

} // namespace probegrid
