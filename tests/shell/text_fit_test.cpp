// No text is cut, in every language the program speaks (tests/CMakeLists.txt
// runs these tests under each shipped language's locale and under C): every
// label and button of the form and of the dialogs fits its control at the
// default font.
#include "tests/form/form_fixture.h"

#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The room a control's text needs: a label's size hint (its text and
// margins), a button's text with the style's margins or indicator. A push
// button's own size hint also holds the style's least width (80 pixels in
// Fusion), which is no text of it.
QSize neededSize(const QWidget *widget, const QString &text)
{
    if (qobject_cast<const QLabel *>(widget))
        return widget->sizeHint();
    const QStyle *style = widget->style();
    QSize need = widget->fontMetrics().size(Qt::TextShowMnemonic, text);
    if (qobject_cast<const QRadioButton *>(widget))
        need.rwidth() += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
            style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
    else if (qobject_cast<const QCheckBox *>(widget))
        need.rwidth() += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
            style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
    else
        need.rwidth() += 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
    return need;
}

// The labels and buttons of `window` whose text needs more room than they
// have, each with its text and the room it needs and has.
std::vector<std::string> cutTexts(const QWidget *window)
{
    std::vector<std::string> cut;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        if ((!label && !button) || !widget->isVisibleTo(window))
            continue;
        const QString text = label ? label->text() : button->text();
        if (text.isEmpty())
            continue;
        const QSize need = neededSize(widget, text);
        const bool fits = label && label->wordWrap()
            ? label->heightForWidth(widget->width()) <= widget->height()
            : need.width() <= widget->width() && need.height() <= widget->height();
        if (!fits)
            cut.push_back(QStringLiteral("%1: needs %2x%3, has %4x%5")
                              .arg(text)
                              .arg(need.width())
                              .arg(need.height())
                              .arg(widget->width())
                              .arg(widget->height())
                              .toStdString());
    }
    return cut;
}

class TextFitTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (const std::string missing = MissingTestLocale(); !missing.empty())
            GTEST_SKIP() << missing;
        // The widest month names and dates of the year.
        m_now = At(2026, 9, 30, 12, 0);
    }

    // What a modal dialog of `command` cuts, read while it is open.
    std::vector<std::string> CutInDialog(UINT command)
    {
        std::vector<std::string> cut;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            cut = cutTexts(box);
            box->reject();
        });
        Frame()->ExecuteCommand(command);
        EXPECT_TRUE(seen) << "no dialog opened";
        return cut;
    }
};

TEST_F(TextFitTest, EveryTextOfTheFormFits)
{
    Start();
    const QWidget *form = View()->GetSafeHwnd();
    EXPECT_EQ(cutTexts(form), std::vector<std::string>());
    QTest::mouseClick(Control<QWidget>(IDC_CHRISTIAN), Qt::LeftButton);
    View()->OnViewReminder();
    EXPECT_EQ(cutTexts(form), std::vector<std::string>()) << "with the corresponding Hijri date";
}

// The form and the month panel side by side fit a screen of 1024 pixels,
// as in English.
TEST_F(TextFitTest, TheWindowWithTheMonthPanelFitsASmallScreen)
{
    Start();
    static_cast<CMainFrame *>(Frame())->GetMonthDock()->SetShown(true);
    QApplication::processEvents();
    EXPECT_LE(Frame()->GetMainWindow()->width(), 1024);
}

TEST_F(TextFitTest, EveryTextOfTheDialogsFits)
{
    Start();
    const struct {
        const char *name;
        UINT command;
    } dialogs[] = {
        {"About", ID_APP_ABOUT},
        {"Keyboard Shortcuts", ID_HELP_KEYBOARD_SHORTCUTS},
    };
    for (const auto &dialog : dialogs) {
        SCOPED_TRACE(dialog.name);
        EXPECT_EQ(CutInDialog(dialog.command), std::vector<std::string>());
    }
}

} // namespace
