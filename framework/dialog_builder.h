// Builds the controls of a dialog template as Qt widgets on a host widget.
#pragma once

#include "framework/dialog_template.h"

#include <QFont>
#include <QRect>

class CWnd;
class QWidget;

// Dialog units to pixels from a font: 4 horizontal units are the average
// character width, 8 vertical units the character height. Fonts differ in
// how wide their words run against that average, so the horizontal unit
// also grows until every text of the template fits its control.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont &font, const DialogTemplate *tmpl = nullptr);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int cx, int cy) const;

private:
    int m_baseX;
    int m_baseY;
};

// Creates every control of the template on host, in template order (which is
// also the tab order), registers the controls with owner by id, and sizes
// host to the template. Enter presses the default button unless a push
// button has the focus. A label is read by its text, the template's name
// being its description; a label ending in a colon labels the control that
// follows it.
// Right to left (Arabic, Urdu, Persian) the template's positions are
// mirrored, and its texts are those of the user's language; the dialog units
// grow where a translation needs more room than the English text.
void BuildDialog(const DialogTemplate &tmpl, CWnd *owner, QWidget *host);

// Whether a control is a number box of a template (CtrlStyle::Number): it
// takes the locale's digits and Western ones, and shows the locale's.
bool IsNumberBox(const QWidget *control);
// Writes every number box of `form` again in the digits shown now.
void ShowNumberBoxesAgain(QWidget *form);
