#pragma once
// Turns a Qt key event into the key the core understands: the platform's virtual-key numbering
// (digits and letters by their upper-case code, punctuation by the code of its key on a US
// keyboard), the modifier bits, and the typed character.

#include "application/grid/key_event.h"

#include <QString>
#include <Qt>

namespace quorvel::view {

KeyEvent keyEventFrom(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace quorvel::view
