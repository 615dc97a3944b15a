// The program as a user of ar_SA meets it (tests/CMakeLists.txt runs these
// tests under ar_SA.UTF-8): menus and form in Arabic, the window mirrored,
// Arabic-Indic digits, and reminders that Add, View and Delete keep in the
// same bytes as the English program does.
#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"

#include "panels/month_grid_view.h"
#include "panels/publish_texts.h"
#include "reminders/alarm_value.h"
#include "resources/resource.h"
#include "session/zamanix_profile.h"
#include "shell/main_frame.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include <clocale>
#include <cstdlib>

namespace {

// Latin words that stay as they are in every language: the program's name
// and the keys after a menu item's tab.
QString withoutNames(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0);
    return text.remove(QStringLiteral("Zamanix"));
}

bool holdsEnglish(const QString &text)
{
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}"));
    return latin.match(withoutNames(text)).hasMatch();
}

bool arabicIndicDigitsOnly(const QString &text)
{
    static const QRegularExpression western(QStringLiteral("[0-9]"));
    static const QRegularExpression arabic(QStringLiteral("[\u0660-\u0669]"));
    return arabic.match(text).hasMatch() && !western.match(text).hasMatch();
}

class ArabicProgramTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (const std::string missing = MissingTestLocale(); !missing.empty())
            GTEST_SKIP() << missing;
        m_now = At(2026, 12, 7, 12, 0); // 27 Jumada al-Thani 1448
    }

    CMonthDock *Dock() const { return static_cast<CMainFrame *>(Frame())->GetMonthDock(); }
    QMenuBar *MenuBar() const { return Frame()->GetMainWindow()->menuBar(); }

    // Every text of the menus, their items' and their submenus'.
    static void collect(const QList<QAction *> &actions, QStringList &texts)
    {
        for (QAction *action : actions) {
            if (action->isSeparator())
                continue;
            texts << action->text();
            if (QMenu *menu = action->menu())
                collect(menu->actions(), texts);
        }
    }

    // What the form shows a user and a screen reader: labels, buttons, the
    // group's title, the months, and the controls' names.
    QStringList FormTexts() const
    {
        QStringList texts;
        const QWidget *form = View()->GetSafeHwnd();
        for (const QWidget *widget : form->findChildren<QWidget *>()) {
            texts << widget->accessibleName();
            if (auto *label = qobject_cast<const QLabel *>(widget))
                texts << label->text();
            if (auto *button = qobject_cast<const QAbstractButton *>(widget))
                texts << button->text();
            if (auto *group = qobject_cast<const QGroupBox *>(widget))
                texts << group->title();
            if (auto *combo = qobject_cast<const QComboBox *>(widget))
                for (int i = 0; i < combo->count(); ++i)
                    texts << combo->itemText(i);
        }
        return texts;
    }

    void Fill(const char *day, const char *hour, const char *minute, const char *every)
    {
        QTest::mouseClick(Control<QWidget>(IDC_HIJRI), Qt::LeftButton);
        QComboBox *months = Control<QComboBox>(IDC_MONTH);
        months->setCurrentIndex(8); // the ninth month, رمضان
        Control<QLineEdit>(IDC_DAY)->setText(QString::fromUtf8(day));
        Control<QLineEdit>(IDC_HOUR)->setText(QString::fromUtf8(hour));
        Control<QLineEdit>(IDC_MINUTE)->setText(QString::fromUtf8(minute));
        Control<QLineEdit>(IDC_EVERY)->setText(QString::fromUtf8(every));
    }
};

TEST_F(ArabicProgramTest, TheMenusAndTheFormShowNoEnglish)
{
    Start();
    QStringList menus;
    collect(MenuBar()->actions(), menus);
    ASSERT_GT(menus.size(), 30);
    for (const QString &text : menus)
        EXPECT_FALSE(holdsEnglish(text)) << "menu item: " << text.toStdString();
    const QStringList form = FormTexts();
    ASSERT_GT(form.size(), 20);
    for (const QString &text : form)
        EXPECT_FALSE(holdsEnglish(text)) << "form: " << text.toStdString();
    EXPECT_EQ(Control<QComboBox>(IDC_MONTH)->itemText(8), QStringLiteral("رمضان"));
}

TEST_F(ArabicProgramTest, TheWindowIsMirrored)
{
    Start();
    Dock()->SetShown(true);
    QApplication::processEvents();
    const QList<QAction *> titles = MenuBar()->actions();
    ASSERT_GE(titles.size(), 2);
    EXPECT_GT(
        MenuBar()->actionGeometry(titles.first()).x(), MenuBar()->actionGeometry(titles.last()).x())
        << "File stands right of Help";
    EXPECT_GT(Control<QPushButton>(IDC_ADD)->x(), Control<QPushButton>(IDC_DELETE)->x())
        << "Add stands right of Delete";
    const CMonthGridView *grid = Dock()->Panel()->Grid();
    const QAbstractItemModel *model = grid->model();
    EXPECT_GT(grid->visualRect(model->index(0, 0)).x(), grid->visualRect(model->index(0, 6)).x())
        << "the week's first day stands on the right";
}

