<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>CAllRemindersWindow</name>
    <message>
        <source>All Reminders - Zamanix</source>
        <translation>تمام یاد دہانیاں - Zamanix</translation>
    </message>
    <message>
        <source>Filter by memo or key</source>
        <translation>نوٹ یا کلید کے لحاظ سے چھانٹیں</translation>
    </message>
    <message>
        <source>Filter reminders</source>
        <translation>یاد دہانیاں چھانٹیں</translation>
    </message>
    <message>
        <source>Shows only the reminders whose memo or key holds this text</source>
        <translation>صرف وہ یاد دہانیاں دکھاتا ہے جن کے نوٹ یا کلید میں یہ متن ہو</translation>
    </message>
    <message>
        <source>All reminders</source>
        <translation>تمام یاد دہانیاں</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Delete removes it, Escape closes the window</source>
        <translation type="vanished">Enter یاد دہانی کو فارم میں کھولتا ہے، Delete اسے حذف کرتا ہے، Escape ونڈو بند کرتا ہے</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <comment>%n reminder</comment>
        <translation>
            <numerusform>%n یاد دہانی</numerusform>
            <numerusform>%n یاد دہانیاں</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reminders</source>
        <comment>%1 of %n reminder</comment>
        <translation>
            <numerusform>%n میں سے %1 یاد دہانی</numerusform>
            <numerusform>%n میں سے %1 یاد دہانیاں</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n never fall due</source>
        <comment>%1; %n never falls due</comment>
        <translation>
            <numerusform>%1؛ %n کبھی واجب نہیں ہوتی</numerusform>
            <numerusform>%1؛ %n کبھی واجب نہیں ہوتیں</numerusform>
        </translation>
    </message>
    <message>
        <source>The form cannot show %1: %2.

Delete it here, or mend its key in the profile.</source>
        <translation>فارم %1 نہیں دکھا سکتا: %2۔

اسے یہاں حذف کریں، یا ترتیبات کی فائل میں اس کی کلید درست کریں۔</translation>
    </message>
    <message>
        <source>Delete the reminder %1?

%2</source>
        <translation>کیا یاد دہانی %1 حذف کی جائے؟

%2</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>%1 کی یاد دہانی حذف نہیں ہو سکی۔</translation>
    </message>
    <message>
        <source>The form cannot show a day of %1, which never falls due: %2.

Edit it here, or delete it.</source>
        <translation>فارم %1 کا کوئی دن نہیں دکھا سکتا، یہ کبھی واجب نہیں ہوتی: %2۔

اسے یہاں ترمیم کریں، یا حذف کریں۔</translation>
    </message>
    <message>
        <source>&amp;New Reminder...</source>
        <translation>&amp;نئی یاد دہانی...</translation>
    </message>
    <message>
        <source>Adds a reminder: every year, once, every month or every week</source>
        <translation>یاد دہانی شامل کرتا ہے: ہر سال، ایک بار، ہر مہینے یا ہر ہفتے</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;ترمیم...</translation>
    </message>
    <message>
        <source>Changes the selected reminder</source>
        <translation>منتخب یاد دہانی بدلتا ہے</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>فارم میں &amp;کھولیں</translation>
    </message>
    <message>
        <source>Shows the selected reminder's day in the form</source>
        <translation>منتخب یاد دہانی کا دن فارم میں دکھاتا ہے</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف کریں</translation>
    </message>
    <message>
        <source>Deletes the selected reminder, after asking</source>
        <translation>پوچھنے کے بعد منتخب یاد دہانی حذف کرتا ہے</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>بر&amp;آمد...</translation>
    </message>
    <message>
        <source>Saves the reminders of the next five years as an iCalendar file</source>
        <translation>اگلے پانچ برسوں کی یاد دہانیاں iCalendar فائل میں محفوظ کرتا ہے</translation>
    </message>
    <message>
        <source>There are no reminders yet. Choose New Reminder... to add one of any kind, or in the main window choose a date, type a memo and choose Add.</source>
        <translation>ابھی کوئی یاد دہانی نہیں۔ کسی بھی قسم کی یاد دہانی کے لیے نئی یاد دہانی... چنیں، یا مرکزی ونڈو میں تاریخ چنیں، نوٹ لکھیں اور شامل کریں چنیں۔</translation>
    </message>
    <message>
        <source>Enter opens a yearly reminder in the form and edits the others, Delete removes one, the Menu key shows what else can be done, Escape closes the window</source>
        <translation>Enter سالانہ یاد دہانی فارم میں کھولتا ہے اور باقی میں ترمیم کرتا ہے، Delete ایک حذف کرتا ہے، مینو کلید مزید کام دکھاتی ہے، Escape ونڈو بند کرتا ہے</translation>
    </message>
    <message>
        <source>%1 never falls due: %2.</source>
        <translation>%1 کبھی واجب نہیں ہوتی: %2۔</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by; it will not ring again.</source>
        <translation>%1 کا دن %2 تھا، جو گزر چکا؛ یہ پھر نہیں بجے گی۔</translation>
    </message>
    <message>
        <source>%1 falls due %2.</source>
        <translation>%1 واجب ہوتی ہے %2۔</translation>
    </message>
    <message>
        <source>A reminder for %1 exists already:

%2

Replace it with this one?</source>
        <translation>%1 کی یاد دہانی پہلے سے موجود ہے:

%2

کیا اسے اس سے بدل دیں؟</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved.

%2</source>
        <translation>%1 کی یاد دہانی محفوظ نہیں ہو سکی۔

%2</translation>
    </message>
</context>
<context>
    <name>CCalendarServerDialog</name>
    <message>
        <source>Calendar Server - Zamanix</source>
        <translation>کیلنڈر سرور - Zamanix</translation>
    </message>
    <message>
        <source>Zamanix keeps a calendar on a CalDAV server holding each day on which a reminder falls due, for your phone and other calendar programs. A calendar that does not exist yet is created; without a URL nothing is published.</source>
        <translation>Zamanix ایک CalDAV سرور پر کیلنڈر رکھتا ہے جس میں ہر وہ دن ہوتا ہے جب کوئی یاد دہانی واجب ہو، آپ کے فون اور دوسرے کیلنڈر پروگراموں کے لیے۔ جو کیلنڈر ابھی موجود نہ ہو وہ بنا دیا جاتا ہے؛ URL کے بغیر کچھ شائع نہیں ہوتا۔</translation>
    </message>
    <message>
        <source>Calendar URL</source>
        <translation>کیلنڈر کا URL</translation>
    </message>
    <message>
        <source>The address of the calendar on the server, such as https://dav.example.org/anna/zamanix/</source>
        <translation>سرور پر کیلنڈر کا پتا، جیسے https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>Over http:// the password travels unencrypted: use https://, unless the server runs on this computer.</source>
        <translation>http:// پر پاس ورڈ بغیر خفیہ کاری کے جاتا ہے: https:// استعمال کریں، جب تک سرور اسی کمپیوٹر پر نہ چل رہا ہو۔</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>صارف نام</translation>
    </message>
    <message>
        <source>Your user name on the calendar server</source>
        <translation>کیلنڈر سرور پر آپ کا صارف نام</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>پاس ورڈ</translation>
    </message>
    <message>
        <source>Your password on the calendar server</source>
        <translation>کیلنڈر سرور پر آپ کا پاس ورڈ</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>آئندہ سال</translation>
    </message>
    <message>
        <source>How many years of reminders, from today on, the calendar holds</source>
        <translation>آج سے کتنے سال کی یاد دہانیاں کیلنڈر میں ہوں</translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>&amp;کیلنڈر کا URL:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;صارف نام:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;پاس ورڈ:</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>آئندہ &amp;سال:</translation>
    </message>
    <message>
        <source>Publish &amp;Now</source>
        <translation>ابھی &amp;شائع کریں</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;محفوظ کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>The password goes to your desktop's keyring, never into a file of Zamanix.</source>
        <translation>پاس ورڈ آپ کے ڈیسک ٹاپ کی کی رنگ میں جاتا ہے، Zamanix کی کسی فائل میں کبھی نہیں۔</translation>
    </message>
    <message>
        <source>No password is kept for this user at this calendar: give it here.</source>
        <translation>اس کیلنڈر پر اس صارف کا کوئی پاس ورڈ محفوظ نہیں: اسے یہاں دیں۔</translation>
    </message>
    <message>
        <source>No keyring took the password, so it is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>کسی کی رنگ نے پاس ورڈ نہیں لیا، اس لیے یہ صرف اس سیشن کے لیے محفوظ ہے: Zamanix دوبارہ شروع ہونے کے بعد اسے یہاں پھر دیں۔</translation>
    </message>
    <message>
        <source>The password is kept in your desktop's keyring.</source>
        <translation>پاس ورڈ آپ کے ڈیسک ٹاپ کی کی رنگ میں محفوظ ہے۔</translation>
    </message>
    <message>
        <source>No keyring answered (%1), so the password is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>کسی کی رنگ نے جواب نہیں دیا (%1)، اس لیے پاس ورڈ صرف اس سیشن کے لیے محفوظ ہے: Zamanix دوبارہ شروع ہونے کے بعد اسے یہاں پھر دیں۔</translation>
    </message>
    <message>
        <source>The calendar server's settings were not saved: %1.</source>
        <translation>کیلنڈر سرور کی ترتیبات محفوظ نہیں ہوئیں: %1۔</translation>
    </message>
    <message>
        <source>The calendar server's settings could not be written to the profile; Zamanix publishes with them until it ends.

%1</source>
        <translation>کیلنڈر سرور کی ترتیبات پروفائل میں نہیں لکھی جا سکیں؛ Zamanix بند ہونے تک انہی سے شائع کرے گا۔

%1</translation>
    </message>
    <message>
        <source>Handing the password to the keyring...</source>
        <translation>پاس ورڈ کی رنگ کے حوالے کیا جا رہا ہے...</translation>
    </message>
    <message>
        <source>Give the URL of a calendar first: Zamanix publishes the reminders there.</source>
        <translation>پہلے کسی کیلنڈر کا URL دیں: Zamanix یاد دہانیاں وہیں شائع کرتا ہے۔</translation>
    </message>
    <message>
        <source>Save the changes to the calendar server's settings?</source>
        <translation>کیا کیلنڈر سرور کی ترتیبات میں تبدیلیاں محفوظ کریں؟</translation>
    </message>
    <message>
        <source>Publish Now publishes the reminders at once; Zamanix also publishes them by itself after each change.</source>
        <translation>ابھی شائع کریں یاد دہانیاں فوراً شائع کرتا ہے؛ Zamanix ہر تبدیلی کے بعد بھی خود انہیں شائع کرتا ہے۔</translation>
    </message>
    <message>
        <source>Publishing is off: give the URL of a calendar to publish to.</source>
        <translation>اشاعت بند ہے: شائع کرنے کے لیے کسی کیلنڈر کا URL دیں۔</translation>
    </message>
</context>
<context>
    <name>CCrescentPrompt</name>
    <message>
        <source>Has the new moon of %1 been seen?</source>
        <translation>کیا %1 کا چاند نظر آیا؟</translation>
    </message>
    <message>
        <source>Today is 29 %1; your answer records the day %2 begins.</source>
        <translation>آج 29 %1 ہے؛ آپ کا جواب وہ دن درج کرتا ہے جب %2 شروع ہوتا ہے۔</translation>
    </message>
    <message>
        <source>Yes: %1 begins tomorrow</source>
        <translation>ہاں: %1 کل سے شروع</translation>
    </message>
    <message>
        <source>No: %1 has 30 days</source>
        <translation>نہیں: %1 کے 30 دن ہیں</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ابھی نہیں</translation>
    </message>
    <message>
        <source>Zamanix: The New Moon</source>
        <translation>Zamanix: نیا چاند</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>%1 کا آغاز درج نہیں ہو سکا۔</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>نئے چاند کے بارے میں پوچھنے کی ترتیب محفوظ نہیں ہو سکی؛ Zamanix بند ہونے پر اسے بھول جائے گا۔</translation>
    </message>
    <message>
        <source>The choice of digits could not be saved; Zamanix forgets it when it closes.</source>
        <translation>ہندسوں کا انتخاب محفوظ نہیں ہو سکا؛ Zamanix بند ہونے پر اسے بھول جائے گا۔</translation>
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
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>الارم</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>نوٹ</translation>
    </message>
</context>
<context>
    <name>CMissedRemindersWindow</name>
    <message>
        <source>Missed Reminders - Zamanix</source>
        <translation>چھوٹی ہوئی یاد دہانیاں - Zamanix</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>چھوٹی ہوئی یاد دہانیاں</translation>
    </message>
    <message>
        <source>These reminders fell due while Zamanix was not running or the computer was asleep.</source>
        <translation>ان یاد دہانیوں کا وقت اس دوران آیا جب Zamanix نہیں چل رہا تھا یا کمپیوٹر سلیپ میں تھا۔</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>چھوٹی ہوئی یاد دہانیاں</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Escape closes the window</source>
        <translation>Enter یاد دہانی کو فارم میں کھولتا ہے، Escape ونڈو بند کرتا ہے</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>فارم میں &amp;کھولیں</translation>
    </message>
    <message>
        <source>Shows the selected reminder in the form</source>
        <translation>منتخب یاد دہانی کو فارم میں دکھاتا ہے</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders missed</source>
        <comment>%n reminder missed</comment>
        <translation>
            <numerusform>%n یاد دہانی چھوٹ گئی</numerusform>
            <numerusform>%n یاد دہانیاں چھوٹ گئیں</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMonthDock</name>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Whether the month panel is shown could not be saved; Zamanix forgets it when it closes.</source>
        <translation>مہینے کا پینل دکھانے یا چھپانے کی ترتیب محفوظ نہیں ہو سکی؛ Zamanix بند ہونے پر اسے بھول جائے گا۔</translation>
    </message>
    <message>
        <source>Whether the holy days are marked could not be saved; Zamanix forgets it when it closes.</source>
        <translation>مقدس ایام پر نشان لگانے کی ترتیب محفوظ نہیں ہو سکی؛ Zamanix بند ہونے پر اسے بھول جائے گا۔</translation>
    </message>
    <message>
        <source>The side of the month panel could not be saved.</source>
        <translation>مہینے کے پینل کی جگہ محفوظ نہیں ہو سکی۔</translation>
    </message>
</context>
<context>
    <name>CMonthPanel</name>
    <message>
        <source>Week %1</source>
        <translation>ہفتہ %1</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>پچھلا سال</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>پچھلا مہینہ</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>اگلا مہینہ</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>اگلا سال</translation>
    </message>
    <message>
        <source>Arrow keys move the day, Page Up and Page Down the month, with Control the year; Home goes to today; Enter shows the day in the form</source>
        <translation>تیر والی کلیدیں دن بدلتی ہیں، Page Up اور Page Down مہینہ، اور Ctrl کے ساتھ سال؛ Home آج پر لے جاتی ہے؛ Enter دن کو فارم میں دکھاتی ہے</translation>
    </message>
    <message>
        <source>Holy days: %1</source>
        <translation>مقدس ایام: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>اور %1 مزید</translation>
    </message>
    <message>
        <source>Holy days</source>
        <translation>مقدس ایام</translation>
    </message>
    <message>
        <source>Phases of the Moon (local time)</source>
        <translation>چاند کے مراحل (مقامی وقت)</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>یاد دہانیاں</translation>
    </message>
    <message>
        <source>reminder: %1</source>
        <translation>یاد دہانی: %1</translation>
    </message>
    <message>
        <source>reminders: %1</source>
        <translation>یاد دہانیاں: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (alarm at %2)</source>
        <translation>یاد دہانی: %1 (الارم %2 بجے)</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>یاد دہانی: %1</translation>
    </message>
    <message>
        <source>new moon at %1</source>
        <translation>نیا چاند %1 بجے</translation>
    </message>
    <message>
        <source>first quarter at %1</source>
        <translation>پہلی چوتھائی %1 بجے</translation>
    </message>
    <message>
        <source>full moon at %1</source>
        <translation>پورا چاند %1 بجے</translation>
    </message>
    <message>
        <source>last quarter at %1</source>
        <translation>آخری چوتھائی %1 بجے</translation>
    </message>
    <message>
        <source>today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>Began On...</source>
        <translation>شروع ہوا...</translation>
    </message>
    <message>
        <source>This Month Began On...</source>
        <translation>یہ مہینہ شروع ہوا...</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>اندراج ہٹائیں</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>%1 کا آغاز درج نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>The recorded start of %1 could not be removed.</source>
        <translation>%1 کا درج شدہ آغاز ہٹایا نہیں جا سکا۔</translation>
    </message>
