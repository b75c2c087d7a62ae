#pragma once
// What a screen reader is told about the program's own kinds of control: pictures are graphics
// named after what they show, clickable labels are links that can be pressed, and the text pane
// is named after the topic whose text it holds.

#include <QString>

class QAbstractButton;

namespace shell {

class TextPane;

// Registers the accessible interfaces of SvgPicture and ClickableLabel (once; the widgets call
// it when they are made, so it is in place before anyone asks for their interface).
void installAccessibleInterfaces();

// The name a screen reader gives the option: its accessible name, else its caption without the
// access-key marker and with line breaks read as spaces.
QString topicName(const QAbstractButton& option);

// Names the pane after the topic option whose text it now shows.
void nameAfterTopic(TextPane& pane, const QAbstractButton& option);

} // namespace shell
