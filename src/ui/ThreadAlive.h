#pragma once
// Long work on the user-interface thread takes no input, but the system must still see the thread alive, or it
// marks the window as not responding. A look at the message queue about once a second is enough; it takes
// nothing from the queue (only messages sent by other threads are answered meanwhile).

namespace ui {

void ShowThreadAlive();

}  // namespace ui
