#pragma once
// Every modal window a handler opens is shown through here: the program waits
// for the user, tests drive the window that opened instead.
#include <functional>

class QDialog;

namespace Modal {

// Shows the window modally and returns its result code once it is closed.
int exec(QDialog* window);

// Tests: the handler receives each window instead of a user.
using Handler = std::function<int(QDialog* window)>;
void setHandler(Handler handler);
void resetHandler();

}  // namespace Modal
