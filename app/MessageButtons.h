#pragma once

class QMessageBox;

// The standard buttons of a message box carry the toolkit's English texts
// (the toolkit's own translations are not shipped): the program names the
// buttons of its messages in its own language.
void nameStandardButtons(QMessageBox& box);
