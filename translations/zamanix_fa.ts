<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>CAllRemindersWindow</name>
    <message>
        <source>All Reminders - Zamanix</source>
        <translation>همهٔ یادآوری‌ها - Zamanix</translation>
    </message>
    <message>
        <source>Filter by memo or key</source>
        <translation>پالایش بر پایهٔ یادداشت یا کلید</translation>
    </message>
    <message>
        <source>Filter reminders</source>
        <translation>پالایش یادآوری‌ها</translation>
    </message>
    <message>
        <source>Shows only the reminders whose memo or key holds this text</source>
        <translation>فقط یادآوری‌هایی را نشان می‌دهد که یادداشت یا کلیدشان این متن را دارد</translation>
    </message>
    <message>
        <source>All reminders</source>
        <translation>همهٔ یادآوری‌ها</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Delete removes it, Escape closes the window</source>
        <translation type="vanished">Enter یادآوری را در فرم باز می‌کند، Delete آن را حذف می‌کند، Escape پنجره را می‌بندد</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <comment>%n reminder</comment>
        <translation>
            <numerusform>%n یادآوری</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reminders</source>
        <comment>%1 of %n reminder</comment>
        <translation>
            <numerusform>%1 از %n یادآوری</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n never fall due</source>
        <comment>%1; %n never falls due</comment>
        <translation>
            <numerusform>%1؛ %n هرگز سر نمی‌رسد</numerusform>
        </translation>
    </message>
    <message>
        <source>The form cannot show %1: %2.

Delete it here, or mend its key in the profile.</source>
        <translation>فرم نمی‌تواند %1 را نشان دهد: %2.

آن را همین‌جا حذف کنید، یا کلیدش را در پروندهٔ تنظیمات درست کنید.</translation>
    </message>
    <message>
        <source>Delete the reminder %1?

%2</source>
        <translation>یادآوری %1 حذف شود؟

%2</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>یادآوری %1 حذف نشد.</translation>
    </message>
    <message>
        <source>The form cannot show a day of %1, which never falls due: %2.

Edit it here, or delete it.</source>
        <translation>فرم نمی‌تواند روزی از %1 را نشان دهد، چون هرگز سر نمی‌رسد: %2.

آن را اینجا ویرایش یا حذف کنید.</translation>
    </message>
    <message>
        <source>&amp;New Reminder...</source>
        <translation>یادآوری &amp;تازه...</translation>
    </message>
    <message>
        <source>Adds a reminder: every year, once, every month or every week</source>
        <translation>یادآوری‌ای می‌افزاید: هر سال، یک بار، هر ماه یا هر هفته</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;ویرایش...</translation>
    </message>
    <message>
        <source>Changes the selected reminder</source>
        <translation>یادآوری برگزیده را تغییر می‌دهد</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;باز کردن در فرم</translation>
    </message>
    <message>
        <source>Shows the selected reminder's day in the form</source>
        <translation>روز یادآوری برگزیده را در فرم نشان می‌دهد</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Deletes the selected reminder, after asking</source>
        <translation>پس از پرسش، یادآوری برگزیده را حذف می‌کند</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;صدور...</translation>
    </message>
    <message>
        <source>Saves the reminders of the next five years as an iCalendar file</source>
        <translation>یادآوری‌های پنج سال آینده را در پرونده‌ای iCalendar ذخیره می‌کند</translation>
    </message>
    <message>
        <source>There are no reminders yet. Choose New Reminder... to add one of any kind, or in the main window choose a date, type a memo and choose Add.</source>
        <translation>هنوز یادآوری‌ای نیست. برای افزودن یادآوری از هر نوع «یادآوری تازه...» را برگزینید، یا در پنجرهٔ اصلی تاریخی برگزینید، یادداشتی بنویسید و «افزودن» را برگزینید.</translation>
    </message>
    <message>
        <source>Enter opens a yearly reminder in the form and edits the others, Delete removes one, the Menu key shows what else can be done, Escape closes the window</source>
        <translation>Enter یادآوری سالانه را در فرم باز می‌کند و بقیه را ویرایش می‌کند، Delete یکی را حذف می‌کند، کلید منو کارهای دیگر را نشان می‌دهد، Escape پنجره را می‌بندد</translation>
    </message>
    <message>
        <source>%1 never falls due: %2.</source>
        <translation>%1 هرگز سر نمی‌رسد: %2.</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by; it will not ring again.</source>
        <translation>%1 در %2 بود که گذشته است؛ دیگر زنگ نمی‌زند.</translation>
    </message>
    <message>
        <source>%1 falls due %2.</source>
        <translation>%1 سر می‌رسد %2.</translation>
    </message>
    <message>
        <source>A reminder for %1 exists already:

%2

Replace it with this one?</source>
        <translation>یادآوری‌ای برای %1 از پیش هست:

%2

با این یکی جایگزین شود؟</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved.

%2</source>
        <translation>یادآوری %1 ذخیره نشد.

%2</translation>
    </message>
</context>
<context>
    <name>CCalendarServerDialog</name>
    <message>
        <source>Calendar Server - Zamanix</source>
        <translation>سرور تقویم - Zamanix</translation>
    </message>
    <message>
        <source>Zamanix keeps a calendar on a CalDAV server holding each day on which a reminder falls due, for your phone and other calendar programs. A calendar that does not exist yet is created; without a URL nothing is published.</source>
        <translation>Zamanix روی یک سرور CalDAV تقویمی نگه می‌دارد که هر روزی را که یادآوری‌ای در آن سر می‌رسد دارد، برای تلفن شما و دیگر برنامه‌های تقویم. تقویمی که هنوز وجود ندارد ساخته می‌شود؛ بدون URL چیزی منتشر نمی‌شود.</translation>
    </message>
    <message>
        <source>Calendar URL</source>
        <translation>نشانی URL تقویم</translation>
    </message>
    <message>
        <source>The address of the calendar on the server, such as https://dav.example.org/anna/zamanix/</source>
        <translation>نشانی تقویم روی سرور، مانند https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>Over http:// the password travels unencrypted: use https://, unless the server runs on this computer.</source>
        <translation>با http:// گذرواژه رمزنگاری‌نشده فرستاده می‌شود: از https:// استفاده کنید، مگر اینکه سرور روی همین رایانه اجرا شود.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>نام کاربری</translation>
    </message>
    <message>
        <source>Your user name on the calendar server</source>
        <translation>نام کاربری شما روی سرور تقویم</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>گذرواژه</translation>
    </message>
    <message>
        <source>Your password on the calendar server</source>
        <translation>گذرواژهٔ شما روی سرور تقویم</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>سال‌های پیش رو</translation>
    </message>
    <message>
        <source>How many years of reminders, from today on, the calendar holds</source>
        <translation>تقویم یادآوری‌های چند سال را، از امروز به بعد، در خود دارد</translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>&amp;نشانی URL تقویم:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>نام &amp;کاربری:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;گذرواژه:</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>&amp;سال‌های پیش رو:</translation>
    </message>
    <message>
        <source>Publish &amp;Now</source>
        <translation>&amp;انتشار اکنون</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;ذخیره</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>The password goes to your desktop's keyring, never into a file of Zamanix.</source>
        <translation>گذرواژه به جاکلیدی میزکار شما می‌رود، هرگز به پرونده‌ای از Zamanix.</translation>
    </message>
    <message>
        <source>No password is kept for this user at this calendar: give it here.</source>
        <translation>هیچ گذرواژه‌ای برای این کاربر در این تقویم نگه داشته نشده است: آن را اینجا بدهید.</translation>
    </message>
    <message>
        <source>No keyring took the password, so it is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>هیچ جاکلیدی گذرواژه را نپذیرفت، پس فقط برای این نشست نگه داشته می‌شود: پس از راه‌اندازی دوبارهٔ Zamanix آن را دوباره اینجا بدهید.</translation>
    </message>
    <message>
        <source>The password is kept in your desktop's keyring.</source>
        <translation>گذرواژه در جاکلیدی میزکار شما نگه داشته شده است.</translation>
    </message>
    <message>
        <source>No keyring answered (%1), so the password is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>هیچ جاکلیدی پاسخ نداد (%1)، پس گذرواژه فقط برای این نشست نگه داشته می‌شود: پس از راه‌اندازی دوبارهٔ Zamanix آن را دوباره اینجا بدهید.</translation>
    </message>
    <message>
        <source>The calendar server's settings were not saved: %1.</source>
        <translation>تنظیمات سرور تقویم ذخیره نشد: %1.</translation>
    </message>
    <message>
        <source>The calendar server's settings could not be written to the profile; Zamanix publishes with them until it ends.

%1</source>
        <translation>تنظیمات سرور تقویم در نمایه نوشته نشد؛ Zamanix تا پایان کارش با آن‌ها منتشر می‌کند.

%1</translation>
    </message>
    <message>
        <source>Handing the password to the keyring...</source>
        <translation>سپردن گذرواژه به جاکلیدی...</translation>
    </message>
    <message>
        <source>Give the URL of a calendar first: Zamanix publishes the reminders there.</source>
        <translation>نخست نشانی URL یک تقویم را بدهید: Zamanix یادآوری‌ها را آنجا منتشر می‌کند.</translation>
    </message>
    <message>
        <source>Save the changes to the calendar server's settings?</source>
        <translation>تغییرات تنظیمات سرور تقویم ذخیره شود؟</translation>
    </message>
    <message>
        <source>Publish Now publishes the reminders at once; Zamanix also publishes them by itself after each change.</source>
        <translation>«انتشار اکنون» یادآوری‌ها را بی‌درنگ منتشر می‌کند؛ Zamanix نیز پس از هر تغییر خودش آن‌ها را منتشر می‌کند.</translation>
    </message>
    <message>
        <source>Publishing is off: give the URL of a calendar to publish to.</source>
        <translation>انتشار خاموش است: نشانی URL تقویمی را برای انتشار بدهید.</translation>
    </message>
</context>
<context>
    <name>CCrescentPrompt</name>
    <message>
        <source>Has the new moon of %1 been seen?</source>
        <translation>آیا هلال %1 دیده شد؟</translation>
    </message>
    <message>
        <source>Today is 29 %1; your answer records the day %2 begins.</source>
        <translation>امروز 29 %1 است؛ پاسخ شما روز آغاز %2 را ثبت می‌کند.</translation>
    </message>
    <message>
        <source>Yes: %1 begins tomorrow</source>
        <translation>بله: %1 فردا آغاز می‌شود</translation>
    </message>
    <message>
        <source>No: %1 has 30 days</source>
        <translation>نه: %1 سی روزه است</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>هنوز نه</translation>
    </message>
    <message>
        <source>Zamanix: The New Moon</source>
        <translation>Zamanix: هلال ماه نو</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>آغاز %1 ثبت نشد.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>پرسیدن دربارهٔ هلال ذخیره نشد؛ Zamanix با بسته شدن آن را فراموش می‌کند.</translation>
    </message>
    <message>
        <source>The choice of digits could not be saved; Zamanix forgets it when it closes.</source>
        <translation>انتخاب رقم‌ها ذخیره نشد؛ Zamanix با بسته شدن آن را فراموش می‌کند.</translation>
    </message>
</context>
<context>
    <name>CMissedReminderModel</name>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>تاریخ هجری قمری</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>هشدار</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>یادداشت</translation>
    </message>
</context>
<context>
    <name>CMissedRemindersWindow</name>
    <message>
        <source>Missed Reminders - Zamanix</source>
        <translation>یادآوری‌های ازدست‌رفته - Zamanix</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>یادآوری‌های ازدست‌رفته</translation>
    </message>
    <message>
        <source>These reminders fell due while Zamanix was not running or the computer was asleep.</source>
        <translation>موعد این یادآوری‌ها وقتی رسید که Zamanix اجرا نمی‌شد یا رایانه در حالت خواب بود.</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>یادآوری‌های ازدست‌رفته</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Escape closes the window</source>
        <translation>Enter یادآوری را در فرم باز می‌کند، Escape پنجره را می‌بندد</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;باز کردن در فرم</translation>
    </message>
    <message>
        <source>Shows the selected reminder in the form</source>
        <translation>یادآوری گزینش‌شده را در فرم نشان می‌دهد</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ب&amp;ستن</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders missed</source>
        <comment>%n reminder missed</comment>
        <translation>
            <numerusform>%n یادآوری از دست رفت</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMonthDock</name>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Whether the month panel is shown could not be saved; Zamanix forgets it when it closes.</source>
        <translation>نمایش یا پنهان بودن پنل ماه ذخیره نشد؛ Zamanix با بسته شدن آن را فراموش می‌کند.</translation>
    </message>
    <message>
        <source>Whether the holy days are marked could not be saved; Zamanix forgets it when it closes.</source>
        <translation>علامت‌گذاری مناسبت‌ها ذخیره نشد؛ Zamanix با بسته شدن آن را فراموش می‌کند.</translation>
    </message>
    <message>
        <source>The side of the month panel could not be saved.</source>
        <translation>جای پنل ماه ذخیره نشد.</translation>
    </message>
</context>
<context>
    <name>CMonthPanel</name>
    <message>
        <source>Week %1</source>
        <translation>هفتهٔ %1</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>سال قبل</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>ماه قبل</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>ماه بعد</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>سال بعد</translation>
    </message>
    <message>
        <source>Arrow keys move the day, Page Up and Page Down the month, with Control the year; Home goes to today; Enter shows the day in the form</source>
        <translation>کلیدهای جهت‌نما روز را جابه‌جا می‌کنند، Page Up و Page Down ماه را، و همراه Ctrl سال را؛ Home به امروز می‌رود؛ Enter روز را در فرم نشان می‌دهد</translation>
    </message>
    <message>
        <source>Holy days: %1</source>
        <translation>مناسبت‌ها: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>و %1 مورد دیگر</translation>
    </message>
    <message>
        <source>Holy days</source>
        <translation>مناسبت‌ها</translation>
    </message>
    <message>
        <source>Phases of the Moon (local time)</source>
        <translation>حالت‌های قمر (به وقت محلی)</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>یادآوری‌ها</translation>
    </message>
    <message>
        <source>reminder: %1</source>
        <translation>یادآوری: %1</translation>
    </message>
    <message>
        <source>reminders: %1</source>
        <translation>یادآوری‌ها: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (alarm at %2)</source>
        <translation>یادآوری: %1 (هشدار ساعت %2)</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>یادآوری: %1</translation>
    </message>
    <message>
        <source>new moon at %1</source>
        <translation>ماه نو ساعت %1</translation>
    </message>
    <message>
        <source>first quarter at %1</source>
        <translation>تربیع اول ساعت %1</translation>
    </message>
    <message>
        <source>full moon at %1</source>
        <translation>ماه کامل ساعت %1</translation>
    </message>
    <message>
        <source>last quarter at %1</source>
        <translation>تربیع دوم ساعت %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>Began On...</source>
        <translation>آغاز شد...</translation>
    </message>
    <message>
        <source>This Month Began On...</source>
        <translation>این ماه آغاز شد در...</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>حذف ثبت</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>آغاز %1 ثبت نشد.</translation>
    </message>
    <message>
        <source>The recorded start of %1 could not be removed.</source>
        <translation>آغاز ثبت‌شدهٔ %1 حذف نشد.</translation>
    </message>
