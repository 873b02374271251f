#pragma once

#include <QtGlobal>

// The look a button shows; the values are those the button reports and stores.
enum class ButtonState : qint32 { Normal = 0, Hot = 1, Pressed = 2, Focused = 3, Disabled = 4 };
