#pragma once

class QWidget;

namespace pivotel {

// Gives every text button under `window` at least the width its text needs
// with the style's margins, so that no language's longer words are cut off;
// called again after each change of language.
void giveButtonsRoom(QWidget* window);

} // namespace pivotel
