// Forms from templates in the user's language: mirrored right to left, number
// boxes that take the locale's digits, lists whose items stand for English
// keys, and boxes of text that read in their own text's direction.
#include "framework/controls.h"
#include "framework/data_exchange.h"
#include "framework/dialog_builder.h"
#include "framework/shown_digits.h"
#include "framework/wnd.h"
#include "tests/framework/message_box_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QValidator>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace CtrlStyle;

constexpr int kDay = 901, kYear = 902, kNote = 903, kMemo = 904, kMonth = 905, kAdd = 906,
              kDelete = 907;

const DialogControl kControls[] = {
    {IDC_STATIC, ControlKind::Label, "Day:", 5, 5, 20, 8, Left, nullptr, {}},
    {kDay, ControlKind::Edit, "", 25, 5, 15, 12, Number | Border | TabStop, "Day", {}},
    {kYear, ControlKind::Edit, "", 45, 5, 25, 12, Number | Border | TabStop, "Year", {}},
    {kMonth, ControlKind::ComboBox, "", 75, 5, 60, 60, DropDownList | TabStop, "Month", {}},
    {kNote, ControlKind::Edit, "", 5, 20, 130, 12, Border | TabStop, "Note", {}},
    {kMemo, ControlKind::Edit, "", 5, 35, 130, 30, Multiline | Border | TabStop, "Memo", {}},
    {kAdd, ControlKind::PushButton, "&Add", 5, 70, 40, 14, TabStop, "Add", {}},
    {kDelete, ControlKind::PushButton, "&Delete", 95, 70, 40, 14, TabStop, "Delete", {}},
};
const DialogTemplate kForm = {900, "", 8, 140, 90, kControls};

// A form with a day as typed and a year, exchanged as the date form does.
class CLanguageForm : public CWnd {
public:
    CLanguageForm()
    {
        Attach(&m_host);
        BuildDialog(kForm, this, &m_host);
    }
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Text(pDX, kDay, m_strDay);
        DDV_MaxChars(pDX, m_strDay, 2);
        DDX_Text(pDX, kYear, m_nYear);
        DDV_MinMaxInt(pDX, m_nYear, 0, 3000);
    }
    template <typename T> T *Control(int id) const { return qobject_cast<T *>(GetDlgItem(id)); }

    QWidget m_host;
    CString m_strDay;
    int m_nYear = 0;
};

class LanguageFormTest : public testing::Test {
protected:
    void TearDown() override
    {
        QApplication::setLayoutDirection(Qt::LeftToRight);
        SetShownZeroDigit(U'0');
    }
    CMessageBoxTexts m_boxes;
};

TEST_F(LanguageFormTest, RightToLeftTheTemplatesPositionsAreMirrored)
{
    const auto form = std::make_unique<CLanguageForm>();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const auto mirrored = std::make_unique<CLanguageForm>();
    const int width = mirrored->m_host.width();
    ASSERT_EQ(width, form->m_host.width()) << "the form keeps its size";
    for (int id : {kDay, kYear, kMonth, kNote, kAdd, kDelete}) {
        SCOPED_TRACE(id);
        const QRect left = form->GetDlgItem(id)->geometry();
        const QRect right = mirrored->GetDlgItem(id)->geometry();
        EXPECT_NEAR(right.x(), width - left.x() - left.width(), 2);
        EXPECT_EQ(right.y(), left.y());
        EXPECT_EQ(right.width(), left.width());
    }
    EXPECT_GT(mirrored->GetDlgItem(kAdd)->x(), mirrored->GetDlgItem(kDelete)->x())
        << "Add, first in the template, stands right of Delete";
}