TEST_F(ArabicProgramTest, TodayAndTheMonthPanelShowArabicIndicDigits)
{
    Start();
    Dock()->SetShown(true);
    QApplication::processEvents();
    const QString today = FormText(IDC_DATENOW);
    EXPECT_TRUE(arabicIndicDigitsOnly(today)) << today.toStdString();
    EXPECT_TRUE(today.contains(QStringLiteral("١٤٤٨"))) << "no group separator in years";
    const CMonthPanel *panel = Dock()->Panel();
    EXPECT_TRUE(arabicIndicDigitsOnly(panel->TitleLabel()->text()))
        << panel->TitleLabel()->text().toStdString();
    const QModelIndex cell = panel->Model().IndexOfDay(ChristianDayNumber({2026, 12, 7}));
    const QString day = panel->Model().data(cell, Qt::DisplayRole).toString();
    EXPECT_TRUE(arabicIndicDigitsOnly(day)) << day.toStdString();
}

// The same reminder kept by the profile as the English program keeps it:
// its key spelled in English, its alarm in Western digits.
TEST_F(ArabicProgramTest, AddViewAndDeleteWriteTheSameBytesAsInEnglish)
{
    Start();
    // The English program's profile starts as this one does.
    const std::filesystem::path english = m_dir / "english.INI";
    std::filesystem::copy_file(m_profile, english);
    Fill("٢٧", "٨", "٣٠", "١٠");
    Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(QStringLiteral("ليلة القدر"));
    QTest::mouseClick(Control<QPushButton>(IDC_ADD), Qt::LeftButton);
    EXPECT_TRUE(m_boxes.empty());

    CZamanixProfile written(english);
    std::string error;
    ASSERT_TRUE(
        written.AddReminder("Ramadhan/27", "ليلة القدر", FormatAlarmValue(8, 30, 10), error))
        << error;
    EXPECT_EQ(ReadBytes(m_profile), ReadBytes(english));

    Control<QPlainTextEdit>(IDC_MEMO)->clear();
    Fill("27", "0", "0", "5"); // Western digits are read alike
    QTest::mouseClick(Control<QPushButton>(IDC_VIEW), Qt::LeftButton);
    EXPECT_EQ(FormText(IDC_MEMO), QStringLiteral("ليلة القدر"));
    EXPECT_EQ(Control<QLineEdit>(IDC_MINUTE)->text(), QStringLiteral("٣٠"));

    QTest::mouseClick(Control<QPushButton>(IDC_DELETE), Qt::LeftButton);
    ASSERT_TRUE(written.RemoveReminder("Ramadhan/27", ReminderKind::Yearly, error)) << error;
    EXPECT_EQ(ReadBytes(m_profile), ReadBytes(english));
}

// Options > Western Digits shows 0 to 9 at once, in the form and the
// month panel, keeps the choice in the profile, and turns back.
TEST_F(ArabicProgramTest, WesternDigitsAreAChoiceAway)
{
    Start();
    Dock()->SetShown(true);
    Frame()->ExecuteCommand(ID_OPTIONS_WESTERN_DIGITS);
    QApplication::processEvents();
    EXPECT_TRUE(FormText(IDC_DATENOW).contains(QStringLiteral("1448")));
    EXPECT_EQ(Control<QLineEdit>(IDC_YEAR)->text(), QStringLiteral("1448"));
    EXPECT_TRUE(Dock()->Panel()->TitleLabel()->text().contains(QStringLiteral("1448")));
    EXPECT_NE(ReadBytes(m_profile).find("WesternDigits=ON\n"), std::string::npos);

    Frame()->ExecuteCommand(ID_OPTIONS_WESTERN_DIGITS);
    QApplication::processEvents();
    EXPECT_TRUE(arabicIndicDigitsOnly(FormText(IDC_DATENOW)));
    EXPECT_EQ(Control<QLineEdit>(IDC_YEAR)->text(), QStringLiteral("١٤٤٨"));
    EXPECT_NE(ReadBytes(m_profile).find("WesternDigits=OFF\n"), std::string::npos);
}

// A panel never shown is not built for the choice, and shows it when it is.
TEST_F(ArabicProgramTest, AHiddenPanelTakesTheDigitsWhenShown)
{
    Start();
    Frame()->ExecuteCommand(ID_OPTIONS_WESTERN_DIGITS);
    QApplication::processEvents();
    EXPECT_EQ(Dock()->BuiltPanel(), nullptr);
    Dock()->SetShown(true);
    EXPECT_TRUE(Dock()->Panel()->TitleLabel()->text().contains(QStringLiteral("1448")));
}

// The publishing status speaks Arabic and counts in Arabic-Indic digits,
// its times too.
TEST_F(ArabicProgramTest, ThePublishingStatusCountsInArabicIndicDigits)
{
    Start();
    PublishResult written;
    written.added = 3;
    written.changed = 1;
    written.unchanged = 195;
    written.keptEdited = 2;
    written.conflicts = 4;
    PublishResult created = written;
    created.createdCalendar = true;
    PublishResult failed;
    failed.failure = PublishFailure::Timeout;
    failed.message = "لم يجب"; // a reason without digits
    const std::int64_t at = 1796731200; // 2026-12-07 12:00 UTC
    for (const QString &text : {PublishProgressText(PublishStage::Writing, 12, 40),
             PublishResultText(written, at, at), PublishResultText(created, at, at),
             PublishResultText(failed, at, at + 300)}) {
        EXPECT_TRUE(arabicIndicDigitsOnly(text)) << text.toStdString();
        EXPECT_FALSE(holdsEnglish(text)) << text.toStdString();
    }
}

} // namespace
