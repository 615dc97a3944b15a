#include "panels/month_starts_window.h"

#include "agenda/month_starts_file.h"
#include "framework/message_box.h"
#include "framework/string_table.h"
#include "panels/list_texts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A file of month starts holds a line or two a month: a larger one is not
// one, and is not read into memory.
constexpr qint64 kMostImportBytes = 1 << 20;
// The problems of a file told at once; the rest are counted.
constexpr std::size_t kMostProblemsTold = 20;

std::string problemsText(const std::vector<std::string> &problems)
{
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < kMostProblemsTold; ++i)
        text += (i ? "\n" : "") + problems[i];
    if (problems.size() > kMostProblemsTold)
        text += "\n" +
            QCoreApplication::translate("CMonthStartsWindow", "and %1 more")
                .arg(problems.size() - kMostProblemsTold)
                .toStdString();
    return text;
}

} // namespace

CMonthStartsWindow::CMonthStartsWindow(CZamanixProfile &profile, QWidget *parent)
    : CSideWindow(parent, Qt::Window)
    , m_profile(profile)
{
    setWindowTitle(tr("Hijri Month Starts - Zamanix"));
    m_pIntro = new QLabel(this);
    m_pIntro->setWordWrap(true);
    m_pTable = new QTableView(this);
    m_pTable->setModel(&m_model);
    m_pTable->setAccessibleName(tr("Recorded month starts"));
    m_pTable->setAccessibleDescription(
        tr("Delete removes the selected record; Escape closes the window"));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setTabKeyNavigation(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pIntro);
    layout->addWidget(m_pTable);
    layout->addWidget(buildButtons());
    layout->addWidget(buildQuestion());
    Refresh();
    showSettings();
    m_pTable->resizeColumnsToContents();
    constexpr int kRoom = 64, kLeast = 640, kMost = 1400, kHeight = 420;
    resize(std::clamp(m_pTable->horizontalHeader()->length() + kRoom, kLeast, kMost), kHeight);
    connect(&m_profile, &CZamanixProfile::settingsChanged, this, [this](unsigned which) {
        if (which & kHijriCalendarSetting)
            Refresh();
        if (which & (kAskNewMoonSetting | kNewMoonTimeSetting))
            showSettings();
    });
}

