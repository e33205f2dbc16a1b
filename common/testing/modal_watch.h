#pragma once

#include <functional>

class QWidget;

namespace suite::testing {

// Runs `act` on the modal window that the next command opens, once it is up
// (a modal window runs its own event loop, so the command does not return
// until it closes). A failure in `act` fails the test and closes the window,
// so a broken check never leaves the test waiting on it.
void onModal(std::function<void(QWidget*)> act);

// Fails the test for every onModal whose window never came, and forgets
// them all. WindowTest calls it when each test ends; tests without that
// fixture call it themselves.
void expectEveryModalSeen();

} // namespace suite::testing