</context>
<context>
    <name>CMonthStartDialog</name>
    <message>
        <source>When %1 Began - Zamanix</source>
        <translation>آغاز %1 - Zamanix</translation>
    </message>
    <message>
        <source>The days it can have begun on</source>
        <translation>روزهایی که ممکن است در آن آغاز شده باشد</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;ثبت</translation>
    </message>
    <message>
        <source>Remove Recor&amp;d</source>
        <translation>&amp;حذف ثبت</translation>
    </message>
    <message>
        <source>%1 cannot be recorded to begin on any day now: %2</source>
        <translation>اکنون آغاز %1 در هیچ روزی ثبت‌شدنی نیست: %2</translation>
    </message>
    <message>
        <source>%1 began on %2, as recorded; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 بنا بر ثبت در %2 آغاز شد؛ %3 آن را در %4 آغاز می‌کند. روزی را که جامعهٔ شما اعلام کرد برگزینید.</translation>
    </message>
    <message>
        <source>%1 begins on %2, moved by the records of the months around it; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 با ثبت‌های ماه‌های پیرامونش در %2 آغاز می‌شود؛ %3 آن را در %4 آغاز می‌کند. روزی را که جامعهٔ شما اعلام کرد برگزینید.</translation>
    </message>
    <message>
        <source>%1 begins on %2 under %3. Choose the day your community announced.</source>
        <translation>%1 بنا بر %3 در %2 آغاز می‌شود. روزی را که جامعهٔ شما اعلام کرد برگزینید.</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start, recorded)</source>
        <translation>%1، اکنون %2 (آغاز قاعده، ثبت‌شده)</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start)</source>
        <translation>%1، اکنون %2 (آغاز قاعده)</translation>
    </message>
    <message>
        <source>%1, now %2 (recorded)</source>
        <translation>%1، اکنون %2 (ثبت‌شده)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <translation>%1، اکنون %2</translation>
    </message>
</context>
<context>
    <name>CMonthStartModel</name>
    <message>
        <source>Ignored: %1</source>
        <translation>نادیده گرفته شد: %1</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>همان روز</translation>
    </message>
    <message>
        <source>1 day earlier</source>
        <translation>1 روز زودتر</translation>
    </message>
    <message>
        <source>1 day later</source>
        <translation>1 روز دیرتر</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>%1 روز زودتر</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>%1 روز دیرتر</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>ماه هجری قمری</translation>
    </message>
    <message>
        <source>Began on</source>
        <translation>آغاز در</translation>
    </message>
    <message>
        <source>The rule's start</source>
        <translation>آغاز قاعده</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>تفاوت</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>یادداشت</translation>
    </message>
</context>
<context>
    <name>CMonthStartsWindow</name>
    <message>
        <source>and %1 more</source>
        <translation>و %1 مورد دیگر</translation>
    </message>
    <message>
        <source>Hijri Month Starts - Zamanix</source>
        <translation>آغاز ماه‌های هجری قمری - Zamanix</translation>
    </message>
    <message>
        <source>Recorded month starts</source>
        <translation>آغازهای ثبت‌شدهٔ ماه</translation>
    </message>
    <message>
        <source>Delete removes the selected record; Escape closes the window</source>
        <translation>Delete ثبت برگزیده را حذف می‌کند؛ Escape پنجره را می‌بندد</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;وارد کردن...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ب&amp;ستن</translation>
    </message>
    <message>
        <source>Replace the records with those of a file, as a mosque or a community site publishes them</source>
        <translation>جایگزینی ثبت‌ها با ثبت‌های یک پرونده، آن‌گونه که مسجد یا پایگاه یک جامعه منتشر می‌کند</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>هلال ماه نو</translation>
    </message>
    <message>
        <source>Ask on the 29th of each Hijri month whether it was seen, at</source>
        <translation>در روز 29 هر ماه هجری قمری بپرس که دیده شد یا نه، در ساعت</translation>
    </message>
    <message>
        <source>Time of the question about the new moon</source>
        <translation>زمان پرسش دربارهٔ هلال</translation>
    </message>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>پرسیدن دربارهٔ هلال ذخیره نشد؛ Zamanix با بسته شدن آن را فراموش می‌کند.</translation>
    </message>
    <message>
        <source>The time of the question about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>زمان پرسش دربارهٔ هلال ذخیره نشد؛ Zamanix با بسته شدن آن را فراموش می‌کند.</translation>
    </message>
    <message>
        <source>The Hijri calendar in use: %1.</source>
        <translation>تقویم هجری قمری در کار: %1.</translation>
    </message>
    <message>
        <source>No month start is recorded; the month panel's This Month Began On... records one.</source>
        <translation>هیچ آغاز ماهی ثبت نشده است؛ «این ماه آغاز شد در...» در پنل ماه یکی ثبت می‌کند.</translation>
    </message>
    <message>
        <source>Each record says on which day a Hijri month began for your community; a marked one cannot be kept and is ignored.</source>
        <translation>هر ثبت می‌گوید ماه هجری قمری برای جامعهٔ شما در کدام روز آغاز شد؛ ثبت نشان‌دار نگه‌داشتنی نیست و نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Remove the recorded start of %1, %2?</source>
        <translation>آغاز ثبت‌شدهٔ %1، %2، حذف شود؟</translation>
    </message>
    <message>
        <source>Remove the entry %1 from the profile?</source>
        <translation>مدخل %1 از نمایه حذف شود؟</translation>
    </message>
    <message>
        <source>The record of %1 could not be removed.</source>
        <translation>ثبت %1 حذف نشد.</translation>
    </message>
    <message>
        <source>Import Hijri Month Starts</source>
        <translation>وارد کردن آغاز ماه‌های هجری قمری</translation>
    </message>
    <message>
        <source>Month starts (*.txt *.ini)</source>
        <translation>آغاز ماه‌ها (*.txt *.ini)</translation>
    </message>
    <message>
        <source>Importing "%1" replaces the month starts recorded now, and %2 of them that the file does not hold will be removed. Import it?</source>
        <translation>وارد کردن "%1" آغازهای ثبت‌شدهٔ کنونی را جایگزین می‌کند و %2 مورد از آن‌ها که در پرونده نیست حذف می‌شود. وارد شود؟</translation>
    </message>
    <message>
        <source>The month starts of "%1" could not be imported.</source>
        <translation>آغاز ماه‌های "%1" وارد نشد.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>پرونده نیست</translation>
    </message>
    <message>
        <source>it is larger than a list of month starts can be</source>
        <translation>بزرگ‌تر از آن است که فهرست آغاز ماه‌ها باشد</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1": %2.</source>
        <translation>چیزی از "%1" وارد نشد: %2.</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1", for these lines:</source>
        <translation>به سبب این سطرها چیزی از "%1" وارد نشد:</translation>
    </message>
</context>
<context>
    <name>COneCopy</name>
    <message>
        <source>Zamanix opens local files only</source>
        <translation>Zamanix فقط پرونده‌های محلی را باز می‌کند</translation>
    </message>
    <message>
        <source>Zamanix has no action %1</source>
        <translation>Zamanix کنشی به نام %1 ندارد</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Every year</source>
        <translation>هر سال</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>یک بار</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>هر ماه</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>هر هفته</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجری قمری</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>میلادی</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>یکشنبه</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>دوشنبه</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>سه‌شنبه</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>چهارشنبه</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>پنجشنبه</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعه</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>شنبه</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> دقیقه</translation>
    </message>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source> day before</source>
        <translation> روز پیش از آن</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> روز پیش از آن</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>نوع</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>تقویم</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>روز هفته</translation>
    </message>
    <message>
        <source>Falls due</source>
        <translation>سر می‌رسد</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>یادداشت</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>زمان هشدار</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>فاصلهٔ تکرار به دقیقه</translation>
    </message>
    <message>
        <source>Notice: days before each day it falls due</source>
        <translation>یادآوری پیشاپیش: روزهای پیش از هر روز سررسید</translation>
    </message>
    <message>
        <source>Edit Reminder - Zamanix</source>
        <translation>ویرایش یادآوری - Zamanix</translation>
    </message>
    <message>
        <source>New Reminder - Zamanix</source>
        <translation>یادآوری تازه - Zamanix</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;نوع:</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;تقویم:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;ماه:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;روز:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;سال:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>روز &amp;هفته:</translation>
    </message>
    <message>
        <source>Falls due:</source>
        <translation>سررسید:</translation>
    </message>
    <message>
        <source>M&amp;emo:</source>
        <translation>&amp;یادداشت:</translation>
    </message>
    <message>
        <source>&amp;Alarm at:</source>
        <translation>&amp;هشدار در:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;تکرار هر:</translation>
    </message>
    <message>
        <source>&amp;Notice:</source>
        <translation>&amp;پیشاپیش:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;ذخیره</translation>
    </message>
</context>
<context>
    <name>CReminderTableModel</name>
    <message>
        <source>Calendar</source>
        <translation>تقویم</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>کلید</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>یادداشت</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>هشدار</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>تکرار</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>تاریخ بعدی</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>تاریخ هجری قمری</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>روز مانده</translation>
    </message>
    <message>
        <source>today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>فردا</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <comment>in %n day</comment>
        <translation>
            <numerusform>%n روز دیگر</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>نامعلوم</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجری قمری</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>میلادی</translation>
    </message>
    <message>
        <source>never</source>
        <translation>هرگز</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 دقیقه</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>هرگز: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>نوع</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>پیشاپیش</translation>
    </message>
    <message>
        <source>past, yesterday</source>
        <translation>گذشته، دیروز</translation>
    </message>
    <message numerus="yes">
        <source>past, %n days ago</source>
        <comment>past, %n day ago</comment>
        <translation>
            <numerusform>گذشته، %n روز پیش</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>هر سال</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>یک بار</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>هر ماه</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>هر هفته</translation>
    </message>
    <message numerus="yes">
        <source>%n days before</source>
        <comment>%n day before</comment>
        <translation>
            <numerusform>%n روز پیش از آن</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts - Zamanix</source>
        <translation>میان‌برهای صفحه‌کلید - Zamanix</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>کجا</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>کلیدها</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>کاری که می‌کنند</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>میان‌برهای صفحه‌کلید</translation>
    </message>
</context>
<context>
    <name>CZamanixApp</name>
    <message>
        <source>zamanix: the running copy does not answer (%1); starting another</source>
        <translation>zamanix: نسخهٔ در حال اجرا پاسخ نمی‌دهد (%1)؛ نسخهٔ دیگری آغاز می‌شود</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the programs to start at login.</source>
        <translation>نه XDG_CONFIG_HOME و نه HOME پوشه‌ای را که میزکار برنامه‌های اجرا هنگام ورود را در آن می‌جوید مشخص نمی‌کند.</translation>
    </message>
    <message>
        <source>The program's path "%1" cannot be written in a desktop entry.</source>
        <translation>مسیر برنامه، «%1»، را نمی‌توان در مدخل میزکار نوشت.</translation>
    </message>
    <message>
        <source>Zamanix could not stop starting at login:

%1</source>
        <translation>برداشتن اجرای Zamanix هنگام ورود ممکن نشد:

%1</translation>
    </message>
    <message>
        <source>Zamanix could not be set to start at login:

%1</source>
        <translation>تنظیم Zamanix برای اجرا هنگام ورود ممکن نشد:

%1</translation>
    </message>
    <message>
        <source>The manual could not be opened: no help viewer (such as Yelp) is installed, nor the README.

In a terminal, "man zamanix" shows the manual.</source>
        <translation>راهنما باز نشد: هیچ نمایشگر راهنما (مانند Yelp) نصب نیست و README هم نیست.

در پایانه، "man zamanix" راهنما را نشان می‌دهد.</translation>
    </message>
</context>
<context>
    <name>CZamanixProfile</name>
    <message>
        <source>Zamanix cannot compute the %1 calendar: %2.

It goes on with the %3 calendar; Options &gt; Hijri Calendar chooses another.</source>
        <translation>Zamanix نمی‌تواند تقویم %1 را حساب کند: %2.

با تقویم %3 ادامه می‌دهد؛ گزینه‌ها &gt; تقویم هجری قمری تقویم دیگری برمی‌گزیند.</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>%1 ثبت‌شدنی نیست: %2</translation>
    </message>
</context>
<context>
    <name>CZamanixView</name>
    <message>
        <source>Zamanix Reminder</source>
        <translation>یادآوری Zamanix</translation>
    </message>
    <message>
        <source>Remind me again in %1 minutes</source>
        <translation>%1 دقیقهٔ دیگر دوباره یادآوری کن</translation>
    </message>
    <message>
        <source>Done for today</source>
        <translation>برای امروز کافی است</translation>
    </message>
    <message>
        <source>Zamanix Reminder:

</source>
        <translation>یادآوری Zamanix:

</translation>
    </message>
    <message>
        <source>

Do you want me to remind you again in %1 minutes?</source>
        <translation>

می‌خواهید %1 دقیقهٔ دیگر دوباره یادآوری شود؟</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجری قمری</translation>
    </message>
    <message>
        <source>%1:%2, every %3 minutes</source>
        <translation>%1:%2، هر %3 دقیقه</translation>
    </message>
    <message>
        <source>The Hijri calendar setting could not be saved; Zamanix keeps %1 only until it is closed.</source>
        <translation>تنظیم تقویم هجری قمری ذخیره نشد؛ Zamanix فقط تا بسته شدن، «%1» را نگه می‌دارد.</translation>
    </message>
    <message>
        <source>zamanix: cannot record when the reminders were last checked: %1</source>
        <translation>zamanix: ثبت زمان آخرین بررسی یادآوری‌ها ممکن نیست: %1</translation>
    </message>
    <message>
        <source>The reminder for %1 cannot be kept: %2.

Nothing was written. Correct the day or type a memo, then choose Add again.</source>
        <translation>یادآوری %1 نگه داشته نمی‌شود: %2.

چیزی نوشته نشد. روز را درست کنید یا یادداشتی بنویسید، سپس دوباره افزودن را برگزینید.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved. What you typed is still in the form; add it again once the file can be written.</source>
        <translation>یادآوری %1 ذخیره نشد. آنچه نوشته‌اید هنوز در فرم است؛ هر وقت نوشتن در پرونده ممکن شد، دوباره آن را بیفزایید.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>یادآوری %1 حذف نشد.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays audible only until Zamanix is closed.</source>
        <translation>تنظیم صدا ذخیره نشد؛ هشدار فقط تا بسته شدن Zamanix صدادار می‌ماند.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays silent only until Zamanix is closed.</source>
        <translation>تنظیم صدا ذخیره نشد؛ هشدار فقط تا بسته شدن Zamanix بی‌صدا می‌ماند.</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 فقط %3 روز دارد</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>%1 %2 %3 وجود ندارد</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in the years whose %2 has 30 days</source>
        <translation>یادآوری %1 نگه داشته شد؛ فقط در سال‌هایی زنگ می‌زند که %2 در آن‌ها 30 روز دارد</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in leap years</source>
        <translation>یادآوری %1 نگه داشته شد؛ فقط در سال‌های کبیسه زنگ می‌زند</translation>
    </message>
    <message>
        <source>Reminder kept for %1, every year</source>
        <translation>یادآوری %1 نگه داشته شد، هر سال</translation>
    </message>
    <message>
        <source>Reminder of %1 deleted</source>
        <translation>یادآوری %1 حذف شد</translation>
    </message>
    <message>
        <source>There was no reminder of %1 to delete</source>
        <translation>یادآوری %1 برای حذف وجود نداشت</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Usage:
  zamanix-convert [--from-hijri] [--format text|iso] [CALENDAR] DATE...
  zamanix-convert --today [--format text|iso] [CALENDAR]
  zamanix-convert --month YEAR-MONTH [--from-hijri] [CALENDAR]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [CALENDAR] &lt; dates