</context>
<context>
    <name>CMonthStartDialog</name>
    <message>
        <source>When %1 Began - Zamanix</source>
        <translation>%1 کب شروع ہوا - Zamanix</translation>
    </message>
    <message>
        <source>The days it can have begun on</source>
        <translation>وہ دن جن میں یہ شروع ہو سکتا تھا</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;درج کریں</translation>
    </message>
    <message>
        <source>Remove Recor&amp;d</source>
        <translation>اندراج &amp;ہٹائیں</translation>
    </message>
    <message>
        <source>%1 cannot be recorded to begin on any day now: %2</source>
        <translation>%1 کا آغاز اب کسی دن درج نہیں ہو سکتا: %2</translation>
    </message>
    <message>
        <source>%1 began on %2, as recorded; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 درج کے مطابق %2 کو شروع ہوا؛ %3 اسے %4 کو شروع کرتا ہے۔ وہ دن چنیں جس کا اعلان آپ کی برادری نے کیا۔</translation>
    </message>
    <message>
        <source>%1 begins on %2, moved by the records of the months around it; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 اردگرد کے مہینوں کے اندراجات کی وجہ سے %2 کو شروع ہوتا ہے؛ %3 اسے %4 کو شروع کرتا ہے۔ وہ دن چنیں جس کا اعلان آپ کی برادری نے کیا۔</translation>
    </message>
    <message>
        <source>%1 begins on %2 under %3. Choose the day your community announced.</source>
        <translation>%3 کے تحت %1 %2 کو شروع ہوتا ہے۔ وہ دن چنیں جس کا اعلان آپ کی برادری نے کیا۔</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start, recorded)</source>
        <translation>%1، اب %2 (قاعدے کا آغاز، درج شدہ)</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start)</source>
        <translation>%1، اب %2 (قاعدے کا آغاز)</translation>
    </message>
    <message>
        <source>%1, now %2 (recorded)</source>
        <translation>%1، اب %2 (درج شدہ)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <translation>%1، اب %2</translation>
    </message>
</context>
<context>
    <name>CMonthStartModel</name>
    <message>
        <source>Ignored: %1</source>
        <translation>نظرانداز: %1</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>وہی دن</translation>
    </message>
    <message>
        <source>1 day earlier</source>
        <translation>1 دن پہلے</translation>
    </message>
    <message>
        <source>1 day later</source>
        <translation>1 دن بعد</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>%1 دن پہلے</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>%1 دن بعد</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>ہجری مہینہ</translation>
    </message>
    <message>
        <source>Began on</source>
        <translation>شروع ہوا</translation>
    </message>
    <message>
        <source>The rule's start</source>
        <translation>قاعدے کا آغاز</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>فرق</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>نوٹ</translation>
    </message>
</context>
<context>
    <name>CMonthStartsWindow</name>
    <message>
        <source>and %1 more</source>
        <translation>اور %1 مزید</translation>
    </message>
    <message>
        <source>Hijri Month Starts - Zamanix</source>
        <translation>ہجری مہینوں کے آغاز - Zamanix</translation>
    </message>
    <message>
        <source>Recorded month starts</source>
        <translation>درج شدہ مہینوں کے آغاز</translation>
    </message>
    <message>
        <source>Delete removes the selected record; Escape closes the window</source>
        <translation>Delete منتخب اندراج ہٹاتا ہے؛ Escape ونڈو بند کرتا ہے</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;ہٹائیں</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;درآمد...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message>
        <source>Replace the records with those of a file, as a mosque or a community site publishes them</source>
        <translation>اندراجات کو کسی فائل والوں سے بدلیں، جیسے کوئی مسجد یا برادری کی ویب سائٹ شائع کرتی ہے</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>نیا چاند</translation>
    </message>
    <message>
        <source>Ask on the 29th of each Hijri month whether it was seen, at</source>
        <translation>ہر ہجری مہینے کی 29 تاریخ کو پوچھیں کہ کیا یہ نظر آیا، وقت</translation>
    </message>
    <message>
        <source>Time of the question about the new moon</source>
        <translation>نئے چاند کے سوال کا وقت</translation>
    </message>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>نئے چاند کے بارے میں پوچھنے کی ترتیب محفوظ نہیں ہو سکی؛ Zamanix بند ہونے پر اسے بھول جائے گا۔</translation>
    </message>
    <message>
        <source>The time of the question about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>نئے چاند کے سوال کا وقت محفوظ نہیں ہو سکا؛ Zamanix بند ہونے پر اسے بھول جائے گا۔</translation>
    </message>
    <message>
        <source>The Hijri calendar in use: %1.</source>
        <translation>زیر استعمال ہجری کیلنڈر: %1۔</translation>
    </message>
    <message>
        <source>No month start is recorded; the month panel's This Month Began On... records one.</source>
        <translation>کسی مہینے کا آغاز درج نہیں؛ مہینے کے پینل کا یہ مہینہ شروع ہوا... ایک درج کرتا ہے۔</translation>
    </message>
    <message>
        <source>Each record says on which day a Hijri month began for your community; a marked one cannot be kept and is ignored.</source>
        <translation>ہر اندراج بتاتا ہے کہ آپ کی برادری کے لیے ہجری مہینہ کس دن شروع ہوا؛ نشان زدہ اندراج رکھا نہیں جا سکتا اور نظرانداز ہوتا ہے۔</translation>
    </message>
    <message>
        <source>Remove the recorded start of %1, %2?</source>
        <translation>کیا %1 کا درج شدہ آغاز، %2، ہٹا دیں؟</translation>
    </message>
    <message>
        <source>Remove the entry %1 from the profile?</source>
        <translation>کیا اندراج %1 پروفائل سے ہٹا دیں؟</translation>
    </message>
    <message>
        <source>The record of %1 could not be removed.</source>
        <translation>%1 کا اندراج ہٹایا نہیں جا سکا۔</translation>
    </message>
    <message>
        <source>Import Hijri Month Starts</source>
        <translation>ہجری مہینوں کے آغاز درآمد کریں</translation>
    </message>
    <message>
        <source>Month starts (*.txt *.ini)</source>
        <translation>مہینوں کے آغاز (*.txt *.ini)</translation>
    </message>
    <message>
        <source>Importing "%1" replaces the month starts recorded now, and %2 of them that the file does not hold will be removed. Import it?</source>
        <translation>"%1" درآمد کرنے سے اب درج شدہ مہینوں کے آغاز بدل جائیں گے، اور ان میں سے %2 جو فائل میں نہیں ہٹا دیے جائیں گے۔ کیا درآمد کریں؟</translation>
    </message>
    <message>
        <source>The month starts of "%1" could not be imported.</source>
        <translation>"%1" کے مہینوں کے آغاز درآمد نہیں ہو سکے۔</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>یہ فائل نہیں</translation>
    </message>
    <message>
        <source>it is larger than a list of month starts can be</source>
        <translation>یہ مہینوں کے آغاز کی فہرست سے بڑی ہے</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1": %2.</source>
        <translation>"%1" سے کچھ درآمد نہیں ہوا: %2۔</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1", for these lines:</source>
        <translation>"%1" سے ان سطروں کی وجہ سے کچھ درآمد نہیں ہوا:</translation>
    </message>
</context>
<context>
    <name>COneCopy</name>
    <message>
        <source>Zamanix opens local files only</source>
        <translation>Zamanix صرف مقامی فائلیں کھولتا ہے</translation>
    </message>
    <message>
        <source>Zamanix has no action %1</source>
        <translation>Zamanix میں %1 نام کا کوئی عمل نہیں</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Every year</source>
        <translation>ہر سال</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>ایک بار</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>ہر مہینے</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>ہر ہفتے</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>عیسوی</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>اتوار</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>ہفتہ</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> منٹ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source> day before</source>
        <translation> دن پہلے</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> دن پہلے</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>کیلنڈر</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>ہفتے کا دن</translation>
    </message>
    <message>
        <source>Falls due</source>
        <translation>واجب ہوتی ہے</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>نوٹ</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>الارم کا وقت</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>دہرانے کا وقفہ منٹوں میں</translation>
    </message>
    <message>
        <source>Notice: days before each day it falls due</source>
        <translation>پیشگی اطلاع: ہر واجب دن سے پہلے کے دن</translation>
    </message>
    <message>
        <source>Edit Reminder - Zamanix</source>
        <translation>یاد دہانی میں ترمیم - Zamanix</translation>
    </message>
    <message>
        <source>New Reminder - Zamanix</source>
        <translation>نئی یاد دہانی - Zamanix</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;قسم:</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;کیلنڈر:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;مہینہ:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;دن:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;سال:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>ہفتے کا د&amp;ن:</translation>
    </message>
    <message>
        <source>Falls due:</source>
        <translation>واجب ہوتی ہے:</translation>
    </message>
    <message>
        <source>M&amp;emo:</source>
        <translation>&amp;نوٹ:</translation>
    </message>
    <message>
        <source>&amp;Alarm at:</source>
        <translation>&amp;الارم:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>ہر &amp;بار دہرائیں:</translation>
    </message>
    <message>
        <source>&amp;Notice:</source>
        <translation>&amp;پیشگی اطلاع:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;محفوظ کریں</translation>
    </message>
</context>
<context>
    <name>CReminderTableModel</name>
    <message>
        <source>Calendar</source>
        <translation>کیلنڈر</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>کلید</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>نوٹ</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>الارم</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>تکرار</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>اگلی تاریخ</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>کل</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <comment>in %n day</comment>
        <translation>
            <numerusform>%n دن میں</numerusform>
            <numerusform>%n دن میں</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>نامعلوم</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>عیسوی</translation>
    </message>
    <message>
        <source>never</source>
        <translation>کبھی نہیں</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 منٹ</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>کبھی نہیں: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>پیشگی اطلاع</translation>
    </message>
    <message>
        <source>past, yesterday</source>
        <translation>گزر چکا، کل</translation>
    </message>
    <message numerus="yes">
        <source>past, %n days ago</source>
        <comment>past, %n day ago</comment>
        <translation>
            <numerusform>گزر چکا، %n دن پہلے</numerusform>
            <numerusform>گزر چکا، %n دن پہلے</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>ہر سال</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>ایک بار</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>ہر مہینے</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>ہر ہفتے</translation>
    </message>
    <message numerus="yes">
        <source>%n days before</source>
        <comment>%n day before</comment>
        <translation>
            <numerusform>%n دن پہلے</numerusform>
            <numerusform>%n دن پہلے</numerusform>
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
        <translation>کی بورڈ شارٹ کٹس - Zamanix</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>کہاں</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>کلیدیں</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>کیا کرتی ہیں</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>کی بورڈ شارٹ کٹس</translation>
    </message>
</context>
<context>
    <name>CZamanixApp</name>
    <message>
        <source>zamanix: the running copy does not answer (%1); starting another</source>
        <translation>zamanix: چلتی ہوئی کاپی جواب نہیں دے رہی (%1)؛ دوسری کاپی شروع کی جا رہی ہے</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the programs to start at login.</source>
        <translation>نہ XDG_CONFIG_HOME اور نہ HOME اس فولڈر کی نشان دہی کرتے ہیں جہاں ڈیسک ٹاپ لاگ ان پر شروع ہونے والے پروگرام تلاش کرتا ہے۔</translation>
    </message>
    <message>
        <source>The program's path "%1" cannot be written in a desktop entry.</source>
        <translation>پروگرام کا راستہ "%1" ڈیسک ٹاپ اندراج میں نہیں لکھا جا سکتا۔</translation>
    </message>
    <message>
        <source>Zamanix could not stop starting at login:

%1</source>
        <translation>Zamanix کو لاگ ان پر شروع ہونے سے روکا نہیں جا سکا:

%1</translation>
    </message>
    <message>
        <source>Zamanix could not be set to start at login:

%1</source>
        <translation>Zamanix کو لاگ ان پر شروع ہونے کے لیے مقرر نہیں کیا جا سکا:

%1</translation>
    </message>
    <message>
        <source>The manual could not be opened: no help viewer (such as Yelp) is installed, nor the README.

In a terminal, "man zamanix" shows the manual.</source>
        <translation>ہدایت نامہ نہیں کھل سکا: کوئی مدد دکھانے والا پروگرام (جیسے Yelp) نصب نہیں، نہ ہی README۔

ٹرمینل میں "man zamanix" ہدایت نامہ دکھاتا ہے۔</translation>
    </message>
</context>
<context>
    <name>CZamanixProfile</name>
    <message>
        <source>Zamanix cannot compute the %1 calendar: %2.

It goes on with the %3 calendar; Options &gt; Hijri Calendar chooses another.</source>
        <translation>Zamanix %1 کیلنڈر کا حساب نہیں لگا سکتا: %2۔

یہ %3 کیلنڈر کے ساتھ جاری رہے گا؛ اختیارات &gt; ہجری کیلنڈر کوئی اور چنتا ہے۔</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>%1 درج نہیں ہو سکتا: %2</translation>
    </message>
</context>
<context>
    <name>CZamanixView</name>
    <message>
        <source>Zamanix Reminder</source>
        <translation>Zamanix یاد دہانی</translation>
    </message>
    <message>
        <source>Remind me again in %1 minutes</source>
        <translation>%1 منٹ بعد دوبارہ یاد دلائیں</translation>
    </message>
    <message>
        <source>Done for today</source>
        <translation>آج کے لیے بس</translation>
    </message>
    <message>
        <source>Zamanix Reminder:

</source>
        <translation>Zamanix یاد دہانی:

</translation>
    </message>
    <message>
        <source>

Do you want me to remind you again in %1 minutes?</source>
        <translation>

کیا آپ چاہتے ہیں کہ میں %1 منٹ بعد دوبارہ یاد دلاؤں؟</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>%1:%2, every %3 minutes</source>
        <translation>%1:%2، ہر %3 منٹ بعد</translation>
    </message>
    <message>
        <source>The Hijri calendar setting could not be saved; Zamanix keeps %1 only until it is closed.</source>
        <translation>ہجری کیلنڈر کی ترتیب محفوظ نہیں ہو سکی؛ Zamanix صرف بند ہونے تک "%1" پر قائم رہے گا۔</translation>
    </message>
    <message>
        <source>zamanix: cannot record when the reminders were last checked: %1</source>
        <translation>zamanix: یاد دہانیوں کی آخری جانچ کا وقت درج نہیں ہو سکا: %1</translation>
    </message>
    <message>
        <source>The reminder for %1 cannot be kept: %2.

