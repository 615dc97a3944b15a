// Boxes of text that read in the direction of their own text: an Arabic
// memo right to left in the English program, an English memo left to right
// in the Arabic one. One-line boxes (QLineEdit) do so by themselves.
#pragma once

class QLabel;
class QPlainTextEdit;
class QString;

// The box's paragraphs run and align as its text's first strong letter
// says, from now on; an empty box as the window runs.
void FollowTextDirection(QPlainTextEdit *box);

// The label aligns its text as the text's first strong letter says, keeping
// its vertical alignment; a text without one as the window runs.
void AlignByTextDirection(QLabel *label);

// Whether the text's first strong letter reads right to left; nothing
// strong in it reads as `otherwise` does.
bool ReadsRightToLeft(const QString &text, bool otherwise);