where CALENDAR is [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts FILE] [--use-settings].

Converts dates between the Christian calendar (Julian up to 4 October 1582,
Gregorian from 15 October 1582) and the Hijri calendar: by default computed
from the instants of new moons, or kept by the Umm al-Qura or the tabular
(civil) rule.

DATE is YEAR-MONTH-DAY with the year as people write it: there is no year 0,
and -1-12-31 is the last day before 1-1-1. Years from -4000 to 3000 (of the
Christian calendar) are supported.

Options:
  --from-hijri        the dates given are Hijri dates (default: Christian)
  --format text       print both dates with the weekday (default), e.g.
                        Saturday 1 January 2000 = 24 Ramadhan 1420
  --format iso        print the converted date alone as YEAR-MM-DD, e.g.
                        1420-09-24
  --today             show today (local clock) in both calendars
  --month YEAR-MONTH  print the month as a grid like cal(1), each day as
                      day/day-in-the-other-calendar
  --batch             read one date per line from standard input and write
                      one line per input line (iso form unless --format text)
  --calendar RULE     the Hijri calendar: astronomical (default, from new
                      moons), umalqura (Umm al-Qura, Saudi Arabia's official
                      calendar) or civil (the tabular calendar)
  --adjust N          move the Hijri calendar N days, -2 to 2: with +1 each
                      day shows the Hijri date of the day after (default 0)
  --month-starts FILE the Hijri months begin as recorded in FILE, one line
                      a month, YEAR/MONTH=YYYY-MM-DD (the Hijri year and
                      month, then the Gregorian date of its first day),
                      e.g. 1448/9=2027-02-07, under a line [HijriMonthStarts]
                      or alone; the months around a record move as little
                      as keeps every month 29 or 30 days long
  --use-settings      take the calendar, adjustment and recorded month
                      starts of the Zamanix desktop program (its profile,
                      zamanix.INI) unless --calendar, --adjust or
                      --month-starts says otherwise
  -h, --help          show this help
  --version           show the version

Errors: a date that does not exist (a month outside 1-12, 2023-02-29, the
dropped days 1582-10-05 to 1582-10-14, Hijri day 30 of a month that has 29
days under the chosen calendar, year 0, a year out of range) or text that is
not a date is reported as "zamanix-convert: &lt;what is wrong&gt;" on standard
error, nothing is converted and the exit status is 2. In --batch mode the
line "error: &lt;what is wrong&gt;" stands in place of that date, the other lines
are still converted, and the exit status is 1 at the end.

A --month-starts FILE that cannot be read, holds a line that is no record,
or a record that cannot be kept (its day more than 2 days from the rule's
start of the month, or a month of 28 or 31 days with the other records)
is reported as "zamanix-convert: FILE: line N: &lt;what is wrong&gt;" and ends
the run with status 2 before any date is printed. A record of the profile
that cannot be kept is left out, with a warning on standard error.

Exit status: 0 success, 1 some --batch lines were wrong, 2 bad usage or date,
or input or output that failed.
</source>
        <translation>طرز استفاده:
  zamanix-convert [--from-hijri] [--format text|iso] [تقویم] تاریخ...
  zamanix-convert --today [--format text|iso] [تقویم]
  zamanix-convert --month سال-ماه [--from-hijri] [تقویم]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [تقویم] &lt; تاریخ‌ها
که در آن «تقویم» یعنی [--calendar astronomical|umalqura|civil] [--adjust ن]
[--month-starts پرونده] [--use-settings].

تاریخ‌ها را میان تقویم میلادی (ژولینی تا 4 اکتبر 1582، گریگوری از
15 اکتبر 1582) و تقویم هجری قمری تبدیل می‌کند؛ تقویم هجری قمری به طور پیش‌فرض
از لحظه‌های مقارنهٔ ماه محاسبه می‌شود، یا از قاعدهٔ ام‌القری یا قاعدهٔ جدولی
(مدنی) پیروی می‌کند.

تاریخ به صورت سال-ماه-روز است و سال همان‌گونه که مردم می‌نویسند: سال 0 وجود
ندارد و -1-12-31 آخرین روز پیش از 1-1-1 است. سال‌های -4000 تا 3000 (در
تقویم میلادی) پشتیبانی می‌شوند.

گزینه‌ها:
  --from-hijri        تاریخ‌های داده‌شده هجری قمری‌اند (پیش‌فرض: میلادی)
  --format text       هر دو تاریخ را با نام روز هفته چاپ می‌کند (پیش‌فرض)،
                      مثلاً
                        شنبه 1 ژانویه 2000 = 24 رمضان 1420
  --format iso        فقط تاریخ تبدیل‌شده را به صورت سال-ماه-روز چاپ می‌کند،
                      مثلاً
                        1420-09-24
  --today             امروز (به ساعت محلی) را در هر دو تقویم نشان می‌دهد
  --month سال-ماه     ماه را مانند cal(1) به صورت جدول چاپ می‌کند و هر روز را
                      به صورت روز/روز-در-تقویم-دیگر
  --batch             در هر سطر یک تاریخ از ورودی استاندارد می‌خواند و برای هر
                      سطر ورودی یک سطر می‌نویسد (به صورت iso مگر با
                      --format text)
  --calendar قاعده    تقویم هجری قمری: astronomical (پیش‌فرض، از مقارنه‌ها)،
                      umalqura (ام‌القری، تقویم رسمی عربستان سعودی) یا civil
                      (تقویم جدولی)
  --adjust ن          تقویم هجری قمری را ن روز جابه‌جا می‌کند، از -2 تا 2: با
                      +1 هر روز تاریخ هجری قمری روز بعد را نشان می‌دهد
                      (پیش‌فرض 0)
  --month-starts پرونده
                      ماه‌های هجری قمری همان‌گونه آغاز می‌شوند که در پرونده ثبت
                      شده است، هر ماه در یک سطر، به صورت
                      سال/ماه=سال-ماه-روز (سال و ماه هجری قمری، سپس تاریخ
                      گریگوری نخستین روز آن)، مثلاً 1448/9=2027-02-07، زیر
                      سطر [HijriMonthStarts] یا بدون آن؛ ماه‌های پیرامون هر
                      ثبت تا جای ممکن کم جابه‌جا می‌شوند تا هر ماه 29 یا 30 روز
                      بماند
  --use-settings      تقویم، تصحیح و آغاز ماه‌های ثبت‌شدهٔ برنامهٔ میزکار
                      Zamanix (پروندهٔ تنظیمات آن، zamanix.INI) را به کار
                      می‌برد، مگر --calendar، --adjust یا --month-starts چیز
                      دیگری بگوید
  -h, --help          این راهنما را نشان می‌دهد
  --version           نسخه را نشان می‌دهد

خطاها: تاریخی که وجود ندارد (ماهی بیرون از 1-12، 2023-02-29، روزهای حذف‌شدهٔ
1582-10-05 تا 1582-10-14، روز 30 هجری قمری در ماهی که بنا بر تقویم برگزیده 29
روز دارد، سال 0، سالی بیرون از بازه) یا متنی که تاریخ نیست، به صورت
"zamanix-convert: &lt;اشکال&gt;" در خطای استاندارد گزارش می‌شود، چیزی تبدیل نمی‌شود و
وضعیت خروج 2 است. در حالت --batch سطر "error: &lt;اشکال&gt;" جای آن تاریخ را
می‌گیرد، سطرهای دیگر باز هم تبدیل می‌شوند و وضعیت خروج در پایان 1 است.

پرونده‌ای برای --month-starts که خوانده نشود، سطری داشته باشد که ثبت نیست، یا
ثبتی داشته باشد که نگه داشتنی نیست (روزش بیش از 2 روز با آغاز ماه بنا بر قاعده
فاصله دارد، یا همراه ثبت‌های دیگر ماهی 28 یا 31 روزه پدید می‌آورد) به صورت
"zamanix-convert: پرونده: سطر ن: &lt;اشکال&gt;" گزارش می‌شود و اجرا را پیش از چاپ هر
تاریخی با وضعیت 2 پایان می‌دهد. ثبتی از پروندهٔ تنظیمات که نگه داشتنی نیست کنار
گذاشته می‌شود و اخطاری در خطای استاندارد می‌آید.

وضعیت خروج: 0 موفقیت، 1 برخی سطرهای --batch نادرست بودند، 2 کاربرد یا تاریخ
نادرست، یا شکست در ورودی یا خروجی.
</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
برای آگاهی بیشتر '%3 --help' را امتحان کنید.</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another of --today, --month, --batch</source>
        <translation>%1 را نمی‌توان با یکی دیگر از --today، --month، --batch همراه کرد</translation>
    </message>
    <message>
        <source>unknown format '%1'; use text or iso</source>
        <translation>قالب ناشناخته '%1'؛ از text یا iso استفاده کنید</translation>
    </message>
    <message>
        <source>unknown calendar '%1'; use astronomical, umalqura or civil</source>
        <translation>تقویم ناشناخته '%1'؛ از astronomical، umalqura یا civil استفاده کنید</translation>
    </message>
    <message>
        <source>--month-starts needs a file name</source>
        <translation>--month-starts به نام پرونده نیاز دارد</translation>
    </message>
    <message>
        <source>adjustment '%1' is not a whole number of days from -2 to 2</source>
        <translation>تصحیح '%1' عدد صحیحی از روزها از -2 تا 2 نیست</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: اخطار: %2</translation>
    </message>
    <message>
        <source>dates cannot be given together with --today, --month or --batch</source>
        <translation>نمی‌توان تاریخ‌ها را همراه --today، --month یا --batch داد</translation>
    </message>
    <message>
        <source>no date given</source>
        <translation>هیچ تاریخی داده نشد</translation>
    </message>
    <message>
        <source>--format does not apply to --month</source>
        <translation>--format با --month کاربرد ندارد</translation>
    </message>
    <message>
        <source>%1: the %2 calendar cannot be computed: %3</source>
        <translation>%1: تقویم %2 را نمی‌توان محاسبه کرد: %3</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>گزینهٔ ناشناخته '%1'</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>گزینهٔ %1 مقداری نمی‌گیرد</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>گزینهٔ %1 به مقدار نیاز دارد</translation>
    </message>
    <message>
        <source>%1: %2 is not a number of seconds</source>
        <translation>%1: %2 عددی از ثانیه‌ها نیست</translation>
    </message>
    <message>
        <source>%1: the clock's date cannot be converted: %2</source>
        <translation>%1: تاریخ ساعت را نمی‌توان تبدیل کرد: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the dates: %2</source>
        <translation>%1: خواندن تاریخ‌ها ممکن نیست: %2</translation>
    </message>
    <message>
        <source>%1: could not write the output</source>
        <translation>%1: نوشتن خروجی ممکن نشد</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>there is no year 0; the year before 1 is -1</source>
        <translation>سال 0 وجود ندارد؛ سال پیش از 1، سال -1 است</translation>
    </message>
    <message>
        <source>year %1 is outside the supported range %2 to %3</source>
        <translation>سال %1 بیرون از بازهٔ پشتیبانی‌شده، %2 تا %3، است</translation>
    </message>
    <message>
        <source>month %1 does not exist; months run from 1 to 12</source>
        <translation>ماه %1 وجود ندارد؛ ماه‌ها از 1 تا 12 هستند</translation>
    </message>
    <message>
        <source>Hijri year %1 lies outside the supported range (Christian years %2 to %3)</source>
        <translation>سال هجری قمری %1 بیرون از بازهٔ پشتیبانی‌شده است (سال‌های میلادی %2 تا %3)</translation>
    </message>
    <message>
        <source>%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31</source>
        <translation>%1 تاریخ نیست؛ به صورت سال-ماه-روز بنویسید، مثلاً 2000-01-31</translation>
    </message>
    <message>
        <source>%1 is not a month; write YEAR-MONTH, for example 2000-01</source>
        <translation>%1 ماه نیست؛ به صورت سال-ماه بنویسید، مثلاً 2000-01</translation>
    </message>
    <message>
        <source>day 0 does not exist; days start at 1</source>
        <translation>روز 0 وجود ندارد؛ روزها از 1 آغاز می‌شوند</translation>
    </message>
    <message>
        <source>%1 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 October 1582</source>
        <translation>%1 اکتبر 1582 وجود ندارد؛ در تقویم گریگوری پس از 4 اکتبر 1582، روز 15 اکتبر 1582 می‌آید</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 فقط %3 روز دارد</translation>
    </message>
    <message>
        <source>%1 %2 (Hijri) has only %3 days</source>
        <translation>%1 %2 (هجری قمری) فقط %3 روز دارد</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date: %1 the day, %2 the month's name, %3 the year ("6 March 1998").</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <extracomment>A date with its weekday: %1 the weekday, %2 the day, %3 the month's name, %4 the year ("Friday 6 March 1998").</extracomment>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month of a year: %1 the month's name, %2 the year ("Ramadhan 1447").</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Zamanix Version 1.1</source>
        <translation>Zamanix نسخهٔ 1.1</translation>
    </message>
    <message>
        <source>Hijri and Christian calendar with reminders.
By the Zamanix developers.</source>
        <translation>تقویم هجری قمری و میلادی همراه با یادآوری.
از توسعه‌دهندگان Zamanix.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>About Zamanix</source>
        <translation>دربارهٔ Zamanix</translation>
    </message>
    <message>
        <source>Today's Date:</source>
        <translation>تاریخ امروز:</translation>
    </message>
    <message>
        <source>Today's Date</source>
        <translation>تاریخ امروز</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>تقویم</translation>
    </message>
    <message>
        <source>Islamic Hijri</source>
        <translation>هجری قمری</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>میلادی</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>ماه:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>روز:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>سال:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Corresponding Date:</source>
        <translation>تاریخ متناظر:</translation>
    </message>
    <message>
        <source>Corresponding Date</source>
        <translation>تاریخ متناظر</translation>
    </message>
    <message>
        <source>Reminder Memo:</source>
        <translation>یادداشت یادآوری:</translation>
    </message>
    <message>
        <source>Reminder Memo</source>
        <translation>یادداشت یادآوری</translation>
    </message>
    <message>
        <source>Alarm at:</source>
        <translation>زمان هشدار:</translation>
    </message>
    <message>
        <source>Alarm hour</source>
        <translation>ساعت هشدار</translation>
    </message>
    <message>
        <source>Alarm minute</source>
        <translation>دقیقهٔ هشدار</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>تکرار هر:</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>تکرار هر (دقیقه)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>ا&amp;فزودن</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>نمای&amp;ش</translation>
    </message>
    <message>
        <source>View</source>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>امروز:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>تاریخ:</translation>
    </message>
    <message>
        <source>Corresponding date:</source>
        <translation>تاریخ متناظر:</translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation>تقویم هجری قمری:</translation>
    </message>
    <message>
        <source>Reminder memo:</source>
        <translation>یادداشت یادآوری:</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%1: %2; a document cannot be saved over it.
