#include "framework/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <utility>

namespace {

constexpr std::chrono::seconds kLatest{1};

// Watches one window for its first paint; a child of the window, so that
// it goes with it.
class CFirstPaintWatch : public QObject {
public:
    CFirstPaintWatch(QWidget *window, std::function<void()> work)
        : QObject(window)
        , m_work(std::move(work))
    {
        window->installEventFilter(this);
        // A child, so that it stops with the watch: no wake-up once done.
        auto *latest = new QTimer(this);
        latest->setSingleShot(true);
        connect(latest, &QTimer::timeout, this, [this] { run(); });
        latest->start(kLatest);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Posted, so that the paint and the flush to the screen finish first.
        if (event->type() == QEvent::Paint && watched == parent())
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (!m_work)
            return;
        const std::function<void()> work = std::exchange(m_work, nullptr);
        deleteLater();
        work();
    }

    std::function<void()> m_work;
};

} // namespace

void AfterFirstPaint(QWidget *window, std::function<void()> work)
{
    if (window->isMinimized())
        QTimer::singleShot(0, window, std::move(work));
    else
        new CFirstPaintWatch(window, std::move(work));
}
