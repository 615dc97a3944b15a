// Showing a memo: in the form's memo box (a plain-text box given the text
// through SetLongText) and in the reminder prompt, from a short memo to an
// unbroken line of 5 MB and a million empty lines. Each iteration builds
// the window, shows it and lets Qt lay it out and paint it, on Qt's
// offscreen platform. For comparison, the box given the whole text as it
// is (what the memo box did before): an unbroken line costs time in
// proportion to the square of its length.
#include "framework/afx_types.h"
#include "framework/long_text.h"
#include "framework/message_box.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

enum Shape { kUnbroken, kWords, kEmptyLines };

std::string memoOf(Shape shape, std::size_t size)
{
    switch (shape) {
    case kUnbroken:
        return std::string(size, 'x');
    case kWords: {
        std::string text(size, 'x');
        for (std::size_t i = 7; i < size; i += 8)
            text[i] = ' ';
        return text;
    }
    case kEmptyLines:
        return std::string(size, '\n');
    }
    return {};
}

void showBox(QPlainTextEdit &box)
{
    box.resize(400, 200);
    box.show();
    QApplication::processEvents();
}

void BM_MemoBox(benchmark::State &state)
{
    const std::string memo = memoOf(static_cast<Shape>(state.range(0)), state.range(1));
    for (auto _ : state) {
        QPlainTextEdit box;
        SetLongText(&box, memo);
        showBox(box);
    }
}
BENCHMARK(BM_MemoBox)
    ->ArgsProduct({{kUnbroken, kWords, kEmptyLines}, {100, 1'000'000, 5'000'000}})
    ->Unit(benchmark::kMillisecond);

void BM_WholeTextInBox(benchmark::State &state)
{
    const QString memo = QString::fromStdString(memoOf(kUnbroken, state.range(0)));
    for (auto _ : state) {
        QPlainTextEdit box;
        box.setPlainText(memo);
        showBox(box);
    }
}
BENCHMARK(BM_WholeTextInBox)->Arg(10'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_Prompt(benchmark::State &state)
{
    const std::string memo = memoOf(static_cast<Shape>(state.range(0)), state.range(1));
    for (auto _ : state) {
        // Answered as soon as it shows.
        QTimer::singleShot(0, [] {
            if (QWidget *prompt = QApplication::activeModalWidget())
                prompt->close();
        });
        AfxMessageBoxWithBody("Zamanix Reminder:\n\n", memo,
            "\n\nDo you want me to remind you again in 60 minutes?", MB_YESNO | MB_ICONINFORMATION,
            IDYES);
    }
}
BENCHMARK(BM_Prompt)
    ->ArgsProduct({{kUnbroken, kEmptyLines}, {100, 10'000, 5'000'000}})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