QWidget *CMonthStartsWindow::buildButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *remove = new QPushButton(tr("&Remove"), row);
    auto *import = new QPushButton(tr("&Import..."), row);
    auto *close = new QPushButton(tr("&Close"), row);
    import->setToolTip(tr("Replace the records with those of a file, as a mosque or a community "
                          "site publishes them"));
    connect(remove, &QPushButton::clicked, this, [this] { RemoveSelected(); });
    connect(import, &QPushButton::clicked, this, [this] { Import(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(remove);
    layout->addWidget(import);
    layout->addStretch();
    layout->addWidget(close);
    return row;
}

QWidget *CMonthStartsWindow::buildQuestion()
{
    auto *box = new QGroupBox(tr("The new moon"), this);
    m_pAsk = new QCheckBox(tr("Ask on the 29th of each Hijri month whether it was seen, at"), box);
    m_pTime = new QTimeEdit(box);
    m_pTime->setDisplayFormat(QStringLiteral("HH:mm"));
    m_pTime->setAccessibleName(tr("Time of the question about the new moon"));
    auto *layout = new QHBoxLayout(box);
    layout->addWidget(m_pAsk);
    layout->addWidget(m_pTime);
    layout->addStretch();
    connect(m_pAsk, &QCheckBox::toggled, this, [this](bool on) {
        std::string error;
        tellFailure(m_profile.SetAskNewMoon(on, error),
            tr("Whether to ask about the new moon could not be saved; Zamanix forgets it when it "
               "closes."),
            error);
    });
    connect(m_pTime, &QTimeEdit::editingFinished, this, [this] {
        const QTime time = m_pTime->time();
        std::string error;
        tellFailure(m_profile.SetNewMoonTime(time.hour() * 60 + time.minute(), error),
            tr("The time of the question about the new moon could not be saved; Zamanix "
               "forgets it when it closes."),
            error);
    });
    return box;
}

void CMonthStartsWindow::showSettings()
{
    const QSignalBlocker askBlocked(m_pAsk), timeBlocked(m_pTime);
    const ZamanixSettings &settings = m_profile.Settings();
    m_pAsk->setChecked(settings.askNewMoon);
    m_pTime->setTime(QTime(settings.newMoonMinute / 60, settings.newMoonMinute % 60));
}

void CMonthStartsWindow::Refresh()
{
    const MonthStartEntry *selected = m_model.EntryAt(m_pTable->currentIndex().row());
    const std::string name = selected ? selected->name : std::string();
    const int row = std::max(m_pTable->currentIndex().row(), 0);
    const CHijriCalendar &calendar = m_profile.HijriCalendar();
    m_model.SetEntries(ProfileMonthStartEntries(m_profile.Snapshot(), calendar), calendar);
    const int again = m_model.RowOfName(name);
    // The row after a removed one takes its place.
    const int current = again >= 0 ? again : std::min(row, m_model.rowCount() - 1);
    if (current >= 0)
        m_pTable->setCurrentIndex(m_model.index(current, CMonthStartModel::Month));
    const QString rule =
        tr("The Hijri calendar in use: %1.").arg(QString::fromStdString(calendar.Description()));
    m_pIntro->setText(rule + QLatin1Char(' ') +
        (m_model.rowCount() == 0
                ? tr("No month start is recorded; the month panel's This Month Began On... "
                     "records one.")
                : tr("Each record says on which day a Hijri month began for your community; a "
                     "marked one cannot be kept and is ignored.")));
}

void CMonthStartsWindow::RemoveSelected()
{
    const MonthStartEntry *entry = m_model.EntryAt(m_pTable->currentIndex().row());
    if (!entry)
        return;
    // The rows are built anew when the profile object tells of the removal.
    const std::string name = entry->name;
    const QString month = m_model.MonthText(*entry);
    const QString question = entry->record
        ? tr("Remove the recorded start of %1, %2?").arg(month, CivilDayText(entry->record->day))
        : tr("Remove the entry %1 from the profile?").arg(month);
    if (AfxMessageBox(question.toStdString(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    std::string error;
    tellFailure(m_profile.RemoveMonthStart(name, error),
        tr("The record of %1 could not be removed.").arg(month), error);
}

void CMonthStartsWindow::Import()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Import Hijri Month Starts"), QDir::homePath(),
            tr("Month starts (*.txt *.ini)") + QStringLiteral(";;") + AllFilesFilter());
    if (!path.isEmpty())
        ImportFile(path);
}

void CMonthStartsWindow::ImportFile(const QString &path)
{
    const std::optional<std::vector<HijriMonthStart>> records = readFile(path);
    if (!records)
        return;
    // What the section holds now and the file does not goes with the import.
    const std::vector<MonthStartEntry> now =
        ProfileMonthStartEntries(m_profile.Snapshot(), m_profile.HijriCalendar());
    const auto lost = std::ranges::count_if(now, [&](const MonthStartEntry &entry) {
        return !entry.record || std::ranges::find(*records, *entry.record) == records->end();
    });
    if (lost > 0 &&
        AfxMessageBox(tr("Importing \"%1\" replaces the month starts recorded now, and %2 of them "
                         "that the file does not hold will be removed. Import it?")
                          .arg(path)
                          .arg(lost)
                          .toStdString(),
            MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    std::string error;
    tellFailure(m_profile.ReplaceMonthStarts(*records, error),
        tr("The month starts of \"%1\" could not be imported.").arg(path), error);
}

std::optional<std::vector<HijriMonthStart>> CMonthStartsWindow::readFile(const QString &path)
{
    QFile file(path);
    QString problem;
    QByteArray bytes;
    // A pipe or a device would hold the window, and a folder has no text.
    if (!QFileInfo(path).isFile())
        problem = tr("it is not a file");
    else if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if ((bytes = file.read(kMostImportBytes + 1)).size() > kMostImportBytes)
        problem = tr("it is larger than a list of month starts can be");
    if (!problem.isEmpty()) {
        AfxMessageBox(tr("Nothing was imported from \"%1\": %2.").arg(path, problem).toStdString(),
            MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    std::vector<std::string> problems;
    const MonthStartsFile read = ReadMonthStartsText(bytes.toStdString(), problems);
    if (problems.empty())
        problems = RefusedMonthStartLines(read, m_profile.HijriCalendar());
    if (!problems.empty()) {
        AfxMessageBox(
            tr("Nothing was imported from \"%1\", for these lines:").arg(path).toStdString() +
                "\n\n" + problemsText(problems),
            MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    return read.records;
}

void CMonthStartsWindow::tellFailure(bool written, const QString &what, const std::string &error)
{
    if (!written)
        AfxMessageBox(what.toStdString() + "\n\n" + error, MB_ICONEXCLAMATION);
}

bool CMonthStartsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        RemoveSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