TEST_F(LanguageFormTest, NumberBoxesShowTheLocalesDigitsAndTakeAnyScripts)
{
    SetShownZeroDigit(U'\u0660'); // Arabic-Indic, as under ar_SA
    CLanguageForm form;
    form.m_strDay = "05";
    form.m_nYear = 1448;
    form.UpdateData(FALSE);
    EXPECT_EQ(form.Control<QLineEdit>(kDay)->text(), QString::fromUtf8("٠٥"));
    EXPECT_EQ(form.Control<QLineEdit>(kYear)->text(), QString::fromUtf8("١٤٤٨"));

    const struct {
        const char *name, *day, *year;
        CString readDay;
        int readYear;
    } cases[] = {
        {"the locale's digits", "٢٧", "١٤٤٧", "27", 1447},
        {"Western digits", "27", "1447", "27", 1447},
        {"Extended Arabic-Indic digits", "۰۹", "۱۴۴۸", "09", 1448},
        {"mixed in one box", "2٧", "1٤4٧", "27", 1447},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        form.Control<QLineEdit>(kDay)->setText(QString::fromUtf8(c.day));
        form.Control<QLineEdit>(kYear)->setText(QString::fromUtf8(c.year));
        EXPECT_TRUE(form.UpdateData(TRUE));
        EXPECT_EQ(form.m_strDay, c.readDay) << "a key is built from Western digits";
        EXPECT_EQ(form.m_nYear, c.readYear);
    }
    EXPECT_TRUE(m_boxes.empty());

    // Letters are no digits in any script; the range's message stays.
    QLineEdit *year = form.Control<QLineEdit>(kYear);
    for (const char *typed : {"١x", "1a", "١-"}) {
        QString text = QString::fromUtf8(typed);
        int at = 0;
        EXPECT_EQ(year->validator()->validate(text, at), QValidator::Invalid) << typed;
    }
    year->setText(QString::fromUtf8("٣٠٠١"));
    EXPECT_FALSE(form.UpdateData(TRUE));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], "Please enter an integer between 0 and 3000.");
}

TEST_F(LanguageFormTest, AListItemShowsItsNameAndStandsForItsKey)
{
    CLanguageForm form;
    CComboBox months;
    months.Attach(form.GetDlgItem(kMonth));
    months.AddString(QString::fromUtf8("محرم"), "Muharram");
    months.AddString(QString::fromUtf8("رمضان"), "Ramadhan");
    months.AddString("Plain"); // an item without a key stands for its text
    EXPECT_EQ(months.SelectString(0, "Ram"), 1) << "found by its key";
    EXPECT_EQ(form.Control<QComboBox>(kMonth)->currentText(), QString::fromUtf8("رمضان"));
    EXPECT_EQ(form.GetDlgItemText(kMonth), "Ramadhan");
    EXPECT_EQ(months.FindString(-1, "muh"), 0);
    EXPECT_EQ(months.FindString(-1, "Pla"), 2);
    EXPECT_EQ(months.FindString(-1, "رمض"), CB_ERR) << "keys, not what is shown";
}

TEST_F(LanguageFormTest, BoxesOfTextReadInTheirOwnTextsDirection)
{
    const struct {
        const char *name;
        Qt::LayoutDirection program;
        const char *text;
        Qt::Alignment memo;
        bool editRightToLeft;
    } cases[] = {
        {"an Arabic memo in the English program", Qt::LeftToRight, "زيارة العم", Qt::AlignRight,
            true},
        {"an English memo in the Arabic program", Qt::RightToLeft, "Visit uncle", Qt::AlignLeft,
            false},
        {"an Arabic memo in the Arabic program", Qt::RightToLeft, "٨ زيارة", Qt::AlignRight, true},
        // An empty one-line box follows the keyboard's direction (Qt's rule).
        {"an empty memo as the program runs", Qt::RightToLeft, "", Qt::AlignRight, false},
        {"digits alone as the program runs", Qt::LeftToRight, "12:30", Qt::AlignLeft, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QApplication::setLayoutDirection(c.program);
        CLanguageForm form;
        form.m_host.show();
        form.SetDlgItemText(kMemo, c.text);
        auto *memo = form.Control<QPlainTextEdit>(kMemo);
        EXPECT_EQ(
            memo->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, c.memo);
        // A one-line box places its text by the text's direction by itself.
        auto *note = form.Control<QLineEdit>(kNote);
        note->setText(QString::fromUtf8(c.text));
        note->setCursorPosition(0);
        note->grab(); // where the text stands is worked out as it is painted
        const int start = note->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        EXPECT_EQ(start > note->width() / 2, c.editRightToLeft);
    }
}

} // namespace
