#pragma once
// What the session reports on the message row and in boxes: an operation's message (red for a
// failure) with the button to the differences behind a verify error, the message boxes, the
// message and gauge hidden when the countdown ends, "No Connection" and the unit's
// identification.

#include "params/Messages.h"

class QColor;

namespace vortan {

struct WindowContext;

class MessageView {
public:
    explicit MessageView(WindowContext& context);

    void showMessage(Message message);
    // The compatibility boxes come from a reply, inside the tick: they open once it returned.
    void showMessageBox(Message message);
    void hideMessage();
    void showNoConnection(bool shown);
    void showIdentification();
    // The message label's background.
    void setMessageColour(const QColor& colour);

private:
    WindowContext& context_;
};

} // namespace vortan
