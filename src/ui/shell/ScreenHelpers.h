#pragma once
// Small things every shell screen needs: sizing to a fraction of the screen,
// Enter on a focused button, the samples folder.

#include <QString>

class QComboBox;
class QWidget;

namespace quarvex {

// Resizes a top-level window to the given fractions of the available screen
// area and centres it there.
void SizeToScreen(QWidget* window, double widthFraction, double heightFraction);

// Enter (and the keypad's Enter) on a focused push button inside root clicks it,
// as Space does; dialogs do this on their own, main windows do not.
void ClickFocusedButtonOnEnter(QWidget* root);

// An editable list that takes a number must keep what was typed: its inline
// completion would turn a typed "3" into the first entry starting with 3.
void NoInlineCompletion(QComboBox* box);

// The folder of the bundled sample data files: installed beside the program,
// or in the source tree the program was built from; empty when neither exists.
QString SamplesDirectory();

} // namespace quarvex
