// The crescent question as the user meets it: on the 29th day of a Hijri
// month, at the time the profile keeps (agenda/crescent_question.h), a
// small window asks whether the new moon of the next month has been seen,
// and a desktop notification with the same three answers stands for it,
// since the window may open behind others. "Yes" and "No" record the next
// month's start through the profile object, "Not yet" asks again an hour
// later.
//
// The window is not modal: a reminder's prompt may open while it waits,
// and each is answered on its own, in its window or its notification. It is
// built once and hidden when answered, never destroyed while the program
// runs, as a prompt opened over it may have it as its owner.
#pragma once

#include "agenda/crescent_question.h"
#include "framework/ctime.h"
#include "session/zamanix_profile.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QDialog;
class QLabel;
class QPushButton;

class CCrescentPrompt : public QObject {
    Q_OBJECT

public:
    explicit CCrescentPrompt(CZamanixProfile &profile);
    ~CCrescentPrompt() override;

    // A tick of the minute timer: the clock read `before` it and `now`. Asks
    // when the question is due and the profile says to ask.
    void Tick(const CTime &before, const CTime &now);
    // Answers the open question, as its window's buttons and its
    // notification's do; nothing when none is open.
    void Answer(CrescentAnswer answer);

    // The window while the question is open; nullptr otherwise.
    QDialog *Window() const;

private:
    void ask(const CrescentQuestion &question);
    void buildWindow();
    void record(const HijriMonthStart &start);

    CZamanixProfile &m_profile;
    CCrescentCheck m_check;
    std::optional<CrescentQuestion> m_question;
    QPointer<QDialog> m_pWindow;
    QLabel *m_pText = nullptr;
    QPushButton *m_pSeen = nullptr;
    QPushButton *m_pNotSeen = nullptr;
    QPushButton *m_pNotYet = nullptr;
};
