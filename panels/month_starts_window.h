// Options > Hijri Month Starts...: a window beside the form that lists
// every month start recorded in the profile (month_start_model.h), an entry
// the calendar ignores marked with the reason; Remove (or Delete) puts the
// selected month back to the rule after asking; Import... replaces the
// records with those of a file, as a mosque or a community site publishes
// them, once the whole file was found sound. It also holds the question
// about the new moon: whether it is asked, and at what time. The window
// follows the profile object: the records and settings changed here, in
// the month panel, by the crescent question or by another program.
#pragma once

#include "panels/side_window.h"

#include "panels/month_start_model.h"
#include "session/zamanix_profile.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTableView;
class QTimeEdit;

class CMonthStartsWindow : public CSideWindow {
    Q_OBJECT

public:
    CMonthStartsWindow(CZamanixProfile &profile, QWidget *parent);

    // Builds the rows again from the profile object; the selection stays.
    void Refresh();
    // Asks, then removes the selected entry with the other entries of its
    // month.
    void RemoveSelected();
    // Asks for a file, then imports it (ImportFile).
    void Import();
    // Replaces the records with those of the file, after asking when records
    // not in it would go. Nothing is imported from a file with a problem:
    // one that cannot be read, a line that is no record, a record that the
    // calendar in use refuses; the user is told each, by its line.
    void ImportFile(const QString &path);

    QTableView *Table() const { return m_pTable; }
    CMonthStartModel &Model() { return m_model; }
    QCheckBox *AskBox() const { return m_pAsk; }
    QTimeEdit *AskTime() const { return m_pTime; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildButtons();
    QWidget *buildQuestion();
    void showSettings();
    // The records of a file, or nothing after telling why none are.
    std::optional<std::vector<HijriMonthStart>> readFile(const QString &path);
    void tellFailure(bool written, const QString &what, const std::string &error);

    CZamanixProfile &m_profile;
    CMonthStartModel m_model;
    QLabel *m_pIntro = nullptr;
    QTableView *m_pTable = nullptr;
    QCheckBox *m_pAsk = nullptr;
    QTimeEdit *m_pTime = nullptr;
};
