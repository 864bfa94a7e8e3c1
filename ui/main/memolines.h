#pragma once

#include "bcc.h"

class QPlainTextEdit;

// The lines of a text box as the box shows them: one entry per display line, so
// a wrapped line counts as several, each as UTF-8 without its line break. A
// line break at the very end adds no line, and an empty box has none.
bcc::LineList MemoLines(QPlainTextEdit &memo);