Save the document under another name.</source>
        <translation>%1: %2؛ نمی‌توان سندی را روی آن ذخیره کرد.
سند را با نام دیگری ذخیره کنید.</translation>
    </message>
    <message>
        <source>%1 is not empty. A %2 document holds no data, so saving it here would replace what the file holds with nothing.

Replace the contents of %3 anyway?</source>
        <translation>%1 خالی نیست. سند %2 هیچ داده‌ای ندارد، پس ذخیرهٔ آن در اینجا محتوای پرونده را پاک می‌کند و چیزی جایش نمی‌گذارد.

با این حال محتوای %3 جایگزین شود؟</translation>
    </message>
    <message>
        <source>%1
(Not a regular file: a pipe, socket or device cannot hold a document)</source>
        <translation>%1
(پرونده‌ای معمولی نیست: لوله، سوکت یا دستگاه نمی‌تواند سند را نگه دارد)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot read "%1": %2</source>
        <translation>خواندن «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2); to keep changes in it, make it writable (chmod u+w "%3")</source>
        <translation>نوشتن «%1» ممکن نیست: پرونده فقط‌خواندنی است (حالت %2)؛ برای نگه داشتن تغییرات در آن، آن را نوشتنی کنید (chmod u+w "%3")</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2) for you: it belongs to another user</source>
        <translation>نوشتن «%1» ممکن نیست: پرونده برای شما فقط‌خواندنی است (حالت %2): از آنِ کاربر دیگری است</translation>
    </message>
    <message>
        <source>cannot create "%1": %2</source>
        <translation>ایجاد «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of "%1": %2</source>
        <translation>تنظیم مجوزهای «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": %2</source>
        <translation>نوشتن «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot flush "%1": %2</source>
        <translation>تخلیهٔ میان‌گیر «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot read "%1": it is not a regular file</source>
        <translation>خواندن «%1» ممکن نیست: پرونده‌ای معمولی نیست</translation>
    </message>
    <message>
        <source>cannot find the folder of "%1": %2</source>
        <translation>یافتن پوشهٔ «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot follow the link "%1": %2</source>
        <translation>دنبال کردن پیوند «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot follow the links of "%1": %2</source>
        <translation>دنبال کردن پیوندهای «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot create the folder "%1": %2</source>
        <translation>ایجاد پوشهٔ «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot replace "%1": %2</source>
        <translation>جایگزینی «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot open the lock file "%1": %2</source>
        <translation>باز کردن پروندهٔ قفل «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>another program has held the lock file "%1" for too long</source>
        <translation>برنامهٔ دیگری پروندهٔ قفل «%1» را بیش از حد نگه داشته است</translation>
    </message>
    <message>
        <source>cannot lock "%1": %2</source>
        <translation>قفل کردن «%1» ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a folder; name a file in it</source>
        <translation>نوشتن «%1» ممکن نیست: این یک پوشه است؛ پرونده‌ای درون آن را نام ببرید</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a socket, not a file</source>
        <translation>نوشتن «%1» ممکن نیست: این سوکت است، نه پرونده</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a device, not a file</source>
        <translation>نوشتن «%1» ممکن نیست: این دستگاه است، نه پرونده</translation>
    </message>
    <message>
        <source>cannot write "%1": the program reading it stopped reading</source>
        <translation>نوشتن «%1» ممکن نیست: برنامه‌ای که آن را می‌خواند از خواندن دست کشید</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a pipe that no program reads; start the reader first</source>
        <translation>نوشتن «%1» ممکن نیست: این لوله‌ای است که هیچ برنامه‌ای آن را نمی‌خواند؛ نخست برنامهٔ خواننده را اجرا کنید</translation>
    </message>
    <message>
        <source>cannot write "%1": %2; choose another file</source>
        <translation>نوشتن «%1» ممکن نیست: %2؛ پروندهٔ دیگری برگزینید</translation>
    </message>
    <message>
        <source>no profile file was named</source>
        <translation>هیچ پروندهٔ تنظیماتی نام برده نشد</translation>
    </message>
    <message>
        <source>not enough memory to write "%1"</source>
        <translation>حافظه برای نوشتن «%1» کافی نیست</translation>
    </message>
    <message>
        <source>the section name "%1" holds "]" or a line break</source>
        <translation>نام بخش «%1» دارای «]» یا شکست سطر است</translation>
    </message>
    <message>
        <source>the entry name "%1" holds "=" or a line break, or starts with ";" or "["</source>
        <translation>نام مدخل «%1» دارای «=» یا شکست سطر است، یا با «;» یا «[» آغاز می‌شود</translation>
    </message>
    <message>
        <source>it is the profile, which holds the reminders and settings</source>
        <translation>این پروندهٔ تنظیمات است که یادآوری‌ها و تنظیمات را نگه می‌دارد</translation>
    </message>
    <message>
        <source>it is the lock file of the profile "%1", which holds the reminders and settings</source>
        <translation>این پروندهٔ قفلِ پروندهٔ تنظیمات «%1» است که یادآوری‌ها و تنظیمات را نگه می‌دارد</translation>
    </message>
    <message>
        <source>it is the file through which the profile "%1", which holds the reminders and settings, is replaced</source>
        <translation>این پرونده‌ای است که پروندهٔ تنظیمات «%1»، نگه‌دارندهٔ یادآوری‌ها و تنظیمات، از راه آن جایگزین می‌شود</translation>
    </message>
    <message>
        <source>it is the backup of the profile "%1", which holds the reminders and settings</source>
        <translation>این نسخهٔ پشتیبانِ پروندهٔ تنظیمات «%1» است که یادآوری‌ها و تنظیمات را نگه می‌دارد</translation>
    </message>
    <message>
        <source>no profile file: the program's file name "%1" gives it no name</source>
        <translation>پروندهٔ تنظیمات وجود ندارد: نام پروندهٔ برنامه، «%1»، نامی به آن نمی‌دهد</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 تنظیم نشده است</translation>
    </message>
    <message>
        <source>%1 is "%2"</source>
        <translation>مقدار %1 «%2» است</translation>
    </message>
    <message>
        <source>no folder for the profile file %1.INI: it is kept in $XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, and start the program again</source>
        <translation>پوشه‌ای برای پروندهٔ تنظیمات %1.INI نیست: این پرونده در $XDG_CONFIG_HOME و در غیر این صورت در $HOME/.config نگه داشته می‌شود، اما %2 و %3. HOME (یا XDG_CONFIG_HOME) را روی پوشه‌ای با مسیر مطلق، مانند پوشهٔ خانگی‌تان، تنظیم کنید و برنامه را دوباره اجرا کنید</translation>
    </message>
    <message>
        <source>cannot read "%1": not enough memory to hold it</source>
        <translation>خواندن «%1» ممکن نیست: حافظه برای نگه داشتن آن کافی نیست</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds none of the sections of a profile ([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote</source>
        <translation>"%1" پشتیبان یادآوری‌ها نیست: هیچ‌یک از بخش‌های نمایه ([Reminder]، [Alarm]، [Defaults]) را ندارد؛ پرونده‌ای را برگزینید که پشتیبان‌گیری از یادآوری‌ها نوشته است</translation>
    </message>
    <message>
        <source>there is nothing to back up yet: the profile "%1" does not exist, since no reminder or setting was kept so far</source>
        <translation>هنوز چیزی برای پشتیبان‌گیری نیست: نمایهٔ "%1" وجود ندارد، چون تاکنون هیچ یادآوری یا تنظیمی نگه داشته نشده است</translation>
    </message>
    <message>
        <source>cannot restore from "%1": %2; choose a backup that Back Up Reminders wrote</source>
        <translation>بازگردانی از "%1" ممکن نیست: %2؛ پشتیبانی را برگزینید که پشتیبان‌گیری از یادآوری‌ها نوشته است</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds bytes that are no text</source>
        <translation>"%1" پشتیبان یادآوری‌ها نیست: بایت‌هایی دارد که متن نیستند</translation>
    </message>
    <message>
        <source>cannot restore "%1": %2</source>
        <translation>بازگردانی "%1" ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot remove "%1": %2</source>
        <translation>برداشتن «%1» ممکن نیست: %2</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Astronomical</source>
        <translation>نجومی</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>ام‌القری</translation>
    </message>
    <message>
        <source>Tabular (civil)</source>
        <translation>جدولی (مدنی)</translation>
    </message>
    <message>
        <source>%1, 1 %2 recorded</source>
        <translation>%1، 1 %2 ثبت‌شده</translation>
    </message>
    <message>
        <source>%1, 1 %2 moved by the recorded 1 %3</source>
        <translation>%1، 1 %2 جابه‌جاشده به سبب 1 %3 ثبت‌شده</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 days</source>
        <comment>%1, %2 day</comment>
        <translation>
            <numerusform>%1، %2 روز</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n month starts recorded</source>
        <comment>%1, %n month start recorded</comment>
        <translation>
            <numerusform>%1، %n آغاز ماهِ ثبت‌شده</numerusform>
        </translation>
    </message>
    <message>
        <source>ICU has no calendar %1</source>
        <translation>ICU تقویم %1 را ندارد</translation>
    </message>
    <message>
        <source>ICU cannot convert the date: %1</source>
        <translation>ICU نمی‌تواند تاریخ را تبدیل کند: %1</translation>
    </message>
</context>
<context>
    <name>HolyDays</name>
    <message>
        <source>Islamic New Year</source>
        <translation>آغاز سال نو قمری</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>عاشورا</translation>
    </message>
    <message>
        <source>Isra and Mi'raj</source>
        <translation>اسرا و معراج</translation>
    </message>
    <message>
        <source>Mid-Sha'ban</source>
        <translation>نیمهٔ شعبان</translation>
    </message>
    <message>
        <source>First day of Ramadan</source>
        <translation>آغاز ماه رمضان</translation>
    </message>
    <message>
        <source>Laylat al-Qadr (one of the odd nights)</source>
        <translation>شب قدر (یکی از شب‌های فرد)</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>عید فطر</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>روز عرفه</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>عید قربان</translation>
    </message>
</context>
<context>
    <name>LongText</name>
    <message>
        <source>[The rest is not shown: the text is too long to show whole.]</source>
        <translation>[بقیه نشان داده نمی‌شود: متن برای نمایش کامل بیش از حد طولانی است.]</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is shown in part and kept unchanged.</source>
        <translation>این متن برای ویرایش در اینجا بیش از حد طولانی است؛ بخشی از آن نشان داده می‌شود و بدون تغییر می‌ماند.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;جدید	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;باز کردن...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;ذخیره	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>ذخیره به &amp;عنوان...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;چاپ...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;پیش‌نمایش چاپ</translation>
    </message>
    <message>
        <source>Print &amp;Month...</source>
        <translation>چاپ &amp;ماه...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;تنظیمات چاپگر...</translation>
    </message>
    <message>
        <source>&amp;Export Reminders...</source>
        <translation>&amp;صدور یادآوری‌ها...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>پروندهٔ اخیر</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;بازگردانی	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>ب&amp;رش	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;کپی	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;چسباندن	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>ا&amp;فزودن</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>نوار &amp;ابزار</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>نوار &amp;وضعیت</translation>
    </message>
    <message>
        <source>All &amp;Reminders	Ctrl+R</source>
        <translation>&amp;همهٔ یادآوری‌ها	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Month	Ctrl+M</source>
        <translation>&amp;ماه	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Astronomical</source>
        <translation>&amp;نجومی</translation>
    </message>
    <message>
        <source>&amp;Umm al-Qura</source>
        <translation>&amp;ام‌القری</translation>
    </message>
    <message>
        <source>&amp;Tabular (civil)</source>
        <translation>&amp;جدولی (مدنی)</translation>
    </message>
    <message>
        <source>&amp;-2 days</source>
        <translation>&amp;-2 روز</translation>
    </message>
    <message>
        <source>-&amp;1 day</source>
        <translation>-&amp;1 روز</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;بدون تصحیح</translation>
    </message>
    <message>
        <source>+1 &amp;day</source>
        <translation>+1 &amp;روز</translation>
    </message>
    <message>
        <source>&amp;+2 days</source>
        <translation>&amp;+2 روز</translation>
    </message>
    <message>
        <source>Audiable Alarm</source>
        <translation>هشدار صوتی</translation>
    </message>
    <message>
        <source>&amp;Islamic Holy Days</source>
        <translation>&amp;مناسبت‌های اسلامی</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>اجرا هنگام &amp;ورود</translation>
    </message>
    <message>
        <source>Hijri &amp;Calendar</source>
        <translation>&amp;تقویم هجری قمری</translation>
    </message>
    <message>
        <source>Hijri Date &amp;Adjustment</source>
        <translation>ت&amp;صحیح تاریخ هجری قمری</translation>
    </message>
    <message>
        <source>&amp;About Zamanix...</source>
        <translation>&amp;دربارهٔ Zamanix...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;پرونده</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;ویرایش</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;نما</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;گزینه‌ها</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;راهنما</translation>
    </message>
    <message>
        <source>&amp;Back Up Reminders...</source>
        <translation>پشتیبان‌&amp;گیری از یادآوری‌ها...</translation>
    </message>
    <message>
        <source>Res&amp;tore Reminders...</source>
        <translation>بازگ&amp;ردانی یادآوری‌ها...</translation>
    </message>
    <message>
        <source>P&amp;ublish to Calendar Server</source>
        <translation>&amp;انتشار در سرور تقویم</translation>
    </message>
    <message>
        <source>Calendar Se&amp;rver...</source>
        <translation>&amp;سرور تقویم...</translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation>&amp;راهنما	F1</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;میان‌برهای صفحه‌کلید</translation>
    </message>
    <message>
        <source>Hijri &amp;Month Starts...</source>
        <translation>آغاز &amp;ماه‌های هجری قمری...</translation>
    </message>
    <message>
        <source>Ask About the &amp;New Moon</source>
        <translation>پرسیدن دربارهٔ &amp;هلال</translation>
    </message>
    <message>
        <source>&amp;Western Digits</source>
        <translation>ارقام &amp;لاتین</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9</source>
        <translation>%1 ماه هجری قمری نیست؛ به صورت سال/ماه بنویسید، مثلاً 1448/9</translation>
    </message>
    <message>
        <source>there is no Hijri year 0</source>
        <translation>سال هجری قمری 0 وجود ندارد</translation>
    </message>
    <message>
        <source>Hijri month %1 does not exist; months run from 1 to 12</source>
        <translation>ماه هجری قمری %1 وجود ندارد؛ ماه‌ها از 1 تا 12 هستند</translation>
    </message>
    <message>
        <source>%1 is not a date; write YYYY-MM-DD, for example 2027-02-07</source>
        <translation>%1 تاریخ نیست؛ به صورت سال-ماه-روز بنویسید، مثلاً 2027-02-07</translation>
    </message>
    <message>
        <source>%1: there is no month %2</source>
        <translation>%1: ماه %2 وجود ندارد</translation>
    </message>
    <message>
        <source>%1: %2 %3 has no day %4</source>
        <translation>%1: %2 %3 روز %4 ندارد</translation>
    </message>
    <message>
        <source>%1: a month start is recorded by its Gregorian date, and the Gregorian calendar begins on 15 October 1582</source>
        <translation>%1: آغاز ماه با تاریخ گریگوری‌اش ثبت می‌شود و تقویم گریگوری از 15 اکتبر 1582 آغاز می‌شود</translation>
    </message>
    <message>
        <source>%1: the last supported year is %2</source>
        <translation>%1: آخرین سال پشتیبانی‌شده %2 است</translation>
    </message>
    <message>
        <source>%1 is recorded twice; the first record, %2, counts</source>
        <translation>%1 دو بار ثبت شده است؛ ثبت نخست، %2، معتبر است</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>%n day</comment>
        <translation>
            <numerusform>%n روز</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 یا %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, %5 would have %6, and a month has 29 or 30</source>
        <translation>%1 نمی‌تواند در %2 آغاز شود: با ثبت آغاز %3 در %4، %5 %6 می‌شد، حال آنکه ماه 29 یا 30 روز است</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 months from %6 to %7 would have %8, and %9 months have %10 to %11</source>
        <translation>%1 نمی‌تواند در %2 آغاز شود: با ثبت آغاز %3 در %4، %5 ماهِ %6 تا %7 %8 می‌شد، حال آنکه %9 ماه از %10 تا %11 روز است</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: under %3 that day is %4</source>
        <translation>%1 نمی‌تواند در %2 آغاز شود: بنا بر %3 آن روز %4 است</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 نمی‌تواند در %2 آغاز شود: این روز %3 پس از نخستین روز آن بنا بر %4 (%5) است، و آغاز ثبت‌شده حداکثر %6 روز با آن فاصله دارد</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 نمی‌تواند در %2 آغاز شود: این روز %3 پیش از نخستین روز آن بنا بر %4 (%5) است، و آغاز ثبت‌شده حداکثر %6 روز با آن فاصله دارد</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it; to begin it on %2, record %3 anew first, beginning on %4</source>
        <translation>هیچ روزی از %1 با ثبت‌های پیرامونش جور نیست؛ برای آغاز آن در %2، نخست %3 را از نو با آغاز در %4 ثبت کنید</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2; to begin it on %3, record %4 anew first, beginning on %5</source>
        <translation>با ثبت‌های کنونی، %1 می‌تواند در %2 آغاز شود؛ برای آغاز آن در %3، نخست %4 را از نو با آغاز در %5 ثبت کنید</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it</source>
        <translation>هیچ روزی از %1 با ثبت‌های پیرامونش جور نیست</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2</source>
        <translation>با ثبت‌های کنونی، %1 می‌تواند در %2 آغاز شود</translation>
    </message>
    <message>
        <source>[%1] %2=%3 is ignored: %4</source>
        <translation>[%1] %2=%3 نادیده گرفته شد: %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>سطر %1: %2</translation>
    </message>
    <message>
        <source>%1 is given another day on line %2</source>
        <translation>برای %1 در سطر %2 روز دیگری آمده است</translation>
    </message>
    <message>
        <source>no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under [HijriMonthStarts], for example 1448/9=2027-02-07</source>
        <translation>هیچ آغاز ماهی در آن نیست؛ در هر سطر یکی را به صورت سال/ماه=سال-ماه-روز زیر [HijriMonthStarts] بنویسید، مثلاً 1448/9=2027-02-07</translation>
    </message>
    <message>
        <source>"%1" is no record; write YEAR/MONTH=YYYY-MM-DD, for example 1448/9=2027-02-07</source>
        <translation>«%1» ثبت نیست؛ به صورت سال/ماه=سال-ماه-روز بنویسید، مثلاً 1448/9=2027-02-07</translation>
    </message>
</context>
<context>
    <name>MonthText</name>
    <message>
        <source>%1: the night before %2, from sunset on %3</source>
        <translation>%1: شب پیش از %2، از غروب %3</translation>
    </message>
    <message>
        <source>from sunset, the night of %1</source>
        <translation>از غروب، شب %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1: %2; nothing was printed to it.
Print to another file.</source>
        <translation>%1: %2؛ چیزی در آن چاپ نشد.
در پروندهٔ دیگری چاپ کنید.</translation>
    </message>
    <message>
        <source>The printing module %1 could not be loaded (%2); nothing was printed.
Installing Zamanix again mends this.</source>
        <translation>ماژول چاپ %1 بارگذاری نشد (%2)؛ چیزی چاپ نشد.
نصب دوبارهٔ Zamanix این را درست می‌کند.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Usage:
  zamanix [FILE]
  zamanix --minimized
  zamanix -p FILE
  zamanix -pt FILE PRINTER
  zamanix --help | --version

Converts dates between the Hijri and the Christian calendar, shows today in
both, and keeps a reminder memo with an alarm for any day of either calendar.

Options:
  FILE              open FILE as the document; nothing is read from it
  --minimized       start with the window minimized, as at login; when
                    Zamanix runs already, do nothing
  -p FILE           open FILE, print the form on the default printer, exit
  -pt FILE PRINTER  the same on PRINTER
  -h, --help        show this help and exit
  --version         show the version and exit
Qt's standard options, such as -platform NAME and -style NAME, are accepted.

Zamanix runs once per desktop session: while it runs, a start without -p or
-pt shows its window (and opens FILE there) and ends.

Reminders and settings are kept in $XDG_CONFIG_HOME/zamanix.INI (by default
~/.config/zamanix.INI). See zamanix(1).
</source>
        <translation>طرز استفاده:
  zamanix [پرونده]
  zamanix --minimized
  zamanix -p پرونده
  zamanix -pt پرونده چاپگر
  zamanix --help | --version

تاریخ‌ها را میان تقویم هجری قمری و میلادی تبدیل می‌کند، امروز را در هر دو نشان
می‌دهد و برای هر روزی از هر دو تقویم یک یادداشت یادآوری با هشدار نگه می‌دارد.

گزینه‌ها:
  پرونده            پرونده را به عنوان سند باز می‌کند؛ از آن چیزی نمی‌خواند
  --minimized       با پنجرهٔ کوچک‌شده آغاز می‌کند، مانند هنگام ورود؛ اگر
                    Zamanix از پیش در حال اجرا باشد، کاری نمی‌کند
  -p پرونده         پرونده را باز می‌کند، فرم را با چاپگر پیش‌فرض چاپ می‌کند و
                    خارج می‌شود
  -pt پرونده چاپگر  همین کار را با چاپگر داده‌شده می‌کند
  -h, --help        این راهنما را نشان می‌دهد و خارج می‌شود
  --version         نسخه را نشان می‌دهد و خارج می‌شود
گزینه‌های استاندارد Qt، مانند -platform نام و -style نام، پذیرفته می‌شوند.

Zamanix در هر نشست میزکار یک بار اجرا می‌شود: تا وقتی در حال اجراست، اجرای
دوباره بدون -p یا -pt پنجرهٔ آن را نشان می‌دهد (و پرونده را در آن باز می‌کند) و
پایان می‌یابد.

یادآوری‌ها و تنظیمات در $XDG_CONFIG_HOME/zamanix.INI نگه داشته می‌شوند
(به طور پیش‌فرض ~/.config/zamanix.INI). zamanix(1) را ببینید.
</translation>
    </message>
    <message>
        <source>zamanix: cannot write the answer: %1</source>
        <translation>zamanix: نوشتن پاسخ ممکن نیست: %1</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>%1 is not a calendar: give the URL of a calendar, or of one that does not exist yet to have it created</source>
        <translation>%1 تقویم نیست: نشانی URL یک تقویم را بدهید، یا تقویمی که هنوز وجود ندارد تا ساخته شود</translation>
    </message>
    <message>
        <source>the server %1 asks for a user name and password (401)</source>
        <translation>سرور %1 نام کاربری و گذرواژه می‌خواهد (401)</translation>
    </message>
    <message>
        <source>the server %1 refused the user name %2 or its password (401)</source>
        <translation>سرور %1 نام کاربری %2 یا گذرواژهٔ آن را نپذیرفت (401)</translation>
    </message>
    <message>
        <source>the server %1 answered %2 %3 to %4</source>
        <translation>سرور %1 به %4 پاسخ %2 %3 داد</translation>
    </message>
    <message>
        <source>the certificate of %1 could not be verified: %2</source>
        <translation>گواهی %1 تأیید نشد: %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 در %2 ثانیه پاسخ نداد</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>دسترسی به %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, %4 unchanged</source>
        <translation>%1 افزوده، %2 تغییر یافته، %3 حذف شده، %4 بدون تغییر</translation>
    </message>
    <message>
        <source>%1, %2 changed elsewhere and kept</source>
        <translation>%1، %2 در جای دیگر تغییر کرده و نگه داشته شد</translation>
    </message>
    <message>
        <source>%1, %2 left as another program changed them</source>
        <translation>%1، %2 همان‌طور که برنامهٔ دیگری تغییر داده ماند</translation>
    </message>
    <message>
        <source>calendar created; %1</source>
        <translation>تقویم ساخته شد؛ %1</translation>
    </message>
    <message>
        <source>"%1" is not the URL of a calendar: write https:// (or http://), the server's name and the calendar's path, such as https://dav.example.org/anna/zamanix/</source>
        <translation>"%1" نشانی URL یک تقویم نیست: https:// (یا http://)، نام سرور و مسیر تقویم را بنویسید، مانند https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>the keyring did not answer within %1 seconds</source>
        <translation>جاکلیدی در %1 ثانیه پاسخ نداد</translation>
    </message>
    <message>
        <source>Publishing the reminders: looking at the calendar...</source>
        <translation>انتشار یادآوری‌ها: بررسی تقویم...</translation>
    </message>
    <message>
        <source>Publishing the reminders: creating the calendar...</source>
        <translation>انتشار یادآوری‌ها: ساختن تقویم...</translation>
    </message>
    <message>
        <source>Publishing the reminders: reading the calendar's events...</source>
        <translation>انتشار یادآوری‌ها: خواندن رویدادهای تقویم...</translation>
    </message>
    <message>
        <source>Publishing the reminders: %1 of %2 changes written...</source>
        <translation>انتشار یادآوری‌ها: %1 از %2 تغییر نوشته شد...</translation>
    </message>
    <message>
        <source>Publishing the reminders: waiting for the keyring to give the password...</source>
        <translation>انتشار یادآوری‌ها: در انتظار گذرواژه از جاکلیدی...</translation>
    </message>
    <message>
        <source>Publishing failed at %1: %2. Zamanix tries again at %3.</source>
        <translation>انتشار در %1 ناموفق بود: %2. Zamanix در %3 دوباره تلاش می‌کند.</translation>
    </message>
    <message>
        <source>Reminders published at %1 to a new calendar: %2 added.</source>
        <translation>یادآوری‌ها در %1 در تقویمی تازه منتشر شد: %2 افزوده.</translation>
    </message>
    <message>
        <source>Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.</source>
        <translation>یادآوری‌ها در %1 منتشر شد: %2 افزوده، %3 تغییر یافته، %4 حذف شده، %5 بدون تغییر.</translation>
    </message>
    <message>
        <source>Events kept as another program changed them: %1.</source>
        <translation>رویدادهایی که همان‌طور که برنامهٔ دیگری تغییر داده نگه داشته شد: %1.</translation>
    </message>
    <message>
        <source>Events left as another program wrote them meanwhile: %1.</source>
        <translation>رویدادهایی که همان‌طور که برنامهٔ دیگری در این میان نوشته رها شد: %1.</translation>
    </message>
    <message>
        <source>Zamanix could not publish the reminders to %1: %2.

It tries again by itself, after longer pauses each time, and the status bar tells how it goes; Options &gt; Calendar Server... changes the server's settings.</source>
        <translation>Zamanix نتوانست یادآوری‌ها را در %1 منتشر کند: %2.

خودش دوباره تلاش می‌کند، هر بار با درنگی طولانی‌تر، و نوار وضعیت روند کار را نشان می‌دهد؛ گزینه‌ها &gt; سرور تقویم... تنظیمات سرور را تغییر می‌دهد.</translation>
    </message>
    <message>
        <source>no password is kept for "%1" at %2; give it in Options &gt; Calendar Server...</source>
        <translation>هیچ گذرواژه‌ای برای "%1" در %2 نگه داشته نشده است؛ آن را در گزینه‌ها &gt; سرور تقویم... بدهید</translation>
    </message>
    <message>
        <source>the publishing module %1 could not be loaded (%2); installing Zamanix again mends this</source>
        <translation>ماژول انتشار %1 بارگذاری نشد (%2)؛ نصب دوبارهٔ Zamanix این را درست می‌کند</translation>
    </message>
</context>
<context>
    <name>ReminderBackup</name>
    <message>
        <source>Zamanix backups (*.INI *.ini);;All Files (*)</source>
        <translation>پشتیبان‌های Zamanix (*.INI *.ini);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>Back Up Reminders</source>
        <translation>پشتیبان‌گیری از یادآوری‌ها</translation>
    </message>
    <message>
        <source>The reminders could not be backed up.

%1</source>
        <translation>از یادآوری‌ها پشتیبان گرفته نشد.

%1</translation>
    </message>
    <message>
        <source>Reminders and settings backed up to %1 (reminders: %2)</source>
        <translation>از یادآوری‌ها و تنظیمات در %1 پشتیبان گرفته شد (یادآوری‌ها: %2)</translation>
    </message>
    <message>
        <source>Restore Reminders</source>
        <translation>بازگردانی یادآوری‌ها</translation>
    </message>
    <message>
        <source>Replace your reminders and settings with those of the backup %1?

Reminders in the backup: %2. Reminders now: %3.

The profile as it is now is kept in %4; restoring from that file brings it back.</source>
        <translation>یادآوری‌ها و تنظیمات شما با آنچه در پشتیبان %1 است جایگزین شود؟

یادآوری‌های پشتیبان: %2. یادآوری‌های کنونی: %3.

نمایه به شکل کنونی در %4 نگه داشته می‌شود؛ بازگردانی از آن پرونده آن را برمی‌گرداند.</translation>
    </message>
    <message>
        <source>Reminders restored from %1 (reminders now: %2); the profile as it was is kept in %3</source>
        <translation>یادآوری‌ها از %1 بازگردانده شد (یادآوری‌های کنونی: %2)؛ نمایهٔ پیشین در %3 نگه داشته شد</translation>
    </message>
    <message>
        <source>The reminders could not be restored; they are as they were.

%1</source>
        <translation>یادآوری‌ها بازگردانده نشد؛ همان‌طور که بودند مانده‌اند.

%1</translation>
    </message>
</context>
<context>
    <name>ReminderExport</name>
    <message>
        <source>Export Reminders</source>
        <translation>صدور یادآوری‌ها</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All Files (*)</source>
        <translation>پرونده‌های iCalendar (*.ics);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>The reminders could not be exported.

%1</source>
        <translation>صدور یادآوری‌ها ممکن نشد.

%1</translation>
    </message>
    <message>
        <source>No reminder falls due in the next %1 years; %2 holds no events</source>
        <translation>در %1 سال آینده هیچ یادآوری‌ای سر نمی‌رسد؛ %2 هیچ رویدادی ندارد</translation>
    </message>
    <message>
        <source>1 event of the next %1 years written to %2</source>
        <translation>1 رویداد از %1 سال آینده در %2 نوشته شد</translation>
    </message>
    <message>
        <source>%1 events of the next %2 years written to %3</source>
        <translation>%1 رویداد از %2 سال آینده در %3 نوشته شد</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>the astronomical Hijri calendar follows computed new moons, which no RSCALE calendar describes</source>
        <translation>تقویم هجری قمری نجومی از ماه‌های نوِ محاسبه‌شده پیروی می‌کند که هیچ تقویم RSCALE آن را توصیف نمی‌کند</translation>
    </message>
    <message>
        <source>the Hijri calendar is adjusted (%1), which no RSCALE calendar describes</source>
        <translation>تقویم هجری قمری جابه‌جا شده است (%1) که هیچ تقویم RSCALE آن را توصیف نمی‌کند</translation>
    </message>
    <message>
        <source>the Hijri calendar keeps a recorded month start (%1 on %2), which no RSCALE calendar describes</source>
        <translation>تقویم هجری قمری آغاز ماهی ثبت‌شده دارد (%1 در %2) که هیچ تقویم RSCALE آن را توصیف نمی‌کند</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 یا %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>؛ منظورتان %1 بود؟</translation>
    </message>
    <message>
        <source>; the Hijri months are %1, the Christian ones January to December</source>
        <translation>؛ ماه‌های هجری قمری %1 هستند و ماه‌های میلادی January تا December</translation>
    </message>
    <message>
        <source>the key has no "/" between the month and the day</source>
        <translation>کلید میان ماه و روز «/» ندارد</translation>
    </message>
    <message>
        <source>"%1" is neither a Hijri nor a Christian month</source>
        <translation>«%1» نه ماه هجری قمری است نه ماه میلادی</translation>
    </message>
    <message>
        <source>the key has no day after the "/"</source>
        <translation>کلید پس از «/» روز ندارد</translation>
    </message>
    <message>
        <source>"%1" is not a day: write 1 to 31, or 01 to 09</source>
        <translation>«%1» روز نیست: 1 تا 31 یا 01 تا 09 بنویسید</translation>
    </message>
    <message>
        <source>%1 never has more than %2 days</source>
        <translation>%1 هرگز بیش از %2 روز ندارد</translation>
    </message>
    <message>
        <source>the memo is empty, and an empty memo never rings</source>
        <translation>یادداشت خالی است و یادداشت خالی هرگز زنگ نمی‌زند</translation>
    </message>
    <message>
        <source>its alarm time %1 is never reached</source>
        <translation>ساعت هشدارش، %1، هرگز فرا نمی‌رسد</translation>
    </message>
    <message>
        <source>%1 has no day %2 in the next %3 years under the %4 calendar</source>
        <translation>%1 در %3 سال آینده بنا بر تقویم %4 روز %2 ندارد</translation>
    </message>
    <message>
        <source>In %1 days, %2 / %3: %4</source>
        <translation type="vanished">%1 روز دیگر، %2 / %3: %4</translation>
    </message>
    <message>
        <source>Tomorrow, %1 / %2: %3</source>
        <translation>فردا، %1 / %2: %3</translation>
    </message>
    <message>
        <source>%1 is neither a weekday nor a month and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448</source>
        <translation>%1 نه روز هفته است نه ماه و روز: Friday، Hijri/13، Ramadhan/27 یا Ramadhan/27/1448 بنویسید</translation>
    </message>
    <message>
        <source>%1 is neither a Hijri nor a Christian month</source>
        <translation>%1 نه ماه هجری قمری است نه میلادی</translation>
    </message>
    <message>
        <source>%1 is not a day: write 1 to 31, or 01 to 09</source>
        <translation>%1 روز نیست: 1 تا 31 یا 01 تا 09 بنویسید</translation>
    </message>
    <message>
        <source>a Hijri month never has more than 30 days</source>
        <translation>ماه هجری قمری هرگز بیش از 30 روز ندارد</translation>
    </message>
    <message>
        <source>%1 is not a year: write it as 1448, or as -5 for a year before 1</source>
        <translation>%1 سال نیست: آن را مانند 1448 بنویسید، یا -5 برای سالی پیش از 1</translation>
    </message>
    <message>
        <source>the year %1 lies outside the supported years, -4000 to 3000</source>
        <translation>سال %1 بیرون از سال‌های پشتیبانی‌شده، -4000 تا 3000، است</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 فقط %3 روز دارد</translation>
    </message>
    <message>
        <source>%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582</source>
        <translation>%1 اکتبر 1582 هرگز نبود: تقویم گریگوری از 4 به 15 اکتبر 1582 رفت</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days under the %4 calendar</source>
        <translation>%1 %2 در تقویم %4 تنها %3 روز دارد</translation>
    </message>
    <message>
        <source>%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000</source>
        <translation>%1 بیرون از روزهایی است که Zamanix پشتیبانی می‌کند، 1 ژانویه -4000 تا 31 دسامبر 3000</translation>
    </message>
    <message>
        <source>Next on %1 / %2</source>
        <translation>بعدی در %1 / %2</translation>
    </message>
    <message>
        <source>Next on %1 / %2 (%3)</source>
        <translation>بعدی در %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>%1 / %2: this day has gone by, so it will not ring</source>
        <translation>%1 / %2: این روز گذشته است، پس زنگ نمی‌زند</translation>
    </message>
    <message>
        <source>It never falls due: %1.</source>
        <translation>هرگز سر نمی‌رسد: %1.</translation>
    </message>
    <message>
        <source>Write a memo: an empty memo never rings.</source>
        <translation>یادداشتی بنویسید: یادداشت خالی هرگز زنگ نمی‌زند.</translation>
    </message>
    <message>
        <source>This reminder cannot be kept: %1.</source>
        <translation>این یادآوری نگه‌داشتنی نیست: %1.</translation>
    </message>
    <message>
        <source>it falls on no day before 31 December 3000, the last day Zamanix supports</source>
        <translation>پیش از 31 دسامبر 3000، واپسین روزی که Zamanix پشتیبانی می‌کند، در هیچ روزی نمی‌افتد</translation>
    </message>
    <message>
        <source>only in leap years</source>
        <translation>تنها در سال‌های کبیسه</translation>
    </message>
    <message>
        <source>only in the years whose %1 has 30 days</source>
        <translation>تنها در سال‌هایی که %1 در آن‌ها 30 روز دارد</translation>
    </message>
    <message>
        <source>on the 29th of the months that have 29 days</source>
        <translation>در روز 29 ماه‌هایی که 29 روز دارند</translation>
    </message>
    <message>
        <source>on the last day of the months that have fewer than %1 days</source>
        <translation>در واپسین روز ماه‌هایی که کمتر از %1 روز دارند</translation>
    </message>
    <message>
        <source>%1, %2 / %3: %4</source>
        <translation>%1، %2 / %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <comment>In %n day</comment>
        <translation>
            <numerusform>%n روز دیگر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersProgram</name>
    <message>
        <source>the keyring holds no password for "%1" at %2; give it with --password-file FILE (- reads standard input)</source>
        <translation>دسته‌کلید هیچ گذرواژه‌ای برای "%1" در %2 ندارد؛ آن را با --password-file پرونده بدهید (- ورودی استاندارد را می‌خواند)</translation>
    </message>
    <message>
        <source>no keyring answered to give the password for "%1" at %2 (%3); give it with --password-file FILE (- reads standard input)</source>
        <translation>هیچ دسته‌کلیدی برای دادن گذرواژهٔ "%1" در %2 پاسخ نداد (%3)؛ آن را با --password-file پرونده بدهید (- ورودی استاندارد را می‌خواند)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>خالی است</translation>
    </message>
    <message>
        <source>cannot read the password from standard input: %1</source>
        <translation>خواندن گذرواژه از ورودی استاندارد ممکن نیست: %1</translation>
    </message>
    <message>
        <source>cannot read the password from %1: %2</source>
        <translation>خواندن گذرواژه از %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>no calendar server is set up: give --url URL (and --user NAME), or keep them in the profile as URL= and User= under [CalendarServer]</source>
        <translation>هیچ کارساز تقویمی تنظیم نشده است: --url نشانی (و --user نام) را بدهید، یا آن‌ها را در پروندهٔ تنظیمات به صورت URL= و User= زیر [CalendarServer] نگه دارید</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2</source>
        <translation>انتشار در %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>published to %1: %2</source>
        <translation>در %1 منتشر شد: %2</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY is a month name of either calendar, "/" and a day, as the form builds
it: Ramadhan/27, March/06, Rabi'ul Awwal/5. add and remove also take the
common spellings of the Hijri months (Ramadan, Dhul Hijjah, Rabi al-Awwal,
Jumada al-Ula, ...) and keep the month as the program spells it. A reminder
comes back every year of its calendar; a day 1 to 9 falls due written as 5
or as 05.

Commands:
  list                every reminder, by the day it falls due next; those
                      that never fall due (April/31, a misspelt month) last,
                      with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60); a reminder that exists
                      keeps the alarm not given; writes exactly what the
                      form's Add writes
  remove KEY          forgets the reminder and its alarm, as the form's
                      Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month or day is not valid, a profile that cannot be read
or written, bad options, no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation type="vanished">طرز استفاده:
  zamanix-reminders [گزینه‌ها] list [--format text|tsv]
  zamanix-reminders [گزینه‌ها] upcoming [--days ن] [--format text|tsv]
  zamanix-reminders [گزینه‌ها] add کلید یادداشت [--alarm سس:دد]
                    [--every دقیقه]
  zamanix-reminders [گزینه‌ها] remove کلید
  zamanix-reminders [گزینه‌ها] export [--years ن] [--from تاریخ] [-o پرونده]
  zamanix-reminders [گزینه‌ها] export --rscale [--from تاریخ] [-o پرونده]
  zamanix-reminders [گزینه‌ها] publish [--url نشانی] [--user نام]
                    [--password-file پرونده] [--years ن]
که در آن «گزینه‌ها» یعنی [--profile پرونده]
[--calendar astronomical|umalqura|civil] [--adjust ن].

یادآوری‌هایی را که برنامهٔ میزکار Zamanix نگه می‌دارد فهرست می‌کند، می‌افزاید و
برمی‌دارد، آن‌ها را در پرونده‌ای iCalendar برای دیگر برنامه‌های تقویم صادر
می‌کند، و در تقویمی CalDAV که گوشی‌ها و دیگر برنامه‌های تقویم نشان می‌دهند
منتشر می‌کند.

کلید، نام ماهی از یکی از دو تقویم است، سپس "/" و یک روز، همان‌گونه که فرم آن را
می‌سازد: Ramadhan/27، March/06، Rabi'ul Awwal/5. فرمان‌های add و remove
املاهای رایج ماه‌های هجری قمری را هم می‌پذیرند (Ramadan، Dhul Hijjah،
Rabi al-Awwal، Jumada al-Ula، ...) و ماه را همان‌گونه که برنامه می‌نویسد نگه
می‌دارند. یادآوری هر سال از تقویم خود بازمی‌گردد؛ روزهای 1 تا 9 چه به صورت 5
نوشته شوند چه 05، موعدشان می‌رسد.

فرمان‌ها:
  list                همهٔ یادآوری‌ها، به ترتیب موعد بعدی؛ آن‌هایی که موعدشان
                      هرگز نمی‌رسد (April/31، ماهی با املای نادرست) در پایان،
                      همراه با دلیل
  upcoming            یادآوری‌هایی که موعدشان از امروز تا ن روز بعد می‌رسد
                      (--days، پیش‌فرض 30)، برای هر روز یک سطر
  add کلید یادداشت    یادداشت را زیر کلید با هشدارش نگه می‌دارد: --alarm
                      سس:دد (پیش‌فرض 08:00) و --every دقیقه، 0 تا 720، تا
                      یادآوری دوباره (پیش‌فرض 60)؛ یادآوری موجود آنچه از
                      هشدارش داده نشده را نگه می‌دارد؛ دقیقاً همان را می‌نویسد
                      که دکمهٔ «افزودن» فرم می‌نویسد
  remove کلید         یادآوری و هشدارش را فراموش می‌کند، مانند دکمهٔ «حذف» فرم
  export              هر روزی را که در ن سال آینده موعد یادآوری‌ای در آن می‌رسد
                      (--years، پیش‌فرض 5، از --from تاریخ، به صورت
                      سال-ماه-روز، پیش‌فرض امروز) به صورت رویدادهای iCalendar
                      در ساعت هشدار در منطقهٔ زمانی شما، در پرونده (-o؛ مقصد
                      پیوند، لوله یا پایانه به صورت جریان نوشته می‌شود؛ هرگز
                      در پروندهٔ تنظیمات یا پرونده‌های آن نمی‌نویسد) یا در
                      خروجی استاندارد می‌نویسد
                      با --rscale: برای هر یادآوری یک رویداد که هر سالِ تقویمش
                      تکرار می‌شود (RFC 7529)، برای برنامه‌هایی که تقویم‌های
                      هجری قمری ICU را می‌شناسند (ام‌القری و جدولی، بدون
                      جابه‌جایی یا آغاز ماه ثبت‌شده)
  publish             تقویم CalDAV در نشانی (--url، پیش‌فرض: نشانی پروندهٔ
                      تنظیمات) را دارندهٔ همان رویدادهایی می‌کند که
                      export --years ن می‌نویسد (--years، پیش‌فرض: مقدار پروندهٔ
                      تنظیمات، وگرنه 2): فقط آنچه تغییر کرده را می‌نویسد و هرگز
                      به اشیای برنامه‌ای دیگر دست نمی‌زند. گذرواژه سطر نخست
                      --password-file پرونده است (- ورودی استاندارد را می‌خواند)،
                      وگرنه گذرواژهٔ دسته‌کلید. اگر کارساز یا شبکه شکست بخورد
                      وضعیت خروج 1 است

گزینه‌ها:
  --profile پرونده    پروندهٔ تنظیمات مورد استفاده (پیش‌فرض: پروندهٔ برنامهٔ
                      میزکار، $XDG_CONFIG_HOME/zamanix.INI)
  --calendar قاعده    تقویم هجری قمری: astronomical، umalqura یا civil
                      (پیش‌فرض: آنچه در برنامهٔ میزکار برگزیده شده)
  --adjust ن          تقویم هجری قمری را ن روز جابه‌جا می‌کند، از -2 تا 2
                      (پیش‌فرض: آنچه در برنامهٔ میزکار برگزیده شده)
  --format text|tsv   ستون‌های هم‌تراز (پیش‌فرض)، یا مقدارهای جداشده با
                      نویسهٔ جهش همراه با سطر عنوان
  -h, --help          این راهنما را نشان می‌دهد
  --version           نسخه را نشان می‌دهد
یادداشتی که با "-" آغاز می‌شود پس از "--" می‌آید.

تقویم هجری قمری از آغاز ماه‌های ثبت‌شده در پروندهٔ تنظیمات پیروی می‌کند (بخش
[HijriMonthStarts]، "1448/9=2027-02-07")؛ ثبتی که نگه داشتنی نیست کنار
گذاشته می‌شود و اخطاری در خطای استاندارد می‌آید.

خطاها (کلیدی که ماه یا روزش نامعتبر است، پروندهٔ تنظیماتی که خوانده یا نوشته
نمی‌شود، گزینه‌های نادرست، نبودِ گذرواژه برای انتشار) به صورت
"zamanix-reminders: &lt;اشکال&gt;" در خطای استاندارد با وضعیت خروج 2 گزارش می‌شوند و
چیزی نوشته نمی‌شود.
</translation>
    </message>
    <message>
        <source>%1 is not a number of seconds</source>
        <translation>%1 عددی از ثانیه‌ها نیست</translation>
    </message>
    <message>
        <source>the %1 calendar cannot be computed: %2</source>
        <translation>تقویم %1 را نمی‌توان محاسبه کرد: %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: اخطار: %2</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>افزودن %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>the memo is empty; an empty memo never rings (use remove to delete a reminder)</source>
        <translation>یادداشت خالی است؛ یادداشت خالی هرگز زنگ نمی‌زند (برای حذف یادآوری از remove استفاده کنید)</translation>
    </message>
    <message>
        <source>there is no reminder %1 in %2</source>
        <translation>یادآوری %1 در %2 نیست</translation>
    </message>
    <message>
        <source>--years does not apply to export --rscale: its events repeat without end</source>
        <translation>--years به export --rscale مربوط نیست: رویدادهای آن بی‌پایان تکرار می‌شوند</translation>
    </message>
    <message>
        <source>cannot export repeating events: %1; export without --rscale lists every day a reminder falls due instead</source>
        <translation>صدور رویدادهای تکرارشونده ممکن نیست: %1؛ export بدون --rscale در عوض هر روزی را که یادآوری در آن سررسید می‌شود فهرست می‌کند</translation>
    </message>
    <message>
        <source>--from %1</source>
        <translation>--from %1</translation>
    </message>
    <message>
        <source>--from %1: %2</source>
        <translation>--from %1: %2</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
برای آگاهی بیشتر '%3 --help' را امتحان کنید.</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>نوشتن خروجی ممکن نشد</translation>
    </message>
    <message>
        <source>--profile needs a file name</source>
        <translation>--profile به نام پرونده نیاز دارد</translation>
    </message>
    <message>
        <source>unknown calendar %1; use astronomical, umalqura or civil</source>
        <translation>تقویم ناشناخته %1؛ از astronomical، umalqura یا civil استفاده کنید</translation>
    </message>
    <message>
        <source>adjustment %1 is not a whole number of days from -2 to 2</source>
        <translation>تصحیح %1 عدد صحیحی از روزها از -2 تا 2 نیست</translation>
    </message>
    <message>
        <source>unknown format %1; use text or tsv</source>
        <translation>قالب ناشناخته %1؛ از text یا tsv استفاده کنید</translation>
    </message>
    <message>
        <source>--days takes a number of days from 0 to 36525, not %1</source>
        <translation>--days تعداد روزی از 0 تا 36525 می‌گیرد، نه %1</translation>
    </message>
    <message>
        <source>--alarm takes a time from 00:00 to 23:59, not %1</source>
        <translation>--alarm زمانی از 00:00 تا 23:59 می‌گیرد، نه %1</translation>
    </message>
    <message>
        <source>--every takes a number of minutes from 0 to %1, not %2</source>
        <translation>--every تعداد دقیقه‌ای از 0 تا %1 می‌گیرد، نه %2</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 100, not %1</source>
        <translation>--years تعداد سالی از 1 تا 100 می‌گیرد، نه %1</translation>
    </message>
    <message>
        <source>--password-file needs a file name, or - for standard input</source>
        <translation>--password-file به نام پرونده نیاز دارد، یا - برای ورودی استاندارد</translation>
    </message>
    <message>
        <source>unknown command %1; use list, upcoming, add, remove, export or publish</source>
        <translation>فرمان ناشناخته %1؛ از list، upcoming، add، remove، export یا publish استفاده کنید</translation>
    </message>
    <message>
        <source>no command given; use list, upcoming, add, remove, export or publish</source>
        <translation>هیچ فرمانی داده نشد؛ از list، upcoming، add، remove، export یا publish استفاده کنید</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 آرگومانی نمی‌گیرد</translation>
    </message>
    <message>
        <source>%1 takes one KEY</source>
        <translation>%1 یک کلید می‌گیرد</translation>
    </message>
    <message>
        <source>%1 takes a KEY and a MEMO</source>
        <translation>%1 یک کلید و یک یادداشت می‌گیرد</translation>
    </message>
    <message>
        <source>option %1 does not apply to this command</source>
        <translation>گزینهٔ %1 برای این فرمان کاربرد ندارد</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>گزینهٔ ناشناخته %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>گزینهٔ %1 مقداری نمی‌گیرد</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>گزینهٔ %1 به مقدار نیاز دارد</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by: the reminder is kept, but it will not ring</source>
        <translation>%1 در %2 بود که گذشته است: یادآوری نگه داشته شد، اما زنگ نمی‌زند</translation>
    </message>
    <message>
        <source>%1: %2; the reminder is kept, and rings only if that month gets its 30th day</source>
        <translation>%1: %2؛ یادآوری نگه داشته شد و تنها اگر آن ماه روز سی‌ام بیابد زنگ می‌زند</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
                    [--notice DAYS]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY says when a reminder falls due:
  Ramadhan/27, March/06      every year, on a month and day of either
                             calendar, as the form builds it
  Ramadhan/27/1448,          once, on a date of either calendar
  March/06/2027
  Hijri/13, Christian/01     every month of that calendar, on a day; a month
                             without the day has it on its last day
  Friday                     every week, on the weekday (in English)
add and remove also take the common spellings of the Hijri months
(Ramadan, Dhul Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) and keep the month
as the program spells it. A day 1 to 9 falls due written as 5 or as 05.

Commands:
  list                every reminder and its kind, by the day it falls due
                      next; once reminders whose day has gone by after
                      them, those that never fall due (April/31, a misspelt
                      month) last, with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60), and --notice DAYS, 0 to
                      30, to be reminded that many days before each day it
                      falls due too (0: no notice); a reminder that exists
                      keeps what is not given; for a yearly KEY writes
                      exactly what the form's Add writes
  remove KEY          forgets the reminder, its alarm and its notice, as the
                      form's Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month, day, year or weekday is not valid, a date outside
the supported years, a profile that cannot be read or written, bad options,
no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation>طرز استفاده:
  zamanix-reminders [گزینه‌ها] list [--format text|tsv]
  zamanix-reminders [گزینه‌ها] upcoming [--days ن] [--format text|tsv]
  zamanix-reminders [گزینه‌ها] add کلید یادداشت [--alarm سس:دد]
                    [--every دقیقه]
                    [--notice روز]
  zamanix-reminders [گزینه‌ها] remove کلید
  zamanix-reminders [گزینه‌ها] export [--years ن] [--from تاریخ] [-o پرونده]
  zamanix-reminders [گزینه‌ها] export --rscale [--from تاریخ] [-o پرونده]
  zamanix-reminders [گزینه‌ها] publish [--url نشانی] [--user نام]
                    [--password-file پرونده] [--years ن]
که در آن «گزینه‌ها» یعنی [--profile پرونده]
[--calendar astronomical|umalqura|civil] [--adjust ن].

یادآوری‌هایی را که برنامهٔ میزکار Zamanix نگه می‌دارد فهرست می‌کند، می‌افزاید و
برمی‌دارد، آن‌ها را در پرونده‌ای iCalendar برای دیگر برنامه‌های تقویم صادر
می‌کند، و در تقویمی CalDAV که گوشی‌ها و دیگر برنامه‌های تقویم نشان می‌دهند
منتشر می‌کند.

کلید می‌گوید یادآوری کی سر می‌رسد:
  Ramadhan/27، March/06      هر سال، در ماه و روزی از هر یک از دو تقویم،
                             آن‌گونه که فرم می‌سازد
  Ramadhan/27/1448،          یک بار، در تاریخی از هر یک از دو تقویم
  March/06/2027
  Hijri/13، Christian/01     هر ماه آن تقویم، در یک روز؛ ماهی که آن روز را
                             ندارد در واپسین روزش
  Friday                     هر هفته، در آن روز هفته (به انگلیسی)
add و remove نگارش‌های رایج ماه‌های هجری قمری را هم می‌پذیرند (Ramadan،
Dhul Hijjah، Rabi al-Awwal، Jumada al-Ula، ...) و ماه را آن‌گونه که برنامه
می‌نویسد نگه می‌دارند. روز 1 تا 9 چه 5 نوشته شود چه 05 سر می‌رسد.

فرمان‌ها:
  list                همهٔ یادآوری‌ها و نوع هر یک، به ترتیب موعد بعدی؛ پس از
                      آن‌ها یادآوری‌های یک‌باره‌ای که روزشان گذشته است؛ آن‌هایی
                      که موعدشان هرگز نمی‌رسد (April/31، ماهی با نگارش نادرست)
                      در پایان، با دلیل
  upcoming            یادآوری‌هایی که موعدشان از امروز تا ن روز بعد می‌رسد
                      (--days، پیش‌فرض 30)، برای هر روز یک سطر
  add کلید یادداشت    یادداشت را زیر کلید با هشدارش نگه می‌دارد: --alarm
                      سس:دد (پیش‌فرض 08:00) و --every دقیقه، 0 تا 720، تا
                      یادآوری دوباره (پیش‌فرض 60)، و --notice روز، 0 تا 30،
                      برای یادآوری آن تعداد روز پیش از هر روز سررسید نیز (0:
                      بی‌یادآوری پیشاپیش)؛ یادآوری موجود آنچه داده نشود را نگه
                      می‌دارد؛ برای کلید سالانه دقیقاً همان را می‌نویسد که
                      دکمهٔ «افزودن» فرم می‌نویسد
  remove کلید         یادآوری، هشدار و یادآوری پیشاپیشش را فراموش می‌کند،
                      مانند دکمهٔ «حذف» فرم
  export              هر روزی را که در ن سال آینده موعد یادآوری‌ای در آن می‌رسد
                      (--years، پیش‌فرض 5، از --from تاریخ، به صورت
                      سال-ماه-روز، پیش‌فرض امروز) به صورت رویدادهای iCalendar
                      در ساعت هشدار در منطقهٔ زمانی شما، در پرونده (-o؛ مقصد
                      پیوند، لوله یا پایانه به صورت جریان نوشته می‌شود؛ هرگز
                      در پروندهٔ تنظیمات یا پرونده‌های آن نمی‌نویسد) یا در
                      خروجی استاندارد می‌نویسد
                      با --rscale: برای هر یادآوری یک رویداد که هر سالِ تقویمش
                      تکرار می‌شود (RFC 7529)، برای برنامه‌هایی که تقویم‌های
                      هجری قمری ICU را می‌شناسند (ام‌القری و جدولی، بدون
                      جابه‌جایی یا آغاز ماه ثبت‌شده)
  publish             تقویم CalDAV در نشانی (--url، پیش‌فرض: نشانی پروندهٔ
                      تنظیمات) را دارندهٔ همان رویدادهایی می‌کند که
                      export --years ن می‌نویسد (--years، پیش‌فرض: مقدار پروندهٔ
                      تنظیمات، وگرنه 2): فقط آنچه تغییر کرده را می‌نویسد و هرگز
                      به اشیای برنامه‌ای دیگر دست نمی‌زند. گذرواژه سطر نخست
                      --password-file پرونده است (- ورودی استاندارد را می‌خواند)،
                      وگرنه گذرواژهٔ دسته‌کلید. اگر کارساز یا شبکه شکست بخورد
                      وضعیت خروج 1 است

گزینه‌ها:
  --profile پرونده    پروندهٔ تنظیمات مورد استفاده (پیش‌فرض: پروندهٔ برنامهٔ
                      میزکار، $XDG_CONFIG_HOME/zamanix.INI)
  --calendar قاعده    تقویم هجری قمری: astronomical، umalqura یا civil
                      (پیش‌فرض: آنچه در برنامهٔ میزکار برگزیده شده)
  --adjust ن          تقویم هجری قمری را ن روز جابه‌جا می‌کند، از -2 تا 2
                      (پیش‌فرض: آنچه در برنامهٔ میزکار برگزیده شده)
  --format text|tsv   ستون‌های هم‌تراز (پیش‌فرض)، یا مقدارهای جداشده با
                      نویسهٔ جهش همراه با سطر عنوان
  -h, --help          این راهنما را نشان می‌دهد
  --version           نسخه را نشان می‌دهد
یادداشتی که با "-" آغاز می‌شود پس از "--" می‌آید.

تقویم هجری قمری از آغاز ماه‌های ثبت‌شده در پروندهٔ تنظیمات پیروی می‌کند (بخش
[HijriMonthStarts]، "1448/9=2027-02-07")؛ ثبتی که نگه داشتنی نیست کنار
گذاشته می‌شود و اخطاری در خطای استاندارد می‌آید.

خطاها (کلیدی که ماه، روز، سال یا روز هفته‌اش نامعتبر است، تاریخی بیرون از
سال‌های پشتیبانی‌شده، پروندهٔ تنظیماتی که خوانده یا نوشته نمی‌شود، گزینه‌های
نادرست، نبودِ گذرواژه برای انتشار) به صورت "zamanix-reminders: &lt;اشکال&gt;" در
خطای استاندارد با وضعیت خروج 2 گزارش می‌شوند و چیزی نوشته نمی‌شود.
</translation>
    </message>
    <message>
        <source>--notice takes a number of days from 0 to %1, not %2</source>
        <translation>--notice عددی از 0 تا %1 روز می‌گیرد، نه %2</translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>%1: the session bus at %2 does not answer within %3 seconds; going on without it, as a copy of its own, without desktop notifications</source>
        <translation>%1: گذرگاه نشست در %2 در %3 ثانیه پاسخ نمی‌دهد؛ کار بدون آن، به صورت نسخه‌ای مستقل و بدون اعلان‌های میزکار ادامه می‌یابد</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Main window</source>
        <translation>پنجرهٔ اصلی</translation>
    </message>
    <message>
        <source>Alt+the underlined letter</source>
        <translation>Alt+حرف زیرخط‌دار</translation>
    </message>
    <message>
        <source>opens a menu, or presses a button of the form</source>
        <translation>منویی را باز می‌کند یا دکمه‌ای از فرم را می‌زند</translation>
    </message>
    <message>
        <source>View: shows the chosen date in the other calendar with its memo</source>
        <translation>نما: تاریخ برگزیده را در تقویم دیگر با یادداشتش نشان می‌دهد</translation>
    </message>
    <message>
        <source>Add, View, Delete</source>
        <translation>افزودن، نمایش، حذف</translation>
    </message>
    <message>
        <source>puts the clipboard's text into the memo, as one line</source>
        <translation>متن تخته‌یادداشت را به‌صورت یک سطر در یادداشت می‌گذارد</translation>
    </message>
    <message>
        <source>New, Open, Save</source>
        <translation>جدید، باز کردن، ذخیره</translation>
    </message>
    <message>
        <source>prints the form</source>
        <translation>فرم را چاپ می‌کند</translation>
    </message>
    <message>
        <source>opens All Reminders</source>
        <translation>همهٔ یادآوری‌ها را باز می‌کند</translation>
    </message>
    <message>
        <source>shows or hides the month panel</source>
        <translation>پنل ماه را نشان می‌دهد یا پنهان می‌کند</translation>
    </message>
    <message>
        <source>moves between the form and the month panel</source>
        <translation>میان فرم و پنل ماه جابه‌جا می‌شود</translation>
    </message>
    <message>
        <source>opens the manual</source>
        <translation>راهنما را باز می‌کند</translation>
    </message>
    <message>
        <source>Month panel</source>
        <translation>پنل ماه</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>کلیدهای جهت‌نما</translation>
    </message>
    <message>
        <source>the day before or after, or the same weekday a week away</source>
        <translation>روز پیش یا پس، یا همان روز هفته در یک هفته آن‌سوتر</translation>
    </message>
    <message>
        <source>the month before or after</source>
        <translation>ماه پیش یا پس</translation>
    </message>
    <message>
        <source>the year before or after</source>
        <translation>سال پیش یا پس</translation>
    </message>
    <message>
        <source>today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>shows the day in the form</source>
        <translation>روز را در فرم نشان می‌دهد</translation>
    </message>
    <message>
        <source>All Reminders</source>
        <translation>همهٔ یادآوری‌ها</translation>
    </message>
    <message>
        <source>from the filter to the list</source>
        <translation>از پالایه به فهرست</translation>
    </message>
    <message>
        <source>opens the reminder in the form</source>
        <translation>یادآوری را در فرم باز می‌کند</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">حذف</translation>
    </message>
    <message>
        <source>deletes the reminder, after asking</source>
        <translation>پس از پرسش، یادآوری را حذف می‌کند</translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation>پنجره را می‌بندد</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>یادآوری‌های ازدست‌رفته</translation>
    </message>
    <message>
        <source>Reminder prompt</source>
        <translation>پرسش یادآوری</translation>
    </message>
    <message>
        <source>reminds you again after the interval</source>
        <translation>پس از فاصله دوباره یادآوری می‌کند</translation>
    </message>
    <message>
        <source>no more reminders today</source>
        <translation>امروز دیگر یادآوری نمی‌شود</translation>
    </message>
    <message>
        <source>not now: reminds you again after the interval</source>
        <translation>نه اکنون: پس از فاصله دوباره یادآوری می‌کند</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Zamanix reminder</source>
        <translation>یادآوری Zamanix</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zamanix

Zamani


Zamanix.Document
Zamani Document</source>
        <translation>Zamanix

Zamani


Zamanix.Document
سند Zamani</translation>
    </message>
    <message>
        <source>Add memo entry to reminders on specified date</source>
        <translation>افزودن یادداشت به یادآوری‌ها در تاریخ مشخص‌شده</translation>
    </message>
    <message>
        <source>Delete reminder entry from list.</source>
        <translation>حذف یادآوری از فهرست.</translation>
    </message>
    <message>
        <source>Play Remider.wav audio file on alarm</source>
        <translation>پخش پروندهٔ صوتی Reminder.wav هنگام هشدار</translation>
    </message>
    <message>
        <source>Compute the Hijri months from the new moons (the default)</source>
        <translation>محاسبهٔ ماه‌های هجری قمری از مقارنه‌های ماه (پیش‌فرض)</translation>
    </message>
    <message>
        <source>Follow the Umm al-Qura calendar of Saudi Arabia</source>
        <translation>پیروی از تقویم ام‌القری عربستان سعودی</translation>
    </message>
    <message>
        <source>Follow the tabular (civil) Islamic calendar</source>
        <translation>پیروی از تقویم اسلامی جدولی (مدنی)</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days later</source>
        <translation>آغاز هر ماه هجری قمری دو روز دیرتر</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day later</source>
        <translation>آغاز هر ماه هجری قمری یک روز دیرتر</translation>
    </message>
    <message>
        <source>Keep the Hijri months as the calendar gives them</source>
        <translation>نگه داشتن ماه‌های هجری قمری همان‌گونه که تقویم می‌دهد</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day earlier</source>
        <translation>آغاز هر ماه هجری قمری یک روز زودتر</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days earlier</source>
        <translation>آغاز هر ماه هجری قمری دو روز زودتر</translation>
    </message>
    <message>
        <source>List every reminder by the day it falls due next
All Reminders</source>
        <translation>فهرست همهٔ یادآوری‌ها به ترتیب موعد بعدی
همهٔ یادآوری‌ها</translation>
    </message>
    <message>
        <source>Save the reminders of the next five years as an iCalendar file for other calendar programs
Export Reminders</source>
        <translation>ذخیرهٔ یادآوری‌های پنج سال آینده در پرونده‌ای iCalendar برای دیگر برنامه‌های تقویم
صدور یادآوری‌ها</translation>
    </message>
    <message>
        <source>Start Zamanix, minimized, whenever you log in to the desktop
Start at Login</source>
        <translation>اجرای Zamanix به صورت کوچک‌شده هر بار که به میزکار وارد می‌شوید
اجرا هنگام ورود</translation>
    </message>
    <message>
        <source>Print the month shown in the month panel on one page
Print Month</source>
        <translation>چاپ ماهِ نشان‌داده‌شده در پنل ماه روی یک صفحه
چاپ ماه</translation>
    </message>
    <message>
        <source>Show or hide the month at a glance beside the form
Month</source>
        <translation>نمایش یا پنهان کردن نمای ماه در کنار فرم
ماه</translation>
    </message>
    <message>
        <source>Mark the Islamic holy days in the month panel
Islamic Holy Days</source>
        <translation>علامت‌گذاری مناسبت‌های اسلامی در پنل ماه
مناسبت‌های اسلامی</translation>
    </message>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>آماده</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>ایجاد یک سند جدید
جدید</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>باز کردن یک سند موجود
باز کردن</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>بستن سند فعال
بستن</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>ذخیرهٔ سند فعال
ذخیره</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>ذخیرهٔ سند فعال با نامی جدید
ذخیره به عنوان</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>تغییر گزینه‌های چاپ
تنظیم صفحه</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>تغییر چاپگر و گزینه‌های چاپ
تنظیمات چاپگر</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>چاپ سند فعال
چاپ</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>نمایش صفحه‌های کامل
پیش‌نمایش چاپ</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>باز کردن این سند</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>پاک کردن گزینش
پاک کردن</translation>
    </message>
    <message>
        <source>Erase everything
Erase All</source>
        <translation>پاک کردن همه چیز
پاک کردن همه</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>کپی گزینش در تخته‌برش
کپی</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>برش گزینش و گذاشتن آن در تخته‌برش
برش</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>پیدا کردن متن مشخص‌شده
پیدا کردن</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>درج محتوای تخته‌برش
چسباندن</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>تکرار آخرین کار
تکرار</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>جایگزینی متنی مشخص با متنی دیگر
جایگزینی</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>گزینش کل سند
گزینش همه</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>بازگردانی آخرین کار
بازگردانی</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>انجام دوبارهٔ کاری که بازگردانده شد
بازانجام</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>تقسیم پنجرهٔ فعال به چند قاب
تقسیم</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>نمایش اطلاعات برنامه، شمارهٔ نسخه و حق نشر
دربارهٔ برنامه</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>خروج از برنامه، با پرسش برای ذخیرهٔ سندها
خروج</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>رفتن به قاب بعدی پنجره
قاب بعدی</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>بازگشت به قاب قبلی پنجره
قاب قبلی</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>نمایش یا پنهان کردن نوار ابزار
نوار ابزار</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>نمایش یا پنهان کردن نوار وضعیت
نوار وضعیت</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>بستن پیش‌نمایش چاپ
بستن پیش‌نمایش</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>گسترش</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>حروف بزرگ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>اعداد</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>پیمایش</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>رونویسی</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>ضبط</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>تغییر اندازهٔ پنجره</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>تغییر جای پنجره</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>کوچک کردن پنجره به یک نماد</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>بزرگ کردن پنجره به اندازهٔ کامل</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>رفتن به پنجرهٔ سند بعدی</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>رفتن به پنجرهٔ سند قبلی</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>بستن پنجرهٔ فعال، با پرسش برای ذخیرهٔ سندها</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>بازگرداندن پنجره به اندازهٔ عادی</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>فعال کردن فهرست کارها</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>ذخیره به عنوان</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>همهٔ پرونده‌ها (*.*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بی‌عنوان</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>یک پروندهٔ بی‌نام</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;پنهان کردن</translation>
    </message>
    <message>
        <source>No error message is available.</source>
        <translation>هیچ پیام خطایی در دسترس نیست.</translation>
    </message>
    <message>
        <source>An unsupported operation was attempted.</source>
        <translation>تلاش برای انجام کاری پشتیبانی‌نشده.</translation>
    </message>
    <message>
        <source>A required resource was unavailable.</source>
        <translation>یکی از منابع لازم در دسترس نبود.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>حافظه کافی نیست.</translation>
    </message>
    <message>
        <source>An unknown error has occurred.</source>
        <translation>خطای ناشناخته‌ای رخ داد.</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>روی %1</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;یک صفحه</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;دو صفحه</translation>
    </message>
    <message>
        <source>Page %u</source>
        <translation>صفحهٔ %u</translation>
    </message>
    <message>
        <source>Page %u
Pages %u-%u
</source>
        <translation>صفحهٔ %u
صفحه‌های %u-%u
</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>چاپ در پرونده</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>به %1</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>نام پرونده نامعتبر است.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>باز کردن سند ممکن نشد.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>ذخیرهٔ سند ممکن نشد.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>تغییرات %1 ذخیره شود؟</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>ایجاد سند خالی ممکن نشد.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>پرونده برای باز شدن بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>آغاز کار چاپ ممکن نشد.</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>اجرای راهنما ممکن نشد.</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>خطای داخلی برنامه.</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>فرمان ناموفق بود.</translation>
    </message>
    <message>
        <source>Insufficient memory to perform operation.</source>
        <translation>حافظه برای انجام این کار کافی نیست.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>مدخل‌های رجیستری سیستم برداشته شد و پروندهٔ INI (اگر بود) پاک شد.</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>همهٔ مدخل‌های رجیستری سیستم (یا پروندهٔ INI) برداشته نشد.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>لطفاً یک عدد صحیح وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>لطفاً یک عدد وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>لطفاً عدد صحیحی بین %1 و %2 وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>لطفاً عددی بین %1 و %2 وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>لطفاً بیش از %1 نویسه وارد نکنید.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>لطفاً یک دکمه را برگزینید.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>لطفاً عدد صحیحی بین 0 و 255 وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>لطفاً یک عدد صحیح مثبت وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>لطفاً تاریخ و/یا زمان وارد کنید.</translation>
    </message>
    <message>
        <source>Please enter a currency.</source>
        <translation>لطفاً یک مبلغ پولی وارد کنید.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>قالب پرونده غیرمنتظره است.</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
این پرونده پیدا نشد.
لطفاً درستی مسیر و نام پرونده را بررسی کنید.</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>دیسک مقصد پر است.</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>خواندن از %1 ممکن نیست؛ کس دیگری آن را باز کرده است.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>نوشتن در %1 ممکن نیست؛ فقط‌خواندنی است یا کس دیگری آن را باز کرده است.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>هنگام خواندن %1 خطای غیرمنتظره‌ای رخ داد.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>هنگام نوشتن %1 خطای غیرمنتظره‌ای رخ داد.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>خطایی رخ نداد.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>تلاش شد به فراتر از پایان %1 دسترسی شود.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 طرح‌واره‌ای نادرست دارد.</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>پیکسل</translation>
    </message>
    <message>
        <source>Save a copy of every reminder and setting in a file of your choice
Back Up Reminders</source>
        <translation>ذخیرهٔ رونوشتی از همهٔ یادآوری‌ها و تنظیمات در پرونده‌ای به انتخاب شما
پشتیبان‌گیری از یادآوری‌ها</translation>
    </message>
    <message>
        <source>Replace the reminders and settings with those of a backup
Restore Reminders</source>
        <translation>جایگزینی یادآوری‌ها و تنظیمات با آنچه در پشتیبان است
بازگردانی یادآوری‌ها</translation>
    </message>
    <message>
        <source>List the keys that work in Zamanix's windows
Keyboard Shortcuts</source>
        <translation>فهرست کلیدهایی که در پنجره‌های Zamanix کار می‌کنند
میان‌برهای صفحه‌کلید</translation>
    </message>
    <message>
        <source>Open the manual of Zamanix
Manual</source>
        <translation>باز کردن راهنمای Zamanix
راهنما</translation>
    </message>
    <message>
        <source>Keep a calendar on a CalDAV server holding your reminders, for your phone and other calendar programs
Calendar Server</source>
        <translation>نگه‌داشتن تقویمی با یادآوری‌های شما روی سرور CalDAV، برای تلفن و دیگر برنامه‌های تقویم
سرور تقویم</translation>
    </message>
    <message>
        <source>Publish the reminders to the calendar server now
Publish Now</source>
        <translation>انتشار یادآوری‌ها در سرور تقویم همین حالا
انتشار اکنون</translation>
    </message>
    <message>
        <source>List, remove and import the days on which your community's Hijri months began
Hijri Month Starts</source>
        <translation>فهرست، حذف و وارد کردن روزهایی که ماه‌های هجری قمری جامعهٔ شما در آن‌ها آغاز شد
آغاز ماه‌های هجری قمری</translation>
    </message>
    <message>
        <source>On the 29th of each Hijri month, ask in the evening whether the new moon was seen
Ask About the New Moon</source>
        <translation>در روز 29 هر ماه هجری قمری، شامگاه بپرس که هلال دیده شد یا نه
پرسیدن دربارهٔ هلال</translation>
    </message>
    <message>
        <source>Write numbers in the digits 0 to 9 instead of your language's own
Western Digits</source>
        <translation>نوشتن عددها با رقم‌های 0 تا 9 به‌جای رقم‌های زبان شما
ارقام لاتین</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>نوار ابزار</translation>
    </message>
</context>
</TS>