Nothing was written. Correct the day or type a memo, then choose Add again.</source>
        <translation>%1 کی یاد دہانی محفوظ نہیں ہو سکتی: %2۔

کچھ نہیں لکھا گیا۔ دن درست کریں یا نوٹ لکھیں، پھر دوبارہ شامل کریں چنیں۔</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved. What you typed is still in the form; add it again once the file can be written.</source>
        <translation>%1 کی یاد دہانی محفوظ نہیں ہو سکی۔ آپ نے جو لکھا وہ ابھی فارم میں ہے؛ جب فائل میں لکھا جا سکے تو اسے دوبارہ شامل کریں۔</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>%1 کی یاد دہانی حذف نہیں ہو سکی۔</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays audible only until Zamanix is closed.</source>
        <translation>آواز کی ترتیب محفوظ نہیں ہو سکی؛ الارم صرف Zamanix کے بند ہونے تک قابل سماعت رہے گا۔</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays silent only until Zamanix is closed.</source>
        <translation>آواز کی ترتیب محفوظ نہیں ہو سکی؛ الارم صرف Zamanix کے بند ہونے تک خاموش رہے گا۔</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 میں صرف %3 دن ہیں</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>%1 %2 %3 موجود نہیں</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in the years whose %2 has 30 days</source>
        <translation>%1 کی یاد دہانی محفوظ؛ یہ صرف ان برسوں میں بجتی ہے جن میں %2 کے 30 دن ہوں</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in leap years</source>
        <translation>%1 کی یاد دہانی محفوظ؛ یہ صرف لیپ کے برسوں میں بجتی ہے</translation>
    </message>
    <message>
        <source>Reminder kept for %1, every year</source>
        <translation>%1 کی یاد دہانی محفوظ، ہر سال</translation>
    </message>
    <message>
        <source>Reminder of %1 deleted</source>
        <translation>%1 کی یاد دہانی حذف ہو گئی</translation>
    </message>
    <message>
        <source>There was no reminder of %1 to delete</source>
        <translation>%1 کی کوئی یاد دہانی حذف کرنے کو نہیں تھی</translation>
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
        <translation>استعمال:
  zamanix-convert [--from-hijri] [--format text|iso] [کیلنڈر] تاریخ...
  zamanix-convert --today [--format text|iso] [کیلنڈر]
  zamanix-convert --month سال-مہینہ [--from-hijri] [کیلنڈر]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [کیلنڈر] &lt; تاریخیں
جہاں کیلنڈر سے مراد ہے [--calendar astronomical|umalqura|civil] [--adjust ن]
[--month-starts فائل] [--use-settings]۔

عیسوی کیلنڈر (4 اکتوبر 1582 تک جولین، 15 اکتوبر 1582 سے گریگورین) اور ہجری
کیلنڈر کے درمیان تاریخیں تبدیل کرتا ہے: ہجری کیلنڈر بطور طے شدہ نئے چاند کے
لمحات سے حساب کیا جاتا ہے، یا ام القریٰ یا جدولی (شہری) قاعدے کے مطابق رکھا
جاتا ہے۔

تاریخ سال-مہینہ-دن کی صورت میں ہوتی ہے، اور سال ویسے جیسے لوگ لکھتے ہیں: سال 0
نہیں ہوتا، اور -1-12-31 تاریخ 1-1-1 سے پہلے کا آخری دن ہے۔ (عیسوی کیلنڈر کے)
سال -4000 سے 3000 تک معاون ہیں۔

اختیارات:
  --from-hijri        دی گئی تاریخیں ہجری ہیں (طے شدہ: عیسوی)
  --format text       دونوں تاریخیں ہفتے کے دن کے ساتھ پرنٹ کرتا ہے (طے شدہ)،
                      مثلاً
                        ہفتہ 1 جنوری 2000 = 24 رمضان 1420
  --format iso        صرف تبدیل شدہ تاریخ سال-مم-دد کی صورت میں پرنٹ کرتا
                      ہے، مثلاً
                        1420-09-24
  --today             آج کی تاریخ (مقامی گھڑی) دونوں کیلنڈروں میں دکھاتا ہے
  --month سال-مہینہ   مہینے کو cal(1) کی طرح جدول کی صورت میں پرنٹ کرتا ہے، ہر
                      دن دن/دوسرے-کیلنڈر-میں-دن کی صورت میں
  --batch             معیاری ان پٹ سے ہر سطر میں ایک تاریخ پڑھتا ہے اور ہر
                      ان پٹ سطر کے لیے ایک سطر لکھتا ہے (iso صورت میں، الا یہ
                      کہ --format text دیا جائے)
  --calendar قاعدہ    ہجری کیلنڈر: astronomical (طے شدہ، نئے چاند سے)،
                      umalqura (ام القریٰ، سعودی عرب کا سرکاری کیلنڈر) یا
                      civil (جدولی کیلنڈر)
  --adjust ن          ہجری کیلنڈر کو ن دن منتقل کرتا ہے، -2 سے 2 تک: +1 کے
                      ساتھ ہر دن اگلے دن کی ہجری تاریخ دکھاتا ہے (طے شدہ 0)
  --month-starts فائل ہجری مہینے ویسے شروع ہوتے ہیں جیسے فائل میں درج ہیں، ہر
                      سطر میں ایک مہینہ، سال/مہینہ=سال-مہینہ-دن (ہجری سال اور
                      مہینہ، پھر اس کے پہلے دن کی گریگورین تاریخ)، مثلاً
                      1448/9=2027-02-07، سطر [HijriMonthStarts] کے نیچے یا
                      اس کے بغیر؛ کسی اندراج کے اردگرد کے مہینے اتنے ہی کم
                      منتقل ہوتے ہیں کہ ہر مہینہ 29 یا 30 دن کا رہے
  --use-settings      Zamanix ڈیسک ٹاپ پروگرام کا کیلنڈر، ترمیم اور درج شدہ
                      مہینوں کے آغاز (اس کی ترتیبات کی فائل، zamanix.INI) لیتا
                      ہے، الا یہ کہ --calendar، --adjust یا --month-starts کچھ
                      اور کہیں
  -h, --help          یہ مدد دکھاتا ہے
  --version           ورژن دکھاتا ہے

خرابیاں: ایسی تاریخ جو موجود نہیں (1-12 سے باہر مہینہ، 2023-02-29،
حذف شدہ دن 1582-10-05 سے 1582-10-14، منتخب کیلنڈر میں 29 دن والے مہینے کا
ہجری 30واں دن، سال 0، حد سے باہر سال) یا ایسا متن جو تاریخ نہیں، معیاری خرابی
پر "zamanix-convert: &lt;کیا غلط ہے&gt;" کی صورت میں بتایا جاتا ہے، کچھ تبدیل نہیں
ہوتا اور اخراج کی حالت 2 ہوتی ہے۔ --batch موڈ میں اس تاریخ کی جگہ سطر
"error: &lt;کیا غلط ہے&gt;" آتی ہے، باقی سطریں پھر بھی تبدیل ہوتی ہیں، اور آخر میں
اخراج کی حالت 1 ہوتی ہے۔

--month-starts کی ایسی فائل جو پڑھی نہ جا سکے، جس میں ایسی سطر ہو جو اندراج
نہیں، یا ایسا اندراج جو رکھا نہ جا سکے (اس کا دن قاعدے کے مطابق مہینے کے آغاز
سے 2 دن سے زیادہ دور ہو، یا دوسرے اندراجات کے ساتھ 28 یا 31 دن کا مہینہ بنے)
"zamanix-convert: فائل: سطر ن: &lt;کیا غلط ہے&gt;" کی صورت میں بتائی جاتی ہے اور
کوئی تاریخ پرنٹ ہونے سے پہلے عمل کو حالت 2 کے ساتھ ختم کر دیتی ہے۔ ترتیبات کی
فائل کا ایسا اندراج جو رکھا نہ جا سکے، معیاری خرابی پر انتباہ کے ساتھ چھوڑ
دیا جاتا ہے۔

اخراج کی حالت: 0 کامیابی، 1 کچھ --batch سطریں غلط تھیں، 2 غلط استعمال یا
تاریخ، یا ان پٹ یا آؤٹ پٹ کی ناکامی۔
</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
مزید معلومات کے لیے '%3 --help' آزمائیں۔</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another of --today, --month, --batch</source>
        <translation>%1 کو --today، --month، --batch میں سے کسی اور کے ساتھ ملایا نہیں جا سکتا</translation>
    </message>
    <message>
        <source>unknown format '%1'; use text or iso</source>
        <translation>نامعلوم فارمیٹ '%1'؛ text یا iso استعمال کریں</translation>
    </message>
    <message>
        <source>unknown calendar '%1'; use astronomical, umalqura or civil</source>
        <translation>نامعلوم کیلنڈر '%1'؛ astronomical، umalqura یا civil استعمال کریں</translation>
    </message>
    <message>
        <source>--month-starts needs a file name</source>
        <translation>--month-starts کو فائل کا نام درکار ہے</translation>
    </message>
    <message>
        <source>adjustment '%1' is not a whole number of days from -2 to 2</source>
        <translation>ترمیم '%1' -2 سے 2 تک دنوں کی پوری تعداد نہیں ہے</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: انتباہ: %2</translation>
    </message>
    <message>
        <source>dates cannot be given together with --today, --month or --batch</source>
        <translation>تاریخیں --today، --month یا --batch کے ساتھ نہیں دی جا سکتیں</translation>
    </message>
    <message>
        <source>no date given</source>
        <translation>کوئی تاریخ نہیں دی گئی</translation>
    </message>
    <message>
        <source>--format does not apply to --month</source>
        <translation>--format کا --month پر اطلاق نہیں ہوتا</translation>
    </message>
    <message>
        <source>%1: the %2 calendar cannot be computed: %3</source>
        <translation>%1: %2 کیلنڈر کا حساب نہیں لگایا جا سکتا: %3</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>نامعلوم اختیار '%1'</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>اختیار %1 کوئی قدر نہیں لیتا</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>اختیار %1 کو قدر درکار ہے</translation>
    </message>
    <message>
        <source>%1: %2 is not a number of seconds</source>
        <translation>%1: %2 سیکنڈوں کی تعداد نہیں ہے</translation>
    </message>
    <message>
        <source>%1: the clock's date cannot be converted: %2</source>
        <translation>%1: گھڑی کی تاریخ تبدیل نہیں ہو سکی: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the dates: %2</source>
        <translation>%1: تاریخیں پڑھی نہیں جا سکیں: %2</translation>
    </message>
    <message>
        <source>%1: could not write the output</source>
        <translation>%1: آؤٹ پٹ نہیں لکھا جا سکا</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>there is no year 0; the year before 1 is -1</source>
        <translation>سال 0 نہیں ہوتا؛ 1 سے پہلے کا سال -1 ہے</translation>
    </message>
    <message>
        <source>year %1 is outside the supported range %2 to %3</source>
        <translation>سال %1 معاون حد (%2 سے %3) سے باہر ہے</translation>
    </message>
    <message>
        <source>month %1 does not exist; months run from 1 to 12</source>
        <translation>مہینہ %1 موجود نہیں؛ مہینے 1 سے 12 تک ہیں</translation>
    </message>
    <message>
        <source>Hijri year %1 lies outside the supported range (Christian years %2 to %3)</source>
        <translation>ہجری سال %1 معاون حد سے باہر ہے (عیسوی سال %2 سے %3)</translation>
    </message>
    <message>
        <source>%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31</source>
        <translation>%1 تاریخ نہیں ہے؛ سال-مہینہ-دن لکھیں، مثلاً 2000-01-31</translation>
    </message>
    <message>
        <source>%1 is not a month; write YEAR-MONTH, for example 2000-01</source>
        <translation>%1 مہینہ نہیں ہے؛ سال-مہینہ لکھیں، مثلاً 2000-01</translation>
    </message>
    <message>
        <source>day 0 does not exist; days start at 1</source>
        <translation>دن 0 نہیں ہوتا؛ دن 1 سے شروع ہوتے ہیں</translation>
    </message>
    <message>
        <source>%1 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 October 1582</source>
        <translation>%1 اکتوبر 1582 موجود نہیں؛ گریگورین کیلنڈر میں 4 اکتوبر 1582 کے بعد 15 اکتوبر 1582 آتا ہے</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 میں صرف %3 دن ہیں</translation>
    </message>
    <message>
        <source>%1 %2 (Hijri) has only %3 days</source>
        <translation>%1 %2 (ہجری) میں صرف %3 دن ہیں</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date: %1 the day, %2 the month's name, %3 the year ("6 March 1998").</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <extracomment>A date with its weekday: %1 the weekday, %2 the day, %3 the month's name, %4 the year ("Friday 6 March 1998").</extracomment>
        <translation>%1، %2 %3 %4</translation>
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
        <translation>Zamanix ورژن 1.1</translation>
    </message>
    <message>
        <source>Hijri and Christian calendar with reminders.
By the Zamanix developers.</source>
        <translation>یاد دہانیوں کے ساتھ ہجری اور عیسوی کیلنڈر۔
Zamanix کے ڈویلپرز کی جانب سے۔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>About Zamanix</source>
        <translation>Zamanix کے بارے میں</translation>
    </message>
    <message>
        <source>Today's Date:</source>
        <translation>آج کی تاریخ:</translation>
    </message>
    <message>
        <source>Today's Date</source>
        <translation>آج کی تاریخ</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>کیلنڈر</translation>
    </message>
    <message>
        <source>Islamic Hijri</source>
        <translation>اسلامی ہجری</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>عیسوی</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>مہینہ:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>دن:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
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
        <translation>مطابق تاریخ:</translation>
    </message>
    <message>
        <source>Corresponding Date</source>
        <translation>مطابق تاریخ</translation>
    </message>
    <message>
        <source>Reminder Memo:</source>
        <translation>یاد دہانی کا نوٹ:</translation>
    </message>
    <message>
        <source>Reminder Memo</source>
        <translation>یاد دہانی کا نوٹ</translation>
    </message>
    <message>
        <source>Alarm at:</source>
        <translation>الارم:</translation>
    </message>
    <message>
        <source>Alarm hour</source>
        <translation>الارم کا گھنٹہ</translation>
    </message>
    <message>
        <source>Alarm minute</source>
        <translation>الارم کا منٹ</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>تکرار ہر:</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>تکرار ہر (منٹ)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;شامل کریں</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;دیکھیں</translation>
    </message>
    <message>
        <source>View</source>
        <translation>دیکھیں</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف کریں</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>آج:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>تاریخ:</translation>
    </message>
    <message>
        <source>Corresponding date:</source>
        <translation>مطابق تاریخ:</translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation>ہجری کیلنڈر:</translation>
    </message>
    <message>
        <source>Reminder memo:</source>
        <translation>یاد دہانی کا نوٹ:</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%1: %2; a document cannot be saved over it.
Save the document under another name.</source>
        <translation>%1: %2؛ اس پر دستاویز محفوظ نہیں کی جا سکتی۔
دستاویز کسی اور نام سے محفوظ کریں۔</translation>
    </message>
    <message>
        <source>%1 is not empty. A %2 document holds no data, so saving it here would replace what the file holds with nothing.

Replace the contents of %3 anyway?</source>
        <translation>%1 خالی نہیں ہے۔ %2 دستاویز میں کوئی ڈیٹا نہیں ہوتا، اس لیے اسے یہاں محفوظ کرنے سے فائل کا سارا مواد مٹ جائے گا۔

