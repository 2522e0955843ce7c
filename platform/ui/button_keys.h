// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Enter and Return on a focused push button press it, as Space and a click do. Qt
// leaves Enter to a dialog's default button (or, in a main window, to nobody), so a
// player who hears "Registra record in Internet pulsante" and presses Enter would
// close the window instead. A window calls this once its push buttons are made.
namespace ButtonKeys {

void EnterPressesFocusedButton(QWidget* window);

}  // namespace ButtonKeys