کیا پھر بھی %3 کا مواد بدل دیا جائے؟</translation>
    </message>
    <message>
        <source>%1
(Not a regular file: a pipe, socket or device cannot hold a document)</source>
        <translation>%1
(عام فائل نہیں: پائپ، ساکٹ یا ڈیوائس میں دستاویز نہیں رکھی جا سکتی)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot read "%1": %2</source>
        <translation>"%1" پڑھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2); to keep changes in it, make it writable (chmod u+w "%3")</source>
        <translation>"%1" میں لکھا نہیں جا سکتا: فائل صرف پڑھنے کے لیے ہے (موڈ %2)؛ اس میں تبدیلیاں رکھنے کے لیے اسے قابل تحریر بنائیں (chmod u+w "%3")</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2) for you: it belongs to another user</source>
        <translation>"%1" میں لکھا نہیں جا سکتا: فائل آپ کے لیے صرف پڑھنے کے لیے ہے (موڈ %2): یہ کسی اور صارف کی ہے</translation>
    </message>
    <message>
        <source>cannot create "%1": %2</source>
        <translation>"%1" نہیں بن سکی: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of "%1": %2</source>
        <translation>"%1" کی اجازتیں مقرر نہیں ہو سکیں: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": %2</source>
        <translation>"%1" میں لکھا نہیں جا سکا: %2</translation>
    </message>
    <message>
        <source>cannot flush "%1": %2</source>
        <translation>"%1" کا بفر خالی نہیں ہو سکا: %2</translation>
    </message>
    <message>
        <source>cannot read "%1": it is not a regular file</source>
        <translation>"%1" پڑھی نہیں جا سکی: یہ عام فائل نہیں ہے</translation>
    </message>
    <message>
        <source>cannot find the folder of "%1": %2</source>
        <translation>"%1" کا فولڈر نہیں مل سکا: %2</translation>
    </message>
    <message>
        <source>cannot follow the link "%1": %2</source>
        <translation>لنک "%1" کی پیروی نہیں ہو سکی: %2</translation>
    </message>
    <message>
        <source>cannot follow the links of "%1": %2</source>
        <translation>"%1" کے لنکس کی پیروی نہیں ہو سکی: %2</translation>
    </message>
    <message>
        <source>cannot create the folder "%1": %2</source>
        <translation>فولڈر "%1" نہیں بن سکا: %2</translation>
    </message>
    <message>
        <source>cannot replace "%1": %2</source>
        <translation>"%1" کو بدلا نہیں جا سکا: %2</translation>
    </message>
    <message>
        <source>cannot open the lock file "%1": %2</source>
        <translation>لاک فائل "%1" نہیں کھل سکی: %2</translation>
    </message>
    <message>
        <source>another program has held the lock file "%1" for too long</source>
        <translation>کسی اور پروگرام نے لاک فائل "%1" بہت دیر سے تھام رکھی ہے</translation>
    </message>
    <message>
        <source>cannot lock "%1": %2</source>
        <translation>"%1" کو لاک نہیں کیا جا سکا: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a folder; name a file in it</source>
        <translation>"%1" میں لکھا نہیں جا سکا: یہ فولڈر ہے؛ اس کے اندر کسی فائل کا نام دیں</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a socket, not a file</source>
        <translation>"%1" میں لکھا نہیں جا سکا: یہ ساکٹ ہے، فائل نہیں</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a device, not a file</source>
        <translation>"%1" میں لکھا نہیں جا سکا: یہ ڈیوائس ہے، فائل نہیں</translation>
    </message>
    <message>
        <source>cannot write "%1": the program reading it stopped reading</source>
        <translation>"%1" میں لکھا نہیں جا سکا: اسے پڑھنے والے پروگرام نے پڑھنا بند کر دیا</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a pipe that no program reads; start the reader first</source>
        <translation>"%1" میں لکھا نہیں جا سکا: یہ ایسا پائپ ہے جسے کوئی پروگرام نہیں پڑھتا؛ پہلے پڑھنے والا پروگرام شروع کریں</translation>
    </message>
    <message>
        <source>cannot write "%1": %2; choose another file</source>
        <translation>"%1" میں لکھا نہیں جا سکا: %2؛ کوئی اور فائل منتخب کریں</translation>
    </message>
    <message>
        <source>no profile file was named</source>
        <translation>ترتیبات کی کسی فائل کا نام نہیں دیا گیا</translation>
    </message>
    <message>
        <source>not enough memory to write "%1"</source>
        <translation>"%1" لکھنے کے لیے میموری ناکافی ہے</translation>
    </message>
    <message>
        <source>the section name "%1" holds "]" or a line break</source>
        <translation>سیکشن کے نام "%1" میں "]" یا لائن بریک ہے</translation>
    </message>
    <message>
        <source>the entry name "%1" holds "=" or a line break, or starts with ";" or "["</source>
        <translation>اندراج کے نام "%1" میں "=" یا لائن بریک ہے، یا یہ ";" یا "[" سے شروع ہوتا ہے</translation>
    </message>
    <message>
        <source>it is the profile, which holds the reminders and settings</source>
        <translation>یہ ترتیبات کی فائل ہے، جس میں یاد دہانیاں اور ترتیبات ہیں</translation>
    </message>
    <message>
        <source>it is the lock file of the profile "%1", which holds the reminders and settings</source>
        <translation>یہ ترتیبات کی فائل "%1" کی لاک فائل ہے، جس میں یاد دہانیاں اور ترتیبات ہیں</translation>
    </message>
    <message>
        <source>it is the file through which the profile "%1", which holds the reminders and settings, is replaced</source>
        <translation>یہ وہ فائل ہے جس کے ذریعے ترتیبات کی فائل "%1"، جس میں یاد دہانیاں اور ترتیبات ہیں، بدلی جاتی ہے</translation>
    </message>
    <message>
        <source>it is the backup of the profile "%1", which holds the reminders and settings</source>
        <translation>یہ ترتیبات کی فائل "%1" کا بیک اپ ہے، جس میں یاد دہانیاں اور ترتیبات ہیں</translation>
    </message>
    <message>
        <source>no profile file: the program's file name "%1" gives it no name</source>
        <translation>ترتیبات کی فائل نہیں: پروگرام کی فائل کا نام "%1" اسے کوئی نام نہیں دیتا</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 مقرر نہیں ہے</translation>
    </message>
    <message>
        <source>%1 is "%2"</source>
        <translation>%1 کی قدر "%2" ہے</translation>
    </message>
    <message>
        <source>no folder for the profile file %1.INI: it is kept in $XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, and start the program again</source>
        <translation>ترتیبات کی فائل %1.INI کے لیے کوئی فولڈر نہیں: یہ $XDG_CONFIG_HOME میں، ورنہ $HOME/.config میں رکھی جاتی ہے، لیکن %2 اور %3۔ HOME (یا XDG_CONFIG_HOME) کو کسی مطلق فولڈر، جیسے اپنے ہوم فولڈر، پر مقرر کریں اور پروگرام دوبارہ شروع کریں</translation>
    </message>
    <message>
        <source>cannot read "%1": not enough memory to hold it</source>
        <translation>"%1" پڑھی نہیں جا سکی: اسے رکھنے کے لیے میموری ناکافی ہے</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds none of the sections of a profile ([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote</source>
        <translation>"%1" یاد دہانیوں کا بیک اپ نہیں: اس میں پروفائل کا کوئی حصہ ([Reminder]، [Alarm]، [Defaults]) نہیں؛ ایسی فائل چنیں جو یاد دہانیوں کا بیک اپ نے لکھی ہو</translation>
    </message>
    <message>
        <source>there is nothing to back up yet: the profile "%1" does not exist, since no reminder or setting was kept so far</source>
        <translation>ابھی بیک اپ کے لیے کچھ نہیں: پروفائل "%1" موجود نہیں، کیونکہ اب تک کوئی یاد دہانی یا ترتیب محفوظ نہیں ہوئی</translation>
    </message>
    <message>
        <source>cannot restore from "%1": %2; choose a backup that Back Up Reminders wrote</source>
        <translation>"%1" سے بحال نہیں کیا جا سکتا: %2؛ ایسا بیک اپ چنیں جو یاد دہانیوں کا بیک اپ نے لکھا ہو</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds bytes that are no text</source>
        <translation>"%1" یاد دہانیوں کا بیک اپ نہیں: اس میں ایسے بائٹس ہیں جو متن نہیں</translation>
    </message>
    <message>
        <source>cannot restore "%1": %2</source>
        <translation>"%1" بحال نہیں کیا جا سکتا: %2</translation>
    </message>
    <message>
        <source>cannot remove "%1": %2</source>
        <translation>"%1" کو ہٹایا نہیں جا سکا: %2</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Astronomical</source>
        <translation>فلکیاتی</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>ام القریٰ</translation>
    </message>
    <message>
        <source>Tabular (civil)</source>
        <translation>جدولی (شہری)</translation>
    </message>
    <message>
        <source>%1, 1 %2 recorded</source>
        <translation>%1، 1 %2 درج شدہ</translation>
    </message>
    <message>
        <source>%1, 1 %2 moved by the recorded 1 %3</source>
        <translation>%1، 1 %2 درج شدہ 1 %3 کی وجہ سے منتقل</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 days</source>
        <comment>%1, %2 day</comment>
        <translation>
            <numerusform>%1، %2 دن</numerusform>
            <numerusform>%1، %2 دن</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n month starts recorded</source>
        <comment>%1, %n month start recorded</comment>
        <translation>
            <numerusform>%1، %n درج شدہ مہینے کا آغاز</numerusform>
            <numerusform>%1، %n درج شدہ مہینوں کے آغاز</numerusform>
        </translation>
    </message>
    <message>
        <source>ICU has no calendar %1</source>
        <translation>ICU میں %1 کیلنڈر نہیں ہے</translation>
    </message>
    <message>
        <source>ICU cannot convert the date: %1</source>
        <translation>ICU تاریخ تبدیل نہیں کر سکتا: %1</translation>
    </message>
</context>
<context>
    <name>HolyDays</name>
    <message>
        <source>Islamic New Year</source>
        <translation>اسلامی نیا سال</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>یوم عاشور</translation>
    </message>
    <message>
        <source>Isra and Mi'raj</source>
        <translation>شب معراج</translation>
    </message>
    <message>
        <source>Mid-Sha'ban</source>
        <translation>شب برات</translation>
    </message>
    <message>
        <source>First day of Ramadan</source>
        <translation>یکم رمضان</translation>
    </message>
    <message>
        <source>Laylat al-Qadr (one of the odd nights)</source>
        <translation>شب قدر (طاق راتوں میں سے ایک)</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>عید الفطر</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>یوم عرفہ</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>عید الاضحیٰ</translation>
    </message>
</context>
<context>
    <name>LongText</name>
    <message>
        <source>[The rest is not shown: the text is too long to show whole.]</source>
        <translation>[باقی حصہ نہیں دکھایا گیا: متن پورا دکھانے کے لیے بہت طویل ہے۔]</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is shown in part and kept unchanged.</source>
        <translation>یہ متن یہاں ترمیم کے لیے بہت طویل ہے؛ اس کا کچھ حصہ دکھایا گیا ہے اور اسے تبدیل کیے بغیر رکھا گیا ہے۔</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;نیا	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;کھولیں...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;محفوظ کریں	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;بطور محفوظ کریں...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;پرنٹ کریں...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>پرنٹ کا پیش منظ&amp;ر</translation>
    </message>
    <message>
        <source>Print &amp;Month...</source>
        <translation>م&amp;ہینہ پرنٹ کریں...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>پرنٹ &amp;سیٹ اپ...</translation>
    </message>
    <message>
        <source>&amp;Export Reminders...</source>
        <translation>یاد دہانیاں بر&amp;آمد کریں...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>حالیہ فائل</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;کالعدم کریں	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>کا&amp;ٹیں	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;نقل کریں	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;چسپاں کریں	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;شامل کریں</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف کریں</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;ٹول بار</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;اسٹیٹس بار</translation>
    </message>
    <message>
        <source>All &amp;Reminders	Ctrl+R</source>
        <translation>&amp;تمام یاد دہانیاں	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Month	Ctrl+M</source>
        <translation>م&amp;ہینہ	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Astronomical</source>
        <translation>&amp;فلکیاتی</translation>
    </message>
    <message>
        <source>&amp;Umm al-Qura</source>
        <translation>&amp;ام القریٰ</translation>
    </message>
    <message>
        <source>&amp;Tabular (civil)</source>
        <translation>&amp;جدولی (شہری)</translation>
    </message>
    <message>
        <source>&amp;-2 days</source>
        <translation>&amp;-2 دن</translation>
    </message>
    <message>
        <source>-&amp;1 day</source>
        <translation>-&amp;1 دن</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;کوئی نہیں</translation>
    </message>
    <message>
        <source>+1 &amp;day</source>
        <translation>+1 &amp;دن</translation>
    </message>
    <message>
        <source>&amp;+2 days</source>
        <translation>&amp;+2 دن</translation>
    </message>
    <message>
        <source>Audiable Alarm</source>
        <translation>قابل سماعت الارم</translation>
    </message>
    <message>
        <source>&amp;Islamic Holy Days</source>
        <translation>&amp;اسلامی مقدس ایام</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>لاگ ان پر &amp;شروع کریں</translation>
    </message>
    <message>
        <source>Hijri &amp;Calendar</source>
        <translation>&amp;ہجری کیلنڈر</translation>
    </message>
    <message>
        <source>Hijri Date &amp;Adjustment</source>
        <translation>ہجری تاریخ میں &amp;ترمیم</translation>
    </message>
    <message>
        <source>&amp;About Zamanix...</source>
        <translation>Zamanix &amp;کے بارے میں...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;فائل</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;ترمیم</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>م&amp;نظر</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;اختیارات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مدد</translation>
    </message>
    <message>
        <source>&amp;Back Up Reminders...</source>
        <translation>یاد دہانیوں کا بیک &amp;اپ...</translation>
    </message>
    <message>
        <source>Res&amp;tore Reminders...</source>
        <translation>یاد دہانیاں بحا&amp;ل کریں...</translation>
    </message>
    <message>
        <source>P&amp;ublish to Calendar Server</source>
        <translation>کیلنڈر سرور پر &amp;شائع کریں</translation>
    </message>
    <message>
        <source>Calendar Se&amp;rver...</source>
        <translation>&amp;کیلنڈر سرور...</translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation>&amp;ہدایت نامہ	F1</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>کی بورڈ &amp;شارٹ کٹس</translation>
    </message>
    <message>
        <source>Hijri &amp;Month Starts...</source>
        <translation>ہجری مہینوں کے &amp;آغاز...</translation>
    </message>
    <message>
        <source>Ask About the &amp;New Moon</source>
        <translation>نئے چاند کے بارے میں &amp;پوچھیں</translation>
    </message>
    <message>
        <source>&amp;Western Digits</source>
        <translation>&amp;مغربی ہندسے</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9</source>
        <translation>%1 ہجری مہینہ نہیں ہے؛ سال/مہینہ لکھیں، مثلاً 1448/9</translation>
    </message>
    <message>
        <source>there is no Hijri year 0</source>
        <translation>ہجری سال 0 نہیں ہوتا</translation>
    </message>
    <message>
        <source>Hijri month %1 does not exist; months run from 1 to 12</source>
        <translation>ہجری مہینہ %1 موجود نہیں؛ مہینے 1 سے 12 تک ہیں</translation>
    </message>
    <message>
        <source>%1 is not a date; write YYYY-MM-DD, for example 2027-02-07</source>
        <translation>%1 تاریخ نہیں ہے؛ سال-مہینہ-دن لکھیں، مثلاً 2027-02-07</translation>
    </message>
    <message>
        <source>%1: there is no month %2</source>
        <translation>%1: مہینہ %2 موجود نہیں</translation>
    </message>
    <message>
        <source>%1: %2 %3 has no day %4</source>
        <translation>%1: %2 %3 میں دن %4 نہیں ہے</translation>
    </message>
    <message>
        <source>%1: a month start is recorded by its Gregorian date, and the Gregorian calendar begins on 15 October 1582</source>
        <translation>%1: مہینے کا آغاز اس کی گریگورین تاریخ سے درج ہوتا ہے، اور گریگورین کیلنڈر 15 اکتوبر 1582 سے شروع ہوتا ہے</translation>
    </message>
    <message>
        <source>%1: the last supported year is %2</source>
        <translation>%1: آخری معاون سال %2 ہے</translation>
    </message>
    <message>
        <source>%1 is recorded twice; the first record, %2, counts</source>
        <translation>%1 دو بار درج ہے؛ پہلا اندراج، %2، معتبر ہے</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>%n day</comment>
        <translation>
            <numerusform>%n دن</numerusform>
            <numerusform>%n دن</numerusform>
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
        <translation>%1، %2 کو شروع نہیں ہو سکتا: %3 کا آغاز %4 کو درج ہونے کی صورت میں %5 %6 کا ہو جائے گا، جبکہ مہینہ 29 یا 30 دن کا ہوتا ہے</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 months from %6 to %7 would have %8, and %9 months have %10 to %11</source>
        <translation>%1، %2 کو شروع نہیں ہو سکتا: %3 کا آغاز %4 کو درج ہونے کی صورت میں %6 سے %7 تک کے %5 مہینے %8 کے ہو جائیں گے، جبکہ %9 مہینے %10 سے %11 دن کے ہوتے ہیں</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: under %3 that day is %4</source>
        <translation>%1، %2 کو شروع نہیں ہو سکتا: %3 کے مطابق وہ دن %4 ہے</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1، %2 کو شروع نہیں ہو سکتا: یہ %4 کے مطابق اس کے پہلے دن (%5) سے %3 بعد ہے، اور درج شدہ آغاز اس سے زیادہ سے زیادہ %6 دن دور ہو سکتا ہے</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1، %2 کو شروع نہیں ہو سکتا: یہ %4 کے مطابق اس کے پہلے دن (%5) سے %3 پہلے ہے، اور درج شدہ آغاز اس سے زیادہ سے زیادہ %6 دن دور ہو سکتا ہے</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it; to begin it on %2, record %3 anew first, beginning on %4</source>
        <translation>%1 کا کوئی دن اردگرد کے اندراجات سے مطابقت نہیں رکھتا؛ اسے %2 کو شروع کرنے کے لیے پہلے %3 کو %4 کے آغاز کے ساتھ نئے سرے سے درج کریں</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2; to begin it on %3, record %4 anew first, beginning on %5</source>
        <translation>موجودہ اندراجات کے مطابق %1، %2 کو شروع ہو سکتا ہے؛ اسے %3 کو شروع کرنے کے لیے پہلے %4 کو %5 کے آغاز کے ساتھ نئے سرے سے درج کریں</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it</source>
        <translation>%1 کا کوئی دن اردگرد کے اندراجات سے مطابقت نہیں رکھتا</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2</source>
        <translation>موجودہ اندراجات کے مطابق %1، %2 کو شروع ہو سکتا ہے</translation>
    </message>
    <message>
        <source>[%1] %2=%3 is ignored: %4</source>
        <translation>[%1] %2=%3 نظر انداز کیا گیا: %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>سطر %1: %2</translation>
    </message>
    <message>
        <source>%1 is given another day on line %2</source>
        <translation>سطر %2 پر %1 کو کوئی اور دن دیا گیا ہے</translation>
    </message>
    <message>
        <source>no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under [HijriMonthStarts], for example 1448/9=2027-02-07</source>
        <translation>اس میں مہینے کا کوئی آغاز نہیں؛ ہر سطر میں ایک، سال/مہینہ=سال-مہینہ-دن کی صورت میں [HijriMonthStarts] کے نیچے لکھیں، مثلاً 1448/9=2027-02-07</translation>
    </message>
    <message>
        <source>"%1" is no record; write YEAR/MONTH=YYYY-MM-DD, for example 1448/9=2027-02-07</source>
        <translation>"%1" اندراج نہیں ہے؛ سال/مہینہ=سال-مہینہ-دن لکھیں، مثلاً 1448/9=2027-02-07</translation>
    </message>
</context>
<context>
    <name>MonthText</name>
    <message>
        <source>%1: the night before %2, from sunset on %3</source>
        <translation>%1: %2 سے پہلے کی رات، %3 کے غروب آفتاب سے</translation>
    </message>
    <message>
        <source>from sunset, the night of %1</source>
        <translation>غروب آفتاب سے، %1 کی رات</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1: %2; nothing was printed to it.
Print to another file.</source>
        <translation>%1: %2؛ اس میں کچھ پرنٹ نہیں کیا گیا۔
کسی اور فائل میں پرنٹ کریں۔</translation>
    </message>
    <message>
        <source>The printing module %1 could not be loaded (%2); nothing was printed.
Installing Zamanix again mends this.</source>
        <translation>پرنٹنگ کا ماڈیول %1 لوڈ نہیں ہو سکا (%2)؛ کچھ پرنٹ نہیں کیا گیا۔
Zamanix کو دوبارہ انسٹال کرنے سے یہ ٹھیک ہو جائے گا۔</translation>
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
        <translation>استعمال:
  zamanix [فائل]
  zamanix --minimized
  zamanix -p فائل
  zamanix -pt فائل پرنٹر
  zamanix --help | --version

ہجری اور عیسوی کیلنڈر کے درمیان تاریخیں تبدیل کرتا ہے، آج کی تاریخ دونوں میں
دکھاتا ہے، اور دونوں کیلنڈروں کے کسی بھی دن کے لیے الارم کے ساتھ یاد دہانی کا
نوٹ رکھتا ہے۔

اختیارات:
  فائل              فائل کو دستاویز کے طور پر کھولتا ہے؛ اس سے کچھ نہیں پڑھتا
  --minimized       ونڈو کو چھوٹا کر کے شروع کرتا ہے، جیسے لاگ ان پر؛ اگر
                    Zamanix پہلے سے چل رہا ہو تو کچھ نہیں کرتا
  -p فائل           فائل کھولتا ہے، فارم کو طے شدہ پرنٹر پر پرنٹ کرتا ہے، بند
                    ہو جاتا ہے
  -pt فائل پرنٹر    یہی کام دیے گئے پرنٹر پر
  -h, --help        یہ مدد دکھاتا ہے اور بند ہو جاتا ہے
  --version         ورژن دکھاتا ہے اور بند ہو جاتا ہے
Qt کے معیاری اختیارات، جیسے -platform نام اور -style نام، قبول کیے جاتے ہیں۔

Zamanix ہر ڈیسک ٹاپ سیشن میں ایک بار چلتا ہے: جب تک یہ چل رہا ہو، -p یا -pt
کے بغیر دوبارہ شروع کرنے سے اس کی ونڈو سامنے آتی ہے (اور فائل اس میں کھلتی
ہے) اور بات ختم ہو جاتی ہے۔

یاد دہانیاں اور ترتیبات $XDG_CONFIG_HOME/zamanix.INI میں رکھی جاتی ہیں
(بطور طے شدہ ~/.config/zamanix.INI)۔ zamanix(1) دیکھیں۔
</translation>
    </message>
    <message>
        <source>zamanix: cannot write the answer: %1</source>
        <translation>zamanix: جواب نہیں لکھا جا سکا: %1</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>%1 is not a calendar: give the URL of a calendar, or of one that does not exist yet to have it created</source>
        <translation>%1 کیلنڈر نہیں: کسی کیلنڈر کا URL دیں، یا ایسے کیلنڈر کا جو ابھی موجود نہ ہو تاکہ وہ بنایا جائے</translation>
    </message>
    <message>
        <source>the server %1 asks for a user name and password (401)</source>
        <translation>سرور %1 صارف نام اور پاس ورڈ مانگتا ہے (401)</translation>
    </message>
    <message>
        <source>the server %1 refused the user name %2 or its password (401)</source>
        <translation>سرور %1 نے صارف نام %2 یا اس کا پاس ورڈ رد کر دیا (401)</translation>
    </message>
    <message>
        <source>the server %1 answered %2 %3 to %4</source>
        <translation>سرور %1 نے %4 کا جواب %2 %3 دیا</translation>
    </message>
    <message>
        <source>the certificate of %1 could not be verified: %2</source>
        <translation>%1 کے سرٹیفکیٹ کی تصدیق نہیں ہو سکی: %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 نے %2 سیکنڈ میں جواب نہیں دیا</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 تک رسائی نہیں ہو سکی: %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, %4 unchanged</source>
        <translation>%1 شامل، %2 تبدیل، %3 حذف، %4 بغیر تبدیلی</translation>
    </message>
    <message>
        <source>%1, %2 changed elsewhere and kept</source>
        <translation>%1، %2 کہیں اور تبدیل ہوئے اور رکھے گئے</translation>
    </message>
    <message>
        <source>%1, %2 left as another program changed them</source>
        <translation>%1، %2 ویسے ہی چھوڑے گئے جیسے دوسرے پروگرام نے بدلے</translation>
    </message>
    <message>
        <source>calendar created; %1</source>
        <translation>کیلنڈر بنایا گیا؛ %1</translation>
    </message>
    <message>
        <source>"%1" is not the URL of a calendar: write https:// (or http://), the server's name and the calendar's path, such as https://dav.example.org/anna/zamanix/</source>
        <translation>"%1" کسی کیلنڈر کا URL نہیں: https:// (یا http://)، سرور کا نام اور کیلنڈر کا راستہ لکھیں، جیسے https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>the keyring did not answer within %1 seconds</source>
        <translation>کی رنگ نے %1 سیکنڈ میں جواب نہیں دیا</translation>
    </message>
    <message>
        <source>Publishing the reminders: looking at the calendar...</source>
        <translation>یاد دہانیاں شائع ہو رہی ہیں: کیلنڈر دیکھا جا رہا ہے...</translation>
    </message>
    <message>
        <source>Publishing the reminders: creating the calendar...</source>
        <translation>یاد دہانیاں شائع ہو رہی ہیں: کیلنڈر بنایا جا رہا ہے...</translation>
    </message>
    <message>
        <source>Publishing the reminders: reading the calendar's events...</source>
        <translation>یاد دہانیاں شائع ہو رہی ہیں: کیلنڈر کے واقعات پڑھے جا رہے ہیں...</translation>
    </message>
    <message>
        <source>Publishing the reminders: %1 of %2 changes written...</source>
        <translation>یاد دہانیاں شائع ہو رہی ہیں: %2 میں سے %1 تبدیلیاں لکھی گئیں...</translation>
    </message>
    <message>
        <source>Publishing the reminders: waiting for the keyring to give the password...</source>
        <translation>یاد دہانیاں شائع ہو رہی ہیں: کی رنگ سے پاس ورڈ کا انتظار...</translation>
    </message>
    <message>
        <source>Publishing failed at %1: %2. Zamanix tries again at %3.</source>
        <translation>%1 پر اشاعت ناکام ہوئی: %2۔ Zamanix %3 پر دوبارہ کوشش کرے گا۔</translation>
    </message>
    <message>
        <source>Reminders published at %1 to a new calendar: %2 added.</source>
        <translation>یاد دہانیاں %1 پر نئے کیلنڈر میں شائع ہوئیں: %2 شامل۔</translation>
    </message>
    <message>
        <source>Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.</source>
        <translation>یاد دہانیاں %1 پر شائع ہوئیں: %2 شامل، %3 تبدیل، %4 حذف، %5 بغیر تبدیلی۔</translation>
    </message>
    <message>
        <source>Events kept as another program changed them: %1.</source>
        <translation>واقعات جو دوسرے پروگرام کی تبدیلی کے مطابق رکھے گئے: %1۔</translation>
    </message>
    <message>
        <source>Events left as another program wrote them meanwhile: %1.</source>
        <translation>واقعات جو اس دوران دوسرے پروگرام کے لکھے کے مطابق چھوڑے گئے: %1۔</translation>
    </message>
    <message>
        <source>Zamanix could not publish the reminders to %1: %2.

It tries again by itself, after longer pauses each time, and the status bar tells how it goes; Options &gt; Calendar Server... changes the server's settings.</source>
        <translation>Zamanix یاد دہانیاں %1 پر شائع نہیں کر سکا: %2۔

یہ خود ہی دوبارہ کوشش کرے گا، ہر بار لمبے وقفے کے بعد، اور اسٹیٹس بار بتائے گا کہ کیا ہو رہا ہے؛ اختیارات &gt; کیلنڈر سرور... سرور کی ترتیبات بدلتا ہے۔</translation>
    </message>
    <message>
        <source>no password is kept for "%1" at %2; give it in Options &gt; Calendar Server...</source>
        <translation>%2 پر "%1" کے لیے کوئی پاس ورڈ محفوظ نہیں؛ اسے اختیارات &gt; کیلنڈر سرور... میں دیں</translation>
    </message>
    <message>
        <source>the publishing module %1 could not be loaded (%2); installing Zamanix again mends this</source>
        <translation>اشاعت کا ماڈیول %1 لوڈ نہیں ہو سکا (%2)؛ Zamanix کو دوبارہ انسٹال کرنے سے یہ ٹھیک ہو جائے گا</translation>
    </message>
</context>
<context>
    <name>ReminderBackup</name>
    <message>
        <source>Zamanix backups (*.INI *.ini);;All Files (*)</source>
        <translation>Zamanix بیک اپ (*.INI *.ini);;تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>Back Up Reminders</source>
        <translation>یاد دہانیوں کا بیک اپ</translation>
    </message>
    <message>
        <source>The reminders could not be backed up.

%1</source>
        <translation>یاد دہانیوں کا بیک اپ نہیں ہو سکا۔

%1</translation>
    </message>
    <message>
        <source>Reminders and settings backed up to %1 (reminders: %2)</source>
        <translation>یاد دہانیوں اور ترتیبات کا بیک اپ %1 میں (یاد دہانیاں: %2)</translation>
    </message>
    <message>
        <source>Restore Reminders</source>
        <translation>یاد دہانیاں بحال کریں</translation>
    </message>
    <message>
        <source>Replace your reminders and settings with those of the backup %1?

Reminders in the backup: %2. Reminders now: %3.

The profile as it is now is kept in %4; restoring from that file brings it back.</source>
        <translation>کیا اپنی یاد دہانیاں اور ترتیبات بیک اپ %1 والی سے بدل دیں؟

بیک اپ میں یاد دہانیاں: %2۔ اب یاد دہانیاں: %3۔

موجودہ پروفائل %4 میں رکھی جاتی ہے؛ اس فائل سے بحال کرنے پر یہ واپس آ جاتی ہے۔</translation>
    </message>
    <message>
        <source>Reminders restored from %1 (reminders now: %2); the profile as it was is kept in %3</source>
        <translation>یاد دہانیاں %1 سے بحال ہوئیں (اب یاد دہانیاں: %2)؛ پچھلی پروفائل %3 میں رکھی گئی ہے</translation>
    </message>
    <message>
        <source>The reminders could not be restored; they are as they were.

%1</source>
        <translation>یاد دہانیاں بحال نہیں ہو سکیں؛ وہ ویسی ہی ہیں۔

%1</translation>
    </message>
</context>
<context>
    <name>ReminderExport</name>
    <message>
        <source>Export Reminders</source>
        <translation>یاد دہانیاں برآمد کریں</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All Files (*)</source>
        <translation>iCalendar فائلیں (*.ics);;تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>The reminders could not be exported.

%1</source>
        <translation>یاد دہانیاں برآمد نہیں ہو سکیں۔

%1</translation>
    </message>
    <message>
        <source>No reminder falls due in the next %1 years; %2 holds no events</source>
        <translation>اگلے %1 برسوں میں کوئی یاد دہانی واجب نہیں؛ %2 میں کوئی واقعہ نہیں</translation>
    </message>
    <message>
        <source>1 event of the next %1 years written to %2</source>
        <translation>اگلے %1 برسوں کا 1 واقعہ %2 میں لکھا گیا</translation>
    </message>
    <message>
        <source>%1 events of the next %2 years written to %3</source>
        <translation>اگلے %2 برسوں کے %1 واقعات %3 میں لکھے گئے</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>the astronomical Hijri calendar follows computed new moons, which no RSCALE calendar describes</source>
        <translation>فلکیاتی ہجری کیلنڈر حساب شدہ نئے چاند کی پیروی کرتا ہے، جسے کوئی RSCALE کیلنڈر بیان نہیں کرتا</translation>
    </message>
    <message>
        <source>the Hijri calendar is adjusted (%1), which no RSCALE calendar describes</source>
        <translation>ہجری کیلنڈر میں تصحیح کی گئی ہے (%1)، جسے کوئی RSCALE کیلنڈر بیان نہیں کرتا</translation>
    </message>
    <message>
        <source>the Hijri calendar keeps a recorded month start (%1 on %2), which no RSCALE calendar describes</source>
        <translation>ہجری کیلنڈر میں مہینے کا ایک درج شدہ آغاز ہے (%1، %2 کو)، جسے کوئی RSCALE کیلنڈر بیان نہیں کرتا</translation>
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
        <translation>؛ کیا آپ کا مطلب %1 تھا؟</translation>
    </message>
    <message>
        <source>; the Hijri months are %1, the Christian ones January to December</source>
        <translation>؛ ہجری مہینے %1 ہیں، اور عیسوی مہینے January سے December تک</translation>
    </message>
    <message>
        <source>the key has no "/" between the month and the day</source>
        <translation>کلید میں مہینے اور دن کے درمیان "/" نہیں ہے</translation>
    </message>
    <message>
        <source>"%1" is neither a Hijri nor a Christian month</source>
        <translation>"%1" نہ ہجری مہینہ ہے نہ عیسوی</translation>
    </message>
    <message>
        <source>the key has no day after the "/"</source>
        <translation>کلید میں "/" کے بعد دن نہیں ہے</translation>
    </message>
    <message>
        <source>"%1" is not a day: write 1 to 31, or 01 to 09</source>
        <translation>"%1" دن نہیں ہے: 1 سے 31، یا 01 سے 09 لکھیں</translation>
    </message>
    <message>
        <source>%1 never has more than %2 days</source>
        <translation>%1 میں کبھی %2 سے زیادہ دن نہیں ہوتے</translation>
    </message>
    <message>
        <source>the memo is empty, and an empty memo never rings</source>
        <translation>نوٹ خالی ہے، اور خالی نوٹ کبھی نہیں بجتا</translation>
    </message>
    <message>
        <source>its alarm time %1 is never reached</source>
        <translation>اس کے الارم کا وقت %1 کبھی نہیں آتا</translation>
    </message>
    <message>
        <source>%1 has no day %2 in the next %3 years under the %4 calendar</source>
        <translation>%4 کیلنڈر کے مطابق اگلے %3 سال میں %1 کی %2 تاریخ نہیں آتی</translation>
    </message>
    <message>
        <source>In %1 days, %2 / %3: %4</source>
        <translation type="vanished">%1 دن میں، %2 / %3: %4</translation>
    </message>
    <message>
        <source>Tomorrow, %1 / %2: %3</source>
        <translation>کل، %1 / %2: %3</translation>
    </message>
    <message>
        <source>%1 is neither a weekday nor a month and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448</source>
        <translation>%1 نہ ہفتے کا دن ہے نہ مہینہ اور دن: Friday، Hijri/13، Ramadhan/27 یا Ramadhan/27/1448 لکھیں</translation>
    </message>
    <message>
        <source>%1 is neither a Hijri nor a Christian month</source>
        <translation>%1 نہ ہجری مہینہ ہے نہ عیسوی</translation>
    </message>
    <message>
        <source>%1 is not a day: write 1 to 31, or 01 to 09</source>
        <translation>%1 دن نہیں: 1 سے 31، یا 01 سے 09 لکھیں</translation>
    </message>
    <message>
        <source>a Hijri month never has more than 30 days</source>
        <translation>ہجری مہینے کے کبھی 30 سے زیادہ دن نہیں ہوتے</translation>
    </message>
    <message>
        <source>%1 is not a year: write it as 1448, or as -5 for a year before 1</source>
        <translation>%1 سال نہیں: اسے 1448 کی طرح لکھیں، یا 1 سے پہلے کے سال کے لیے -5</translation>
    </message>
    <message>
        <source>the year %1 lies outside the supported years, -4000 to 3000</source>
        <translation>سال %1 معاون برسوں، -4000 سے 3000، سے باہر ہے</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 میں صرف %3 دن ہیں</translation>
    </message>
    <message>
        <source>%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582</source>
        <translation>%1 اکتوبر 1582 کبھی نہیں آیا: گریگوری کیلنڈر 4 سے سیدھا 15 اکتوبر 1582 پر گیا</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days under the %4 calendar</source>
        <translation>%4 کیلنڈر کے تحت %1 %2 کے صرف %3 دن ہیں</translation>
    </message>
    <message>
        <source>%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000</source>
        <translation>%1 ان دنوں سے باہر ہے جن کی Zamanix معاونت کرتا ہے، 1 جنوری -4000 سے 31 دسمبر 3000</translation>
    </message>
    <message>
        <source>Next on %1 / %2</source>
        <translation>اگلی بار %1 / %2</translation>
    </message>
    <message>
        <source>Next on %1 / %2 (%3)</source>
        <translation>اگلی بار %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>%1 / %2: this day has gone by, so it will not ring</source>
        <translation>%1 / %2: یہ دن گزر چکا، اس لیے یہ نہیں بجے گی</translation>
    </message>
    <message>
        <source>It never falls due: %1.</source>
        <translation>یہ کبھی واجب نہیں ہوتی: %1۔</translation>
    </message>
    <message>
        <source>Write a memo: an empty memo never rings.</source>
        <translation>نوٹ لکھیں: خالی نوٹ کبھی نہیں بجتا۔</translation>
    </message>
    <message>
        <source>This reminder cannot be kept: %1.</source>
        <translation>یہ یاد دہانی محفوظ نہیں ہو سکتی: %1۔</translation>
    </message>
    <message>
        <source>it falls on no day before 31 December 3000, the last day Zamanix supports</source>
        <translation>یہ 31 دسمبر 3000 سے پہلے کسی دن نہیں آتی، جو Zamanix کا آخری معاون دن ہے</translation>
    </message>
    <message>
        <source>only in leap years</source>
        <translation>صرف لیپ کے برسوں میں</translation>
    </message>
    <message>
        <source>only in the years whose %1 has 30 days</source>
        <translation>صرف ان برسوں میں جن میں %1 کے 30 دن ہوں</translation>
    </message>
    <message>
        <source>on the 29th of the months that have 29 days</source>
        <translation>29 دن والے مہینوں کی 29 تاریخ کو</translation>
    </message>
    <message>
        <source>on the last day of the months that have fewer than %1 days</source>
        <translation>%1 سے کم دنوں والے مہینوں کے آخری دن</translation>
    </message>
    <message>
        <source>%1, %2 / %3: %4</source>
        <translation>%1، %2 / %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <comment>In %n day</comment>
        <translation>
            <numerusform>%n دن میں</numerusform>
            <numerusform>%n دن میں</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersProgram</name>
    <message>
        <source>the keyring holds no password for "%1" at %2; give it with --password-file FILE (- reads standard input)</source>
        <translation>کی رنگ میں %2 پر "%1" کے لیے کوئی پاس ورڈ نہیں؛ اسے --password-file فائل سے دیں (- معیاری ان پٹ پڑھتا ہے)</translation>
    </message>
    <message>
        <source>no keyring answered to give the password for "%1" at %2 (%3); give it with --password-file FILE (- reads standard input)</source>
        <translation>کسی کی رنگ نے %2 پر "%1" کا پاس ورڈ دینے کے لیے جواب نہیں دیا (%3)؛ اسے --password-file فائل سے دیں (- معیاری ان پٹ پڑھتا ہے)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>یہ خالی ہے</translation>
    </message>
    <message>
        <source>cannot read the password from standard input: %1</source>
        <translation>معیاری ان پٹ سے پاس ورڈ نہیں پڑھا جا سکا: %1</translation>
    </message>
    <message>
        <source>cannot read the password from %1: %2</source>
        <translation>%1 سے پاس ورڈ نہیں پڑھا جا سکا: %2</translation>
    </message>
    <message>
        <source>no calendar server is set up: give --url URL (and --user NAME), or keep them in the profile as URL= and User= under [CalendarServer]</source>
        <translation>کوئی کیلنڈر سرور ترتیب نہیں دیا گیا: --url پتا (اور --user نام) دیں، یا انہیں ترتیبات کی فائل میں [CalendarServer] کے تحت URL= اور User= کے طور پر رکھیں</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2</source>
        <translation>%1 پر شائع نہیں کیا جا سکا: %2</translation>
    </message>
    <message>
        <source>published to %1: %2</source>
        <translation>%1 پر شائع کیا گیا: %2</translation>
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
        <translation type="vanished">استعمال:
  zamanix-reminders [اختیارات] list [--format text|tsv]
  zamanix-reminders [اختیارات] upcoming [--days ن] [--format text|tsv]
  zamanix-reminders [اختیارات] add کلید نوٹ [--alarm گھ:من] [--every منٹ]
  zamanix-reminders [اختیارات] remove کلید
  zamanix-reminders [اختیارات] export [--years ن] [--from تاریخ] [-o فائل]
  zamanix-reminders [اختیارات] export --rscale [--from تاریخ] [-o فائل]
  zamanix-reminders [اختیارات] publish [--url پتا] [--user نام]
                    [--password-file فائل] [--years ن]
جہاں اختیارات سے مراد ہے [--profile فائل]
[--calendar astronomical|umalqura|civil] [--adjust ن]۔

Zamanix ڈیسک ٹاپ پروگرام میں رکھی گئی یاد دہانیوں کی فہرست دکھاتا ہے، انہیں
شامل کرتا اور ہٹاتا ہے، دوسرے کیلنڈر پروگراموں کے لیے انہیں iCalendar فائل
کے طور پر برآمد کرتا ہے، اور انہیں ایسے CalDAV کیلنڈر پر شائع کرتا ہے جسے فون
اور دوسرے کیلنڈر پروگرام دکھاتے ہیں۔

کلید کسی بھی کیلنڈر کے مہینے کا نام، "/" اور ایک دن ہوتی ہے، جیسے فارم اسے
بناتا ہے: Ramadhan/27، March/06، Rabi'ul Awwal/5۔ add اور remove ہجری
مہینوں کے عام ہجے بھی قبول کرتے ہیں (Ramadan، Dhul Hijjah، Rabi al-Awwal،
Jumada al-Ula، ...) اور مہینے کو ویسے رکھتے ہیں جیسے پروگرام اسے لکھتا ہے۔
یاد دہانی اپنے کیلنڈر کے ہر سال لوٹتی ہے؛ 1 سے 9 تک کا دن چاہے 5 لکھا جائے یا
05، اس کا وقت آتا ہے۔

کمانڈز:
  list                تمام یاد دہانیاں، ان کے اگلے وقت کی ترتیب سے؛ جن کا وقت
                      کبھی نہیں آتا (April/31، غلط ہجے والا مہینہ) وہ آخر میں،
                      وجہ کے ساتھ
  upcoming            وہ یاد دہانیاں جن کا وقت آج سے ن دن بعد تک آتا ہے
                      (--days، طے شدہ 30)، ہر دن کے لیے ایک سطر
  add کلید نوٹ        نوٹ کو کلید کے تحت اس کے الارم کے ساتھ رکھتا ہے:
                      --alarm گھ:من (طے شدہ 08:00) اور دوبارہ یاد دلانے تک
                      --every منٹ، 0 سے 720 (طے شدہ 60)؛ موجودہ یاد دہانی
                      الارم کا وہ حصہ رکھتی ہے جو نہ دیا جائے؛ بالکل وہی لکھتا
                      ہے جو فارم کا "شامل کریں" لکھتا ہے
  remove کلید         یاد دہانی اور اس کا الارم بھلا دیتا ہے، جیسے فارم کا
                      "حذف کریں"
  export              اگلے ن سال میں (--years، طے شدہ 5، --from تاریخ سے،
                      سال-مہینہ-دن، طے شدہ آج) ہر وہ دن جس پر کسی یاد دہانی کا
                      وقت آتا ہے، آپ کے ٹائم زون میں الارم کے وقت iCalendar
                      واقعات کی صورت میں فائل (-o؛ لنک کا ہدف، پائپ یا
                      ٹرمینل بہاؤ کے طور پر لکھا جاتا ہے؛ ترتیبات کی فائل یا
                      اس کی فائلیں کبھی نہیں) یا معیاری آؤٹ پٹ پر لکھتا ہے
                      --rscale کے ساتھ: ہر یاد دہانی کا ایک واقعہ جو اپنے کیلنڈر
                      کے ہر سال دہرایا جاتا ہے (RFC 7529)، ان پروگراموں کے لیے
                      جو ICU کے ہجری کیلنڈر جانتے ہیں (ام القریٰ اور جدولی،
                      بغیر تصحیح یا درج شدہ مہینوں کے آغاز کے)
  publish             پتے (--url، طے شدہ: ترتیبات کی فائل والا) پر موجود
                      CalDAV کیلنڈر میں وہی واقعات رکھتا ہے جو export --years ن
                      لکھتا ہے (--years، طے شدہ: ترتیبات کی فائل والا، ورنہ 2):
                      صرف بدلی ہوئی چیزیں لکھتا ہے، اور کسی دوسرے پروگرام کی
                      اشیاء کو کبھی نہیں چھیڑتا۔ پاس ورڈ --password-file فائل کی
                      پہلی سطر ہے (- معیاری ان پٹ پڑھتا ہے)، ورنہ کی رنگ والا۔
                      سرور یا نیٹ ورک ناکام ہو تو اخراج کی حالت 1

اختیارات:
  --profile فائل      استعمال ہونے والی ترتیبات کی فائل (طے شدہ: ڈیسک ٹاپ
                      پروگرام کی، $XDG_CONFIG_HOME/zamanix.INI)
  --calendar قاعدہ    ہجری کیلنڈر: astronomical، umalqura یا civil (طے شدہ:
                      ڈیسک ٹاپ پروگرام میں منتخب کیا گیا)
  --adjust ن          ہجری کیلنڈر کو ن دن منتقل کرتا ہے، -2 سے 2 تک (طے شدہ:
                      جیسا ڈیسک ٹاپ پروگرام میں منتخب کیا گیا)
  --format text|tsv   ترتیب وار کالم (طے شدہ)، یا ٹیب سے الگ کی گئی قدریں
                      سرخی کی سطر کے ساتھ
  -h, --help          یہ مدد دکھاتا ہے
  --version           ورژن دکھاتا ہے
"-" سے شروع ہونے والا نوٹ "--" کے بعد آتا ہے۔

ہجری کیلنڈر ترتیبات کی فائل میں درج مہینوں کے آغاز کی پیروی کرتا ہے (سیکشن
[HijriMonthStarts]، "1448/9=2027-02-07")؛ جو اندراج رکھا نہ جا سکے وہ
معیاری خرابی پر انتباہ کے ساتھ چھوڑ دیا جاتا ہے۔

خرابیاں (ایسی کلید جس کا مہینہ یا دن درست نہ ہو، ترتیبات کی ایسی فائل جو پڑھی
یا لکھی نہ جا سکے، غلط اختیارات، شائع کرنے کے لیے پاس ورڈ نہ ہونا) معیاری خرابی
پر "zamanix-reminders: &lt;کیا غلط ہے&gt;" کی صورت میں اخراج کی حالت 2 کے ساتھ
بتائی جاتی ہیں، اور کچھ نہیں لکھا جاتا۔
</translation>
    </message>
    <message>
        <source>%1 is not a number of seconds</source>
        <translation>%1 سیکنڈوں کی تعداد نہیں ہے</translation>
    </message>
    <message>
        <source>the %1 calendar cannot be computed: %2</source>
        <translation>%1 کیلنڈر کا حساب نہیں لگایا جا سکتا: %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: انتباہ: %2</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>%1 شامل نہیں کیا جا سکا: %2</translation>
    </message>
    <message>
        <source>the memo is empty; an empty memo never rings (use remove to delete a reminder)</source>
        <translation>نوٹ خالی ہے؛ خالی نوٹ کبھی نہیں بجتا (یاد دہانی حذف کرنے کے لیے remove استعمال کریں)</translation>
    </message>
    <message>
        <source>there is no reminder %1 in %2</source>
        <translation>%2 میں کوئی یاد دہانی %1 نہیں</translation>
    </message>
    <message>
        <source>--years does not apply to export --rscale: its events repeat without end</source>
        <translation>--years کا اطلاق export --rscale پر نہیں ہوتا: اس کے واقعات بغیر اختتام کے دہرائے جاتے ہیں</translation>
    </message>
    <message>
        <source>cannot export repeating events: %1; export without --rscale lists every day a reminder falls due instead</source>
        <translation>دہرائے جانے والے واقعات برآمد نہیں کیے جا سکتے: %1؛ اس کے بجائے --rscale کے بغیر export ہر وہ دن درج کرتا ہے جس پر کوئی یاد دہانی واجب ہو</translation>
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
مزید معلومات کے لیے '%3 --help' آزمائیں۔</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>آؤٹ پٹ نہیں لکھا جا سکا</translation>
    </message>
    <message>
        <source>--profile needs a file name</source>
        <translation>--profile کو فائل کا نام درکار ہے</translation>
    </message>
    <message>
        <source>unknown calendar %1; use astronomical, umalqura or civil</source>
        <translation>نامعلوم کیلنڈر %1؛ astronomical، umalqura یا civil استعمال کریں</translation>
    </message>
    <message>
        <source>adjustment %1 is not a whole number of days from -2 to 2</source>
        <translation>ترمیم %1 -2 سے 2 تک دنوں کی پوری تعداد نہیں ہے</translation>
    </message>
    <message>
        <source>unknown format %1; use text or tsv</source>
        <translation>نامعلوم فارمیٹ %1؛ text یا tsv استعمال کریں</translation>
    </message>
    <message>
        <source>--days takes a number of days from 0 to 36525, not %1</source>
        <translation>--days 0 سے 36525 تک دنوں کی تعداد لیتا ہے، %1 نہیں</translation>
    </message>
    <message>
        <source>--alarm takes a time from 00:00 to 23:59, not %1</source>
        <translation>--alarm 00:00 سے 23:59 تک وقت لیتا ہے، %1 نہیں</translation>
    </message>
    <message>
        <source>--every takes a number of minutes from 0 to %1, not %2</source>
        <translation>--every 0 سے %1 تک منٹوں کی تعداد لیتا ہے، %2 نہیں</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 100, not %1</source>
        <translation>--years 1 سے 100 تک سالوں کی تعداد لیتا ہے، %1 نہیں</translation>
    </message>
    <message>
        <source>--password-file needs a file name, or - for standard input</source>
        <translation>--password-file کو فائل کا نام چاہیے، یا معیاری ان پٹ کے لیے -</translation>
    </message>
    <message>
        <source>unknown command %1; use list, upcoming, add, remove, export or publish</source>
        <translation>نامعلوم کمانڈ %1؛ list، upcoming، add، remove، export یا publish استعمال کریں</translation>
    </message>
    <message>
        <source>no command given; use list, upcoming, add, remove, export or publish</source>
        <translation>کوئی کمانڈ نہیں دی گئی؛ list، upcoming، add، remove، export یا publish استعمال کریں</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 کوئی دلائل نہیں لیتا</translation>
    </message>
    <message>
        <source>%1 takes one KEY</source>
        <translation>%1 ایک کلید لیتا ہے</translation>
    </message>
    <message>
        <source>%1 takes a KEY and a MEMO</source>
        <translation>%1 ایک کلید اور ایک نوٹ لیتا ہے</translation>
    </message>
    <message>
        <source>option %1 does not apply to this command</source>
        <translation>اختیار %1 کا اس کمانڈ پر اطلاق نہیں ہوتا</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>نامعلوم اختیار %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>اختیار %1 کوئی قدر نہیں لیتا</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>اختیار %1 کو قدر درکار ہے</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by: the reminder is kept, but it will not ring</source>
        <translation>%1 کا دن %2 تھا، جو گزر چکا: یاد دہانی محفوظ ہے، مگر یہ نہیں بجے گی</translation>
    </message>
    <message>
        <source>%1: %2; the reminder is kept, and rings only if that month gets its 30th day</source>
        <translation>%1: %2؛ یاد دہانی محفوظ ہے، اور صرف تب بجے گی جب اس مہینے کا 30واں دن ہو</translation>
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
        <translation>استعمال:
  zamanix-reminders [اختیارات] list [--format text|tsv]
  zamanix-reminders [اختیارات] upcoming [--days ن] [--format text|tsv]
  zamanix-reminders [اختیارات] add کلید نوٹ [--alarm گھ:من] [--every منٹ]
                    [--notice دن]
  zamanix-reminders [اختیارات] remove کلید
  zamanix-reminders [اختیارات] export [--years ن] [--from تاریخ] [-o فائل]
  zamanix-reminders [اختیارات] export --rscale [--from تاریخ] [-o فائل]
  zamanix-reminders [اختیارات] publish [--url پتا] [--user نام]
                    [--password-file فائل] [--years ن]
جہاں اختیارات سے مراد ہے [--profile فائل]
[--calendar astronomical|umalqura|civil] [--adjust ن]۔

Zamanix ڈیسک ٹاپ پروگرام میں رکھی گئی یاد دہانیوں کی فہرست دکھاتا ہے، انہیں
شامل کرتا اور ہٹاتا ہے، دوسرے کیلنڈر پروگراموں کے لیے انہیں iCalendar فائل
کے طور پر برآمد کرتا ہے، اور انہیں ایسے CalDAV کیلنڈر پر شائع کرتا ہے جسے فون
اور دوسرے کیلنڈر پروگرام دکھاتے ہیں۔

کلید بتاتی ہے کہ یاد دہانی کب واجب ہوتی ہے:
  Ramadhan/27، March/06      ہر سال، کسی بھی کیلنڈر کے مہینے اور دن پر، جیسے
                             فارم اسے بناتا ہے
  Ramadhan/27/1448،          ایک بار، کسی بھی کیلنڈر کی تاریخ پر
  March/06/2027
  Hijri/13، Christian/01     اس کیلنڈر کے ہر مہینے، ایک دن پر؛ جس مہینے میں وہ
                             دن نہ ہو اس میں آخری دن پر
  Friday                     ہر ہفتے، ہفتے کے دن پر (انگریزی میں)
add اور remove ہجری مہینوں کے عام ہجے بھی لیتے ہیں (Ramadan، Dhul Hijjah،
Rabi al-Awwal، Jumada al-Ula، ...) اور مہینہ پروگرام کے ہجے میں رکھتے ہیں۔
1 سے 9 تک کا دن 5 یا 05 لکھا جائے، دونوں صورت میں واجب ہوتا ہے۔

کمانڈز:
  list                تمام یاد دہانیاں اور ان کی قسم، ان کے اگلے وقت کی
                      ترتیب سے؛ پھر ایک بار والی جن کا دن گزر چکا؛ جن کا
                      وقت کبھی نہیں آتا (April/31، غلط ہجے والا مہینہ) آخر
                      میں، وجہ کے ساتھ
  upcoming            وہ یاد دہانیاں جن کا وقت آج سے ن دن بعد تک آتا ہے
                      (--days، طے شدہ 30)، ہر دن کے لیے ایک سطر
  add کلید نوٹ        نوٹ کو کلید کے تحت اس کے الارم کے ساتھ رکھتا ہے:
                      --alarm گھ:من (طے شدہ 08:00) اور --every منٹ، 0 سے
                      720، دوبارہ یاد دلانے تک (طے شدہ 60)، اور --notice
                      دن، 0 سے 30، ہر واجب دن سے اتنے دن پہلے بھی یاد دلانے
                      کے لیے (0: کوئی پیشگی اطلاع نہیں)؛ موجود یاد دہانی جو
                      نہ دیا جائے وہ رکھتی ہے؛ سالانہ کلید کے لیے بالکل وہی
                      لکھتا ہے جو فارم کا شامل کریں لکھتا ہے
  remove کلید         یاد دہانی، اس کا الارم اور پیشگی اطلاع بھلا دیتا ہے،
                      جیسے فارم کا حذف کریں
  export              اگلے ن سال میں (--years، طے شدہ 5، --from تاریخ سے،
                      سال-مہینہ-دن، طے شدہ آج) ہر وہ دن جس پر کسی یاد دہانی کا
                      وقت آتا ہے، آپ کے ٹائم زون میں الارم کے وقت iCalendar
                      واقعات کی صورت میں فائل (-o؛ لنک کا ہدف، پائپ یا
                      ٹرمینل بہاؤ کے طور پر لکھا جاتا ہے؛ ترتیبات کی فائل یا
                      اس کی فائلیں کبھی نہیں) یا معیاری آؤٹ پٹ پر لکھتا ہے
                      --rscale کے ساتھ: ہر یاد دہانی کا ایک واقعہ جو اپنے کیلنڈر
                      کے ہر سال دہرایا جاتا ہے (RFC 7529)، ان پروگراموں کے لیے
                      جو ICU کے ہجری کیلنڈر جانتے ہیں (ام القریٰ اور جدولی،
                      بغیر تصحیح یا درج شدہ مہینوں کے آغاز کے)
  publish             پتے (--url، طے شدہ: ترتیبات کی فائل والا) پر موجود
                      CalDAV کیلنڈر میں وہی واقعات رکھتا ہے جو export --years ن
                      لکھتا ہے (--years، طے شدہ: ترتیبات کی فائل والا، ورنہ 2):
                      صرف بدلی ہوئی چیزیں لکھتا ہے، اور کسی دوسرے پروگرام کی
                      اشیاء کو کبھی نہیں چھیڑتا۔ پاس ورڈ --password-file فائل کی
                      پہلی سطر ہے (- معیاری ان پٹ پڑھتا ہے)، ورنہ کی رنگ والا۔
                      سرور یا نیٹ ورک ناکام ہو تو اخراج کی حالت 1

اختیارات:
  --profile فائل      استعمال ہونے والی ترتیبات کی فائل (طے شدہ: ڈیسک ٹاپ
                      پروگرام کی، $XDG_CONFIG_HOME/zamanix.INI)
  --calendar قاعدہ    ہجری کیلنڈر: astronomical، umalqura یا civil (طے شدہ:
                      ڈیسک ٹاپ پروگرام میں منتخب کیا گیا)
  --adjust ن          ہجری کیلنڈر کو ن دن منتقل کرتا ہے، -2 سے 2 تک (طے شدہ:
                      جیسا ڈیسک ٹاپ پروگرام میں منتخب کیا گیا)
  --format text|tsv   ترتیب وار کالم (طے شدہ)، یا ٹیب سے الگ کی گئی قدریں
                      سرخی کی سطر کے ساتھ
  -h, --help          یہ مدد دکھاتا ہے
  --version           ورژن دکھاتا ہے
"-" سے شروع ہونے والا نوٹ "--" کے بعد آتا ہے۔

ہجری کیلنڈر ترتیبات کی فائل میں درج مہینوں کے آغاز کی پیروی کرتا ہے (سیکشن
[HijriMonthStarts]، "1448/9=2027-02-07")؛ جو اندراج رکھا نہ جا سکے وہ
معیاری خرابی پر انتباہ کے ساتھ چھوڑ دیا جاتا ہے۔

خرابیاں (ایسی کلید جس کا مہینہ، دن، سال یا ہفتے کا دن درست نہ ہو، معاون برسوں
سے باہر کی تاریخ، ترتیبات کی ایسی فائل جو پڑھی یا لکھی نہ جا سکے، غلط
اختیارات، شائع کرنے کے لیے پاس ورڈ نہ ہونا) معیاری خرابی پر
"zamanix-reminders: &lt;کیا غلط ہے&gt;" کی صورت میں اخراج کی حالت 2 کے ساتھ
بتائی جاتی ہیں، اور کچھ نہیں لکھا جاتا۔
</translation>
    </message>
    <message>
        <source>--notice takes a number of days from 0 to %1, not %2</source>
        <translation>--notice کو 0 سے %1 تک دنوں کی تعداد چاہیے، %2 نہیں</translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>%1: the session bus at %2 does not answer within %3 seconds; going on without it, as a copy of its own, without desktop notifications</source>
        <translation>%1: %2 پر سیشن بس %3 سیکنڈ میں جواب نہیں دیتی؛ اس کے بغیر، ایک الگ کاپی کے طور پر اور ڈیسک ٹاپ اطلاعات کے بغیر کام جاری ہے</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Main window</source>
        <translation>مرکزی ونڈو</translation>
    </message>
    <message>
        <source>Alt+the underlined letter</source>
        <translation>Alt+زیر خط والا حرف</translation>
    </message>
    <message>
        <source>opens a menu, or presses a button of the form</source>
        <translation>مینو کھولتا ہے، یا فارم کا بٹن دباتا ہے</translation>
    </message>
    <message>
        <source>View: shows the chosen date in the other calendar with its memo</source>
        <translation>منظر: منتخب تاریخ دوسرے کیلنڈر میں اس کے نوٹ کے ساتھ دکھاتا ہے</translation>
    </message>
    <message>
        <source>Add, View, Delete</source>
        <translation>شامل کریں، دیکھیں، حذف کریں</translation>
    </message>
    <message>
        <source>puts the clipboard's text into the memo, as one line</source>
        <translation>کلپ بورڈ کا متن نوٹ میں ایک سطر کے طور پر رکھتا ہے</translation>
    </message>
    <message>
        <source>New, Open, Save</source>
        <translation>نیا، کھولیں، محفوظ کریں</translation>
    </message>
    <message>
        <source>prints the form</source>
        <translation>فارم پرنٹ کرتا ہے</translation>
    </message>
    <message>
        <source>opens All Reminders</source>
        <translation>تمام یاد دہانیاں کھولتا ہے</translation>
    </message>
    <message>
        <source>shows or hides the month panel</source>
        <translation>مہینے کا پینل دکھاتا یا چھپاتا ہے</translation>
    </message>
    <message>
        <source>moves between the form and the month panel</source>
        <translation>فارم اور مہینے کے پینل کے درمیان جاتا ہے</translation>
    </message>
    <message>
        <source>opens the manual</source>
        <translation>ہدایت نامہ کھولتا ہے</translation>
    </message>
    <message>
        <source>Month panel</source>
        <translation>مہینے کا پینل</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>تیر والی کلیدیں</translation>
    </message>
    <message>
        <source>the day before or after, or the same weekday a week away</source>
        <translation>پچھلا یا اگلا دن، یا ایک ہفتہ دور ہفتے کا وہی دن</translation>
    </message>
    <message>
        <source>the month before or after</source>
        <translation>پچھلا یا اگلا مہینہ</translation>
    </message>
    <message>
        <source>the year before or after</source>
        <translation>پچھلا یا اگلا سال</translation>
    </message>
    <message>
        <source>today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>shows the day in the form</source>
        <translation>دن کو فارم میں دکھاتا ہے</translation>
    </message>
    <message>
        <source>All Reminders</source>
        <translation>تمام یاد دہانیاں</translation>
    </message>
    <message>
        <source>from the filter to the list</source>
        <translation>فلٹر سے فہرست تک</translation>
    </message>
    <message>
        <source>opens the reminder in the form</source>
        <translation>یاد دہانی کو فارم میں کھولتا ہے</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">حذف کریں</translation>
    </message>
    <message>
        <source>deletes the reminder, after asking</source>
        <translation>پوچھنے کے بعد یاد دہانی حذف کرتا ہے</translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation>ونڈو بند کرتا ہے</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>چھوٹی ہوئی یاد دہانیاں</translation>
    </message>
    <message>
        <source>Reminder prompt</source>
        <translation>یاد دہانی کا سوال</translation>
    </message>
    <message>
        <source>reminds you again after the interval</source>
        <translation>وقفے کے بعد پھر یاد دلاتا ہے</translation>
    </message>
    <message>
        <source>no more reminders today</source>
        <translation>آج مزید یاد دہانی نہیں</translation>
    </message>
    <message>
        <source>not now: reminds you again after the interval</source>
        <translation>ابھی نہیں: وقفے کے بعد پھر یاد دلاتا ہے</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Zamanix reminder</source>
        <translation>Zamanix یاد دہانی</translation>
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
Zamani دستاویز</translation>
    </message>
    <message>
        <source>Add memo entry to reminders on specified date</source>
        <translation>مقررہ تاریخ پر نوٹ کو یاد دہانیوں میں شامل کریں</translation>
    </message>
    <message>
        <source>Delete reminder entry from list.</source>
        <translation>یاد دہانی کو فہرست سے حذف کریں۔</translation>
    </message>
    <message>
        <source>Play Remider.wav audio file on alarm</source>
        <translation>الارم پر آڈیو فائل Reminder.wav چلائیں</translation>
    </message>
    <message>
        <source>Compute the Hijri months from the new moons (the default)</source>
        <translation>ہجری مہینوں کا حساب نئے چاند سے کریں (طے شدہ)</translation>
    </message>
    <message>
        <source>Follow the Umm al-Qura calendar of Saudi Arabia</source>
        <translation>سعودی عرب کے ام القریٰ کیلنڈر کی پیروی کریں</translation>
    </message>
    <message>
        <source>Follow the tabular (civil) Islamic calendar</source>
        <translation>جدولی (شہری) اسلامی کیلنڈر کی پیروی کریں</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days later</source>
        <translation>ہر ہجری مہینہ دو دن بعد شروع کریں</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day later</source>
        <translation>ہر ہجری مہینہ ایک دن بعد شروع کریں</translation>
    </message>
    <message>
        <source>Keep the Hijri months as the calendar gives them</source>
        <translation>ہجری مہینے ویسے ہی رکھیں جیسے کیلنڈر دیتا ہے</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day earlier</source>
        <translation>ہر ہجری مہینہ ایک دن پہلے شروع کریں</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days earlier</source>
        <translation>ہر ہجری مہینہ دو دن پہلے شروع کریں</translation>
    </message>
    <message>
        <source>List every reminder by the day it falls due next
All Reminders</source>
        <translation>تمام یاد دہانیوں کی فہرست ان کے اگلے وقت کی ترتیب سے
تمام یاد دہانیاں</translation>
    </message>
    <message>
        <source>Save the reminders of the next five years as an iCalendar file for other calendar programs
Export Reminders</source>
        <translation>اگلے پانچ سال کی یاد دہانیاں دوسرے کیلنڈر پروگراموں کے لیے iCalendar فائل میں محفوظ کریں
یاد دہانیاں برآمد کریں</translation>
    </message>
    <message>
        <source>Start Zamanix, minimized, whenever you log in to the desktop
Start at Login</source>
        <translation>جب بھی آپ ڈیسک ٹاپ میں لاگ ان کریں، Zamanix کو چھوٹا کر کے شروع کریں
لاگ ان پر شروع کریں</translation>
    </message>
    <message>
        <source>Print the month shown in the month panel on one page
Print Month</source>
        <translation>مہینے کے پینل میں دکھایا گیا مہینہ ایک صفحے پر پرنٹ کریں
مہینہ پرنٹ کریں</translation>
    </message>
    <message>
        <source>Show or hide the month at a glance beside the form
Month</source>
        <translation>فارم کے ساتھ مہینے کا پینل دکھائیں یا چھپائیں
مہینہ</translation>
    </message>
    <message>
        <source>Mark the Islamic holy days in the month panel
Islamic Holy Days</source>
        <translation>مہینے کے پینل میں اسلامی مقدس ایام پر نشان لگائیں
اسلامی مقدس ایام</translation>
    </message>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>تیار</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>نئی دستاویز بنائیں
نیا</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>موجودہ دستاویز کھولیں
کھولیں</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>فعال دستاویز بند کریں
بند کریں</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>فعال دستاویز محفوظ کریں
محفوظ کریں</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>فعال دستاویز نئے نام سے محفوظ کریں
بطور محفوظ کریں</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>پرنٹنگ کے اختیارات تبدیل کریں
صفحہ سیٹ اپ</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>پرنٹر اور پرنٹنگ کے اختیارات تبدیل کریں
پرنٹ سیٹ اپ</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>فعال دستاویز پرنٹ کریں
پرنٹ کریں</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>پورے صفحات دکھائیں
پرنٹ کا پیش منظر</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>یہ دستاویز کھولیں</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>انتخاب مٹائیں
مٹائیں</translation>
    </message>
    <message>
        <source>Erase everything
Erase All</source>
        <translation>سب کچھ مٹائیں
سب مٹائیں</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>انتخاب کو نقل کر کے کلپ بورڈ پر رکھیں
نقل کریں</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>انتخاب کو کاٹ کر کلپ بورڈ پر رکھیں
کاٹیں</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>مخصوص متن تلاش کریں
تلاش کریں</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>کلپ بورڈ کا مواد داخل کریں
چسپاں کریں</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>آخری عمل دہرائیں
دہرائیں</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>مخصوص متن کو دوسرے متن سے بدلیں
بدلیں</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>پوری دستاویز منتخب کریں
سب منتخب کریں</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>آخری عمل کالعدم کریں
کالعدم کریں</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>کالعدم کیا گیا عمل دوبارہ کریں
دوبارہ کریں</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>فعال ونڈو کو حصوں میں تقسیم کریں
تقسیم کریں</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>پروگرام کی معلومات، ورژن نمبر اور حق اشاعت دکھائیں
تعارف</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>ایپلیکیشن بند کریں؛ دستاویزات محفوظ کرنے کا پوچھا جاتا ہے
خروج</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>ونڈو کے اگلے حصے پر جائیں
اگلا حصہ</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>ونڈو کے پچھلے حصے پر واپس جائیں
پچھلا حصہ</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>ٹول بار دکھائیں یا چھپائیں
ٹول بار</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>اسٹیٹس بار دکھائیں یا چھپائیں
اسٹیٹس بار</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>پرنٹ کا پیش منظر بند کریں
پیش منظر بند کریں</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>توسیع</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>بڑے حروف</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>ہندسے</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>اسکرول</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>اوور رائٹ</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>ریکارڈ</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>ونڈو کا سائز تبدیل کریں</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>ونڈو کی جگہ تبدیل کریں</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>ونڈو کو آئیکن تک چھوٹا کریں</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>ونڈو کو پورے سائز تک بڑا کریں</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>دستاویز کی اگلی ونڈو پر جائیں</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>دستاویز کی پچھلی ونڈو پر جائیں</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>فعال ونڈو بند کریں؛ دستاویزات محفوظ کرنے کا پوچھا جاتا ہے</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>ونڈو کو معمول کے سائز پر بحال کریں</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>کاموں کی فہرست فعال کریں</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>بطور محفوظ کریں</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>تمام فائلیں (*.*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>ایک بے نام فائل</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;چھپائیں</translation>
    </message>
    <message>
        <source>No error message is available.</source>
        <translation>خرابی کا کوئی پیغام دستیاب نہیں۔</translation>
    </message>
    <message>
        <source>An unsupported operation was attempted.</source>
        <translation>ایک غیر معاون عمل کی کوشش کی گئی۔</translation>
    </message>
    <message>
        <source>A required resource was unavailable.</source>
        <translation>ایک ضروری وسیلہ دستیاب نہیں تھا۔</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>میموری ختم ہو گئی۔</translation>
    </message>
    <message>
        <source>An unknown error has occurred.</source>
        <translation>ایک نامعلوم خرابی پیش آئی۔</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 پر</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;ایک صفحہ</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;دو صفحے</translation>
    </message>
    <message>
        <source>Page %u</source>
        <translation>صفحہ %u</translation>
    </message>
    <message>
        <source>Page %u
Pages %u-%u
</source>
        <translation>صفحہ %u
صفحات %u-%u
</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>فائل میں پرنٹ کریں</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>%1 میں</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>غلط فائل نام۔</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>دستاویز نہیں کھل سکی۔</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>دستاویز محفوظ نہیں ہو سکی۔</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 میں تبدیلیاں محفوظ کریں؟</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>خالی دستاویز نہیں بن سکی۔</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>فائل کھولنے کے لیے بہت بڑی ہے۔</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>پرنٹ کا کام شروع نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>مدد شروع نہیں ہو سکی۔</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>ایپلیکیشن کی اندرونی خرابی۔</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>کمانڈ ناکام ہو گئی۔</translation>
    </message>
    <message>
        <source>Insufficient memory to perform operation.</source>
        <translation>یہ عمل انجام دینے کے لیے میموری ناکافی ہے۔</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>سسٹم رجسٹری کے اندراجات ہٹا دیے گئے اور INI فائل (اگر تھی) حذف کر دی گئی۔</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>سسٹم رجسٹری کے تمام اندراجات (یا INI فائل) نہیں ہٹائے جا سکے۔</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>براہ کرم ایک عدد صحیح درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>براہ کرم ایک عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>براہ کرم %1 اور %2 کے درمیان عدد صحیح درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>براہ کرم %1 اور %2 کے درمیان عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>براہ کرم %1 سے زیادہ حروف درج نہ کریں۔</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>براہ کرم ایک بٹن منتخب کریں۔</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>براہ کرم 0 اور 255 کے درمیان عدد صحیح درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>براہ کرم مثبت عدد صحیح درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>براہ کرم تاریخ اور/یا وقت درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a currency.</source>
        <translation>براہ کرم رقم درج کریں۔</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>غیر متوقع فائل فارمیٹ۔</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
یہ فائل نہیں ملی۔
براہ کرم تصدیق کریں کہ درست راستہ اور فائل کا نام دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>منزل کی ڈسک ڈرائیو بھری ہوئی ہے۔</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>%1 سے پڑھا نہیں جا سکتا، اسے کسی اور نے کھول رکھا ہے۔</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>%1 میں لکھا نہیں جا سکتا، یہ صرف پڑھنے کے لیے ہے یا اسے کسی اور نے کھول رکھا ہے۔</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>%1 پڑھتے ہوئے ایک غیر متوقع خرابی پیش آئی۔</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>%1 لکھتے ہوئے ایک غیر متوقع خرابی پیش آئی۔</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>کوئی خرابی پیش نہیں آئی۔</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>%1 کے اختتام سے آگے رسائی کی کوشش کی گئی۔</translation>
    </message>
    <message>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 میں غلط اسکیما ہے۔</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>پکسل</translation>
    </message>
    <message>
        <source>Save a copy of every reminder and setting in a file of your choice
Back Up Reminders</source>
        <translation>ہر یاد دہانی اور ترتیب کی نقل اپنی پسند کی فائل میں محفوظ کریں
یاد دہانیوں کا بیک اپ</translation>
    </message>
    <message>
        <source>Replace the reminders and settings with those of a backup
Restore Reminders</source>
        <translation>یاد دہانیوں اور ترتیبات کو بیک اپ والی سے بدل دیں
یاد دہانیاں بحال کریں</translation>
    </message>
    <message>
        <source>List the keys that work in Zamanix's windows
Keyboard Shortcuts</source>
        <translation>Zamanix کی ونڈوز میں کام کرنے والی کلیدوں کی فہرست
کی بورڈ شارٹ کٹس</translation>
    </message>
    <message>
        <source>Open the manual of Zamanix
Manual</source>
        <translation>Zamanix کا ہدایت نامہ کھولیں
ہدایت نامہ</translation>
    </message>
    <message>
        <source>Keep a calendar on a CalDAV server holding your reminders, for your phone and other calendar programs
Calendar Server</source>
        <translation>اپنی یاد دہانیوں والا کیلنڈر CalDAV سرور پر رکھیں، اپنے فون اور دوسرے کیلنڈر پروگراموں کے لیے
کیلنڈر سرور</translation>
    </message>
    <message>
        <source>Publish the reminders to the calendar server now
Publish Now</source>
        <translation>یاد دہانیاں ابھی کیلنڈر سرور پر شائع کریں
ابھی شائع کریں</translation>
    </message>
    <message>
        <source>List, remove and import the days on which your community's Hijri months began
Hijri Month Starts</source>
        <translation>ان دنوں کی فہرست، حذف اور درآمد جن میں آپ کی برادری کے ہجری مہینے شروع ہوئے
ہجری مہینوں کے آغاز</translation>
    </message>
    <message>
        <source>On the 29th of each Hijri month, ask in the evening whether the new moon was seen
Ask About the New Moon</source>
        <translation>ہر ہجری مہینے کی 29 تاریخ کو شام میں پوچھیں کہ کیا نیا چاند نظر آیا
نئے چاند کے بارے میں پوچھیں</translation>
    </message>
    <message>
        <source>Write numbers in the digits 0 to 9 instead of your language's own
Western Digits</source>
        <translation>اعداد اپنی زبان کے ہندسوں کی بجائے 0 تا 9 ہندسوں میں لکھیں
مغربی ہندسے</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>ٹول بار</translation>
    </message>
</context>
</TS>
